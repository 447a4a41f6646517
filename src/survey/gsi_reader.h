#pragma once

#include <string>
#include <string_view>

#include "survey/point_file.h"

// Leica GSI files as total stations and levels export them: a block per line of words, each a
// two-digit word index, four information characters, a sign and 8 (GSI-8) or 16 (GSI-16,
// lines starting with '*') data characters.
namespace survey {

// Whether `text` looks like GSI: its first non-blank line starts with a point-id word.
bool looksLikeGsi(std::string_view text);

// The points of the blocks that hold coordinates: word 11 the point id, 81, 82 and 83 easting,
// northing and height, 71 the code. Coordinates are scaled by each word's unit digit (mm,
// 1/10 mm, 1/100 mm, or 1/1000 and 1/10000 ft, converted to metres). Blocks of observations
// without coordinates are passed over. Throws PointFileError naming the line of a malformed
// word, and the file when no block holds coordinates.
PointFile readGsi(std::string_view text, const std::string& name, const ReadOptions& options);

}  // namespace survey
