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
  // The header names it latitude (a northing) or longitude (an easting) in degrees.
  bool geographic = false;
};

using ColumnOrder = std::vector<Column>;

// Letters P (point id), E or X (easting), N or Y (northing), Z (height), D (description), in
// any order and case, each at most once, E and N required. Throws std::invalid_argument
// saying what is wrong.
ColumnOrder parseColumnOrder(std::string_view letters);

// The columns a header row names: the common names of the id, easting, northing, height and
// code columns in English, German, French, Spanish and Dutch ("Point ID", "PktNr", "Ost",
// "Rechtswert", "Hoehe", "Code"...), case, blanks, dots and a unit in brackets ignored; X and Y
// are easting and northing; latitude and longitude (Lat, Lon, Long, Breite, Länge...) are
// northing and easting marked geographic; other names are ignored columns. None when the row does
// not name both an easting and a northing column: it is then a row of data.
std::optional<ColumnOrder> headerColumns(const std::vector<std::string_view>& fields);

// How a summary shows the columns a header named: "PktNr → id, Ost → E, Nord → N".
std::string describedColumns(const ColumnOrder& columns);

}  // namespace survey
