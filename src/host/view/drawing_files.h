#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/model/document.h"

namespace host::view {

// Reads a drawing file into a new document, with the file's path set and nothing modified.
// Throws std::runtime_error saying what went wrong, where and why.
std::shared_ptr<model::Document> readDrawingFile(const std::filesystem::path& path);

// Writes a document to a file; the old file stays as it was if that fails. Returns what the
// file could not hold, one line per kind, for telling the user. Throws std::runtime_error
// saying what went wrong and why.
std::vector<std::string> writeDrawingFile(const model::Document& document,
                                          const std::filesystem::path& path);

}  // namespace host::view
