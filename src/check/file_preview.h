#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "survey/column_order.h"

namespace check {

// The start of a point file as a user looks at it before a check: its first lines, and what
// the reader will take its columns from.
struct FilePreview {
  std::vector<std::string> lines;  // without line ends, long ones cut short
  bool landXml = false;
  // The columns a header row names; none when the first line is data (or the file is LandXML).
  std::optional<survey::ColumnOrder> header;
  // Why nothing can be shown ("cannot be opened"); empty when the file was read.
  std::string problem;
};

// Looks at the first `lineCount` lines of the file. Only the first 64 KiB are read.
FilePreview previewPointFile(const std::filesystem::path& path, bool decimalComma,
                             std::size_t lineCount);

}  // namespace check
