#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/model/document.h"

namespace host::dxf {

// Called now and then while a file loads with the fraction read so far, 0 to 1.
using Progress = std::function<void(double)>;

// Reads a text drawing file (release 12 to 2018) into a new document. Entities and objects
// this program does not model are kept as read, for saving back. Throws DxfError naming the
// file, the line and what was expected when the file cannot be read; nothing is half-built.
// A file cut off between two records is read up to the cut (see readingWarnings).
std::unique_ptr<model::Document> readDxf(const std::filesystem::path& path,
                                         const Progress& progress = {});

// What the user is told once a drawing file has been opened, one line each ("the file ends
// early after line 120: what follows is missing"), without the file's name; empty for a file
// read as it is written, and for a drawing not read from a file.
const std::vector<std::string>& readingWarnings(const model::Document& document);

}  // namespace host::dxf
