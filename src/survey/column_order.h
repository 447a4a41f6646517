#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Which column of a delimited point file holds what: named by the user as letters ("PENZD") or
// by the file's header row.
namespace survey {

enum class Field { Id, East, North, Height, Description, Ignored };

struct Column {
  Field field = Field::Ignored;
  // How messages name the column: the letter the user gave or the header's own name.
  std::string label;
};

using ColumnOrder = std::vector<Column>;

// Letters P (point id), E or X (easting), N or Y (northing), Z (height), D (description), in
// any order and case, each at most once, E and N required. Throws std::invalid_argument
// saying what is wrong.
ColumnOrder parseColumnOrder(std::string_view letters);

// The columns a header row names (point/name/id, e/east/easting/x, n/north/northing/y,
// z/elev/elevation/h/height, code/desc/description, any case; other names are ignored
// columns). None when the row does not name both an easting and a northing column: it is
// then a row of data.
std::optional<ColumnOrder> headerColumns(const std::vector<std::string_view>& fields);

}  // namespace survey
