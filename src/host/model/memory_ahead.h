#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>

namespace host::model {

// Readies the memory of a large array that is about to be filled from its start to its end,
// such as the entities of a drawing being read, on another core ahead of the filling. The
// system clears each page of fresh memory when it is first touched, which costs about as much
// as filling it: on Linux this asks for large pages (transparent huge pages) and lets a thread
// of its own touch them first. Elsewhere it does nothing. Only speed depends on it: the memory
// may be freed or moved meanwhile.
class MemoryAhead {
 public:
  MemoryAhead() = default;
  ~MemoryAhead();
  MemoryAhead(const MemoryAhead&) = delete;
  MemoryAhead& operator=(const MemoryAhead&) = delete;

  // Starts readying all of [data, data + bytes), for an array that will be filled whole; stops
  // any readying before.
  void ready(const void* data, std::size_t bytes);
  // The same for room that may not all be filled (room reserved for what a file seems to hold):
  // readies only a little beyond what filledTo has told is filled, so that room never filled
  // costs no memory.
  void readyAsFilled(const void* data, std::size_t bytes);
  // The end of what is filled so far.
  void filledTo(const void* end);

 private:
  std::mutex mutex_;
  std::condition_variable filling_;
  std::uintptr_t filled_ = 0;
  bool paced_ = false;
  bool stopping_ = false;
  std::thread thread_;

  void start(const void* data, std::size_t bytes, bool paced);
  // Whether the thread may ready from `at` on; waits until it may, or must stop.
  bool mayReady(std::uintptr_t at);
  void stop();
};

}  // namespace host::model
