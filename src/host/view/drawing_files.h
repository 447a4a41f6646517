#pragma once

#include <filesystem>
#include <memory>

#include "host/model/document.h"

namespace host::view {

// Reads a drawing file into a new document, with the file's path set and nothing modified.
// Throws std::runtime_error saying what went wrong, where and why.
std::shared_ptr<model::Document> readDrawingFile(const std::filesystem::path& path);

// Writes a document to a file. Throws std::runtime_error saying what went wrong and why.
void writeDrawingFile(const model::Document& document, const std::filesystem::path& path);

}  // namespace host::view
