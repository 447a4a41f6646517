#pragma once

#include <filesystem>
#include <functional>
#include <ostream>

namespace check {

// Saves what `write` puts out to `path` whole or not at all: into a file beside it that then
// replaces it, so that a report that fails half-way never leaves a partial file behind. Throws
// std::runtime_error naming the file when it cannot be written.
void saveWholeFile(const std::filesystem::path& path,
                   const std::function<void(std::ostream&)>& write);

}  // namespace check
