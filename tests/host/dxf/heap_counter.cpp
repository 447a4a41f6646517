#include "heap_counter.h"

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace host::dxf::testing {
namespace {

std::size_t taken = 0;
std::size_t held = 0;
std::size_t heldAtReset = 0;
std::size_t mostHeld = 0;

void* take(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (!block) throw std::bad_alloc();
  const std::size_t usable = ::malloc_usable_size(block);
  taken += usable;
  held += usable;
  mostHeld = std::max(mostHeld, held);
  return block;
}

void give(void* block) {
  if (!block) return;
  held -= ::malloc_usable_size(block);
  std::free(block);
}

}  // namespace

void resetHeapFigures() {
  taken = 0;
  heldAtReset = held;
  mostHeld = held;
}

HeapFigures heapFigures() {
  return {taken, mostHeld - heldAtReset};
}

}  // namespace host::dxf::testing

using host::dxf::testing::give;
using host::dxf::testing::take;

void* operator new(std::size_t size) {
  return take(size);
}
void* operator new[](std::size_t size) {
  return take(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return take(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* block) noexcept {
  give(block);
}
void operator delete[](void* block) noexcept {
  give(block);
}
void operator delete(void* block, std::size_t) noexcept {
  give(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  give(block);
}
