#include "host/view-core/file_names.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace host::view {

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  // One or both do not exist (or cannot be examined): compare where they would be.
  const auto whereA = std::filesystem::weakly_canonical(a, error);
  if (error) return false;
  const auto whereB = std::filesystem::weakly_canonical(b, error);
  return !error && whereA == whereB;
}

std::filesystem::path withDrawingExtension(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::ranges::transform(extension, extension.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".dxf" || path.filename().empty()) return path;
  std::filesystem::path named = path;
  named += ".dxf";
  return named;
}

}  // namespace host::view
