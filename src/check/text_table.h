#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace check {

// A table for the terminal: the first column left-aligned, the others right-aligned, each as
// wide as its widest cell.
class TextTable {
 public:
  void addRow(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
  void write(std::ostream& out) const;

 private:
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace check
