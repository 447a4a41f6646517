#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "host/model/document.h"

namespace host::dxf {

// Called now and then while a file loads with the fraction read so far, 0 to 1.
using Progress = std::function<void(double)>;

// Reads a text drawing file (release 12 to 2018) into a new document. Entities and objects
// this program does not model are kept as read, for saving back. Throws DxfError naming the
// file, the line and what was expected when the file cannot be read; nothing is half-built.
std::unique_ptr<model::Document> readDxf(const std::filesystem::path& path,
                                         const Progress& progress = {});

}  // namespace host::dxf
