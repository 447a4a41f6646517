#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace survey {

// A point file that cannot be read: which file, which line (0 for the file as a whole) and why.
// what() is the message for the user, "survey.csv:17: 'abc' in column N is not a number".
class PointFileError : public std::runtime_error {
 public:
  PointFileError(const std::string& file, std::size_t line, const std::string& reason);

  std::size_t line() const { return line_; }

 private:
  std::size_t line_;
};

// "file:line: reason", or "file: reason" for line 0.
std::string located(const std::string& file, std::size_t line, const std::string& reason);

}  // namespace survey
