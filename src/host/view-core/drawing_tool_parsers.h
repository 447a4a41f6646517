#pragma once

#include <string_view>
#include <variant>

#include "host/view-core/command.h"
#include "host/view-core/point_entry.h"

// The parsers of the commands that look into a drawing, erase from it and print it: what
// follows the command word, trimmed.
namespace host::view {

std::variant<Command, EntryError> identify(std::string_view rest);
std::variant<Command, EntryError> measure(std::string_view rest);
// STATION [start chainage], as 1000 or 1+000.
std::variant<Command, EntryError> station(std::string_view rest);
// UNITS [units] [format] [decimals], in any order: "UNITS M 3".
std::variant<Command, EntryError> units(std::string_view rest);
// PLOT [EXTENTS|VIEW] [A0..A4] [LANDSCAPE|PORTRAIT] [FIT|1:N] file.pdf, in any order; a path
// with blanks is quoted.
std::variant<Command, EntryError> plot(std::string_view rest);

}  // namespace host::view
