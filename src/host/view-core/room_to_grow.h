#pragma once

#include <cstddef>
#include <vector>

namespace host::view {

// Makes room in `list` for `more` elements after those it holds, and for an eighth as many again
// when it must move them. The lists of a projected drawing hold millions of pieces and grow by a
// few at each Insert or typed command: moving them all, into memory the system must first clear,
// costs as much as projecting them, and the room left makes it rare. An eighth rather than the
// usual doubling keeps the memory close to what is used.
template <class T>
void makeRoom(std::vector<T>& list, std::size_t more) {
  const std::size_t wanted = list.size() + more;
  if (wanted > list.capacity()) list.reserve(wanted + wanted / 8);
}

}  // namespace host::view
