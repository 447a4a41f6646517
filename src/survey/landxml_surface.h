#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "survey/tin_surface.h"

namespace survey {

// The TIN surface of a LandXML file (<Surface name="..."><Definition surfType="TIN"> with its
// Pnts and Faces; faces marked invisible are left out): the one named `surfaceName`, or the only
// one. Throws PointFileError naming the file and the line: no TIN surface, several without a
// name chosen (naming them), a surface without faces, a face naming a point the surface lacks,
// a coordinate that is not a finite number, bad breaklines or boundaries (landxml_surface_lines.h).
// Its breaklines and boundaries are kept; faces wholly outside the boundaries are left out, and
// those a boundary crosses kept whole.
TinSurface readLandXmlSurface(const std::filesystem::path& path,
                              const std::optional<std::string>& surfaceName);
TinSurface parseLandXmlSurface(std::string_view text, const std::string& fileName,
                               const std::optional<std::string>& surfaceName);

// Whether `text` looks like XML rather than a point list or a drawing.
bool looksLikeXml(std::string_view text);

}  // namespace survey
