#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace host::dxf {

// A drawing file that cannot be read or written: which file, which line (0 when the fault
// is not at a line, such as a failed write) and why. what() is the full message for the user.
class DxfError : public std::runtime_error {
 public:
  DxfError(std::filesystem::path file, std::size_t line, std::string reason);

  const std::filesystem::path& file() const { return file_; }
  std::size_t line() const { return line_; }
  const std::string& reason() const { return reason_; }

 private:
  std::filesystem::path file_;
  std::size_t line_;
  std::string reason_;
};

}  // namespace host::dxf
