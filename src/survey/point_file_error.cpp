#include "survey/point_file_error.h"

namespace survey {

std::string located(const std::string& file, std::size_t line, const std::string& reason) {
  if (line == 0) return file + ": " + reason;
  return file + ":" + std::to_string(line) + ": " + reason;
}

PointFileError::PointFileError(const std::string& file, std::size_t line, const std::string& reason)
    : std::runtime_error(located(file, line, reason)), line_(line) {}

}  // namespace survey
