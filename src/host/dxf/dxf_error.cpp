#include "host/dxf/dxf_error.h"

#include <utility>

namespace host::dxf {
namespace {

std::string message(const std::filesystem::path& file, std::size_t line,
                    const std::string& reason) {
  std::string text = file.string();
  if (line > 0) text += ", line " + std::to_string(line);
  return text + ": " + reason;
}

}  // namespace

DxfError::DxfError(std::filesystem::path file, std::size_t line, std::string reason)
    : std::runtime_error(message(file, line, reason)),
      file_(std::move(file)),
      line_(line),
      reason_(std::move(reason)) {}

}  // namespace host::dxf
