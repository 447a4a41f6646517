#include "host/model/memory_ahead.h"

#include <algorithm>
#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace host::model {
namespace {

constexpr std::uintptr_t kLargePage = std::uintptr_t{1} << 21;
// Readied a step at a time, so that stopping waits for one step at most.
constexpr std::uintptr_t kStep = 16 * kLargePage;

}  // namespace

MemoryAhead::~MemoryAhead() {
  stop();
}

void MemoryAhead::stop() {
  if (!thread_.joinable()) return;
  stopping_ = true;
  thread_.join();
  stopping_ = false;
}

void MemoryAhead::ready(const void* data, std::size_t bytes) {
  stop();
#ifdef __linux__
  const auto start = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t end = (start + bytes) & ~(kLargePage - 1);
  if (end <= first) return;
  // A refusal (no large pages, memory the system does not map so) only costs speed. Touching
  // is asked of the system, which maps the pages without writing to them: what the filling has
  // written meanwhile stays, and memory freed meanwhile is left as it is.
  ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
  thread_ = std::thread([this, first, end] {
    for (std::uintptr_t at = first; at < end && !stopping_; at += kStep) {
      const std::uintptr_t length = std::min(kStep, end - at);
      if (::madvise(reinterpret_cast<void*>(at), length, MADV_POPULATE_WRITE) != 0) return;
    }
  });
#else
  (void)data;
  (void)bytes;
#endif
}

}  // namespace host::model
