#pragma once

#include <cstddef>
#include <vector>

namespace check::report {

// The part of one list that a page shows.
struct ListSlice {
  std::size_t list = 0;
  std::size_t firstRow = 0;
  std::size_t rowCount = 0;
  bool continued = false;  // the list began on an earlier page
};
using ListPage = std::vector<ListSlice>;

// A list takes a line for its title, one for its table's header and one per row (an empty list:
// its title and a line saying so, in the room of a header and a row), then a blank line.
inline constexpr std::size_t kListOverhead = 2;

// How lists of `rowCounts` rows flow, one after another, over pages of `linesPerPage` lines
// (at least 3). A list never starts without room for its first row; one that does not fit
// goes on on the next page, under its title and header again. No lists, no pages.
std::vector<ListPage> paginateLists(const std::vector<std::size_t>& rowCounts,
                                    std::size_t linesPerPage);

}  // namespace check::report
