#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "survey/alignment.h"

// Alignments of LandXML files: CoordGeom lines, curves and clothoid spirals from staStart, and
// the design profile (ProfAlign: PVIs, parabolic and circular vertical curves).
namespace survey {

// The alignment called `name` in the LandXML text, or its only one without a name. Throws
// PointFileError naming `fileName`, the line of the element at fault and what is wrong.
Alignment parseLandXmlAlignment(std::string_view text, const std::string& fileName,
                                const std::optional<std::string>& name);

// The same, read from the file at `path`.
Alignment readLandXmlAlignment(const std::filesystem::path& path,
                               const std::optional<std::string>& name);

// Whether `content` starts as an XML file does (after a byte-order mark and blanks).
bool looksLikeXmlText(std::string_view content);

}  // namespace survey
