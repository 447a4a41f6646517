#pragma once

#include <string>
#include <string_view>

#include "survey/point_file.h"

namespace survey {

// The points of a delimited text file: comma, semicolon, tab or runs of blanks between the
// fields; a header row naming the columns or the order in `options`; blank lines and comment
// lines (# or //) left out; UTF-8 with or without a byte-order mark; LF or CRLF line ends.
PointFile readDelimited(std::string_view text, const std::string& name, const ReadOptions& options);

}  // namespace survey
