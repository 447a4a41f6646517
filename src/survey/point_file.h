#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "survey/column_order.h"
#include "survey/point.h"

// Reading a point file: delimited text (.csv, .txt, .pnt), Leica GSI or LandXML CgPoints.
namespace survey {

// What a point file may hold at most: a check is hundreds or thousands of stakes; these keep a
// hostile file from exhausting memory.
inline constexpr std::size_t kMaxFileBytes = 128u << 20;
inline constexpr std::size_t kMaxPoints = 2'000'000;

struct ReadOptions {
  // The column order of delimited files without a header row.
  ColumnOrder columns = parseColumnOrder("PENZD");
  // The columns were named by the user: they hold even where the file has a header row, which
  // is then passed over.
  bool columnsGiven = false;
  // A comma as decimal separator (semicolon-, tab- or blank-delimited files).
  bool decimalComma = false;
  // Bad lines are listed in PointFile::skipped instead of stopping the reading.
  bool skipBadLines = false;
};

// Reads the file at `path`. Throws PointFileError naming the file (and the line) when it cannot
// be opened, is too large or holds bad input.
PointFile readPointFile(const std::filesystem::path& path, const ReadOptions& options);

// Reads the points of a file's whole content, named `name` in messages: LandXML when the
// content starts with '<' (after a byte-order mark and blanks), GSI when it starts with a GSI
// point-id word, else delimited text in UTF-8, UTF-16 (with a byte-order mark) or
// Windows-1252. A DWG drawing is refused as such.
PointFile parsePoints(std::string_view content, const std::string& name,
                      const ReadOptions& options);

}  // namespace survey
