#include "check/text_table.h"

#include <algorithm>

namespace check {
namespace {

// Characters as the terminal shows them: UTF-8 continuation bytes take no room ("±").
std::size_t displayWidth(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace

void TextTable::write(std::ostream& out) const {
  std::vector<std::size_t> widths;
  for (const auto& row : rows_) {
    widths.resize(std::max(widths.size(), row.size()), 0);
    for (std::size_t k = 0; k < row.size(); ++k) {
      widths[k] = std::max(widths[k], displayWidth(row[k]));
    }
  }
  for (const auto& row : rows_) {
    std::string line;
    for (std::size_t k = 0; k < row.size(); ++k) {
      const std::string padding(widths[k] - displayWidth(row[k]), ' ');
      if (k > 0) line += "  ";
      line += k == 0 ? row[k] + padding : padding + row[k];
    }
    out << line.substr(0, line.find_last_not_of(' ') + 1) << '\n';
  }
}

}  // namespace check
