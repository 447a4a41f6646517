#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/geom/frame.h"
#include "survey/length_unit.h"

namespace check {

// The UCS of a drawing that deviations are measured along, and the drawing's precision.
struct DrawingFrame {
  host::geom::Frame frame;
  int precision = 0;        // $LUPREC: decimals of lengths
  std::string description;  // "UCS 'SITE' of site.dxf"
  // What the user is told about the drawing as read (see host::dxf::readingWarnings).
  std::vector<std::string> warnings;
  // $INSUNITS where it names a length a survey comes in (metres, feet, US survey feet).
  std::optional<survey::LengthUnit> unit;
};

// The drawing's current UCS, or the named one. Throws std::runtime_error naming the file when
// the drawing cannot be read, and the name when the drawing has no such UCS.
DrawingFrame drawingFrame(const std::filesystem::path& drawing,
                          const std::optional<std::string>& ucsName);

}  // namespace check
