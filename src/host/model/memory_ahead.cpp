#include "host/model/memory_ahead.h"

#include <algorithm>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace host::model {
namespace {

constexpr std::uintptr_t kLargePage = std::uintptr_t{1} << 21;
// Readied a step at a time, so that stopping waits for one step at most.
constexpr std::uintptr_t kStep = kLargePage;
// How far beyond what is filled room that may not be filled is readied, a step included: what
// is readied and never filled stays in the program's memory, so this is kept small.
constexpr std::uintptr_t kAhead = 2 * kStep;

}  // namespace

MemoryAhead::~MemoryAhead() {
  stop();
}

void MemoryAhead::stop() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  filling_.notify_all();
  thread_.join();
  stopping_ = false;
}

void MemoryAhead::ready(const void* data, std::size_t bytes) {
  start(data, bytes, false);
}

void MemoryAhead::readyAsFilled(const void* data, std::size_t bytes) {
  start(data, bytes, true);
}

void MemoryAhead::filledTo(const void* end) {
  {
    const std::lock_guard lock(mutex_);
    filled_ = std::max(filled_, reinterpret_cast<std::uintptr_t>(end));
  }
  filling_.notify_all();
}

bool MemoryAhead::mayReady(std::uintptr_t at) {
  std::unique_lock lock(mutex_);
  filling_.wait(lock, [&] { return stopping_ || !paced_ || at + kStep <= filled_ + kAhead; });
  return !stopping_;
}

void MemoryAhead::start(const void* data, std::size_t bytes, bool paced) {
  stop();
  const auto start = reinterpret_cast<std::uintptr_t>(data);
  filled_ = start;
  paced_ = paced;
#ifdef __linux__
  const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t end = (start + bytes) & ~(kLargePage - 1);
  if (end <= first) return;
  // A refusal (no large pages, memory the system does not map so) only costs speed. Touching
  // is asked of the system, which maps the pages without writing to them: what the filling has
  // written meanwhile stays, and memory freed meanwhile is left as it is.
  ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
  thread_ = std::thread([this, first, end] {
    for (std::uintptr_t at = first; at < end && mayReady(at); at += kStep) {
      const std::uintptr_t length = std::min(kStep, end - at);
      if (::madvise(reinterpret_cast<void*>(at), length, MADV_POPULATE_WRITE) != 0) return;
    }
  });
#else
  (void)bytes;
#endif
}

}  // namespace host::model
