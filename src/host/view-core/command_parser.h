#pragma once

#include <string_view>
#include <variant>

#include "host/view-core/command.h"
#include "host/view-core/point_entry.h"

namespace host::view {

// Reads one line typed at the command line. Command words are case-insensitive; points are
// written as at a point prompt. A malformed or unknown command gives one line saying why.
std::variant<Command, EntryError> parseCommand(std::string_view line);

}  // namespace host::view
