#include "check/report/pagination.h"

#include <gtest/gtest.h>

#include <string>

namespace check::report {
namespace {

// Pages as "list:first+count", a 'c' for a continued list, pages apart by " / ".
std::string layoutOf(const std::vector<ListPage>& pages) {
  std::string text;
  for (const ListPage& page : pages) {
    if (!text.empty()) text += " / ";
    for (std::size_t k = 0; k < page.size(); ++k) {
      const ListSlice& s = page[k];
      text += (k > 0 ? " " : "") + std::to_string(s.list) + ":" + std::to_string(s.firstRow) + "+" +
              std::to_string(s.rowCount) + (s.continued ? "c" : "");
    }
  }
  return text;
}

TEST(Pagination, ListsFlowOverPagesAndGoOnUnderTheirTitles) {
  const struct {
    std::vector<std::size_t> rows;
    std::size_t linesPerPage;
    std::string layout;
  } cases[] = {
      {{}, 50, ""},
      {{0, 0, 0}, 50, "0:0+0 1:0+0 2:0+0"},
      {{3, 2}, 10, "0:0+3 1:0+2"},   // 6 lines, then 4
      {{3, 2}, 8, "0:0+3 / 1:0+2"},  // no room for the second list's first row
      {{10}, 5, "0:0+3 / 0:3+3c / 0:6+3c / 0:9+1c"},
      {{6}, 8, "0:0+6"},  // exactly full, the blank line after it past the end
      {{6, 1}, 8, "0:0+6 / 1:0+1"},
      {{100, 0, 2}, 50, "0:0+48 / 0:48+48c / 0:96+4c 1:0+0 2:0+2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(layoutOf(paginateLists(c.rows, c.linesPerPage)), c.layout)
        << testing::PrintToString(c.rows) << " on pages of " << c.linesPerPage;
  }
}

}  // namespace
}  // namespace check::report
