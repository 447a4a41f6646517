#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "host/model/document.h"

namespace host::dxf::testing {

// A drawing with everything the program puts into one: the text style "mono25" on
// "monotxt.shx" (active), the "ArrowX1" block of one 15-vertex 3D polyline, the UCS
// "OriginalUCS" (current), arrow inserts turned and tilted into that UCS, labels, bubble
// ellipses (full and partial), leader lines, points, settings in the header, and a few
// entities other programs write (circle, arc, 2D polylines, multi-line text).
std::unique_ptr<model::Document> hostDrawing();

// The frame of "OriginalUCS": turned about a slanted axis, away from the origin.
geom::Frame originalUcsFrame();

// A fresh empty directory for one test's files.
std::filesystem::path scratchDirectory(const std::string& name);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& content);

}  // namespace host::dxf::testing
