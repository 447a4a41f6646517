#pragma once

#include <filesystem>

namespace host::view {

// `path` with ".dxf" added unless it ends in it (in any case), as a file name typed without
// one is meant: "site" and "site.v2" become "site.dxf" and "site.v2.dxf".
std::filesystem::path withDrawingExtension(const std::filesystem::path& path);

// Whether two paths name the same file (through links and relative parts), also when neither
// exists yet.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace host::view
