#pragma once

#include <atomic>
#include <cstddef>
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

  // Starts readying [data, data + bytes), after stopping any readying before.
  void ready(const void* data, std::size_t bytes);

 private:
  std::atomic<bool> stopping_{false};
  std::thread thread_;

  void stop();
};

}  // namespace host::model
