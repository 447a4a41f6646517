#pragma once

#include <cstddef>

// The heap a test program takes through operator new, counted by replacing it (link
// heap_counter.cpp into a test program of its own).
namespace host::dxf::testing {

struct HeapFigures {
  std::size_t taken = 0;  // bytes taken in all since the last reset
  std::size_t peak = 0;   // the most bytes held at once since the last reset, beyond what was
                          // held at the reset
};

void resetHeapFigures();
HeapFigures heapFigures();

}  // namespace host::dxf::testing
