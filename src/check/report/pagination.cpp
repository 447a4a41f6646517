#include "check/report/pagination.h"

#include <algorithm>
#include <cassert>

namespace check::report {

std::vector<ListPage> paginateLists(const std::vector<std::size_t>& rowCounts,
                                    std::size_t linesPerPage) {
  assert(linesPerPage > kListOverhead);
  std::vector<ListPage> pages;
  std::size_t used = linesPerPage;  // no page yet: as if the last one were full
  for (std::size_t list = 0; list < rowCounts.size(); ++list) {
    const std::size_t rows = rowCounts[list];
    std::size_t row = 0;
    do {
      if (used + kListOverhead + 1 > linesPerPage) {
        pages.emplace_back();
        used = 0;
      }
      const std::size_t room = linesPerPage - used - kListOverhead;
      const std::size_t taken = std::min(rows - row, room);
      pages.back().push_back({list, row, taken, row > 0});
      used += kListOverhead + std::max<std::size_t>(taken, 1) + 1;
      row += taken;
      if (row < rows) used = linesPerPage;
    } while (row < rows);
  }
  return pages;
}

}  // namespace check::report
