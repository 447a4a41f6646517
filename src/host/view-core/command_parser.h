#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "host/view-core/command.h"
#include "host/view-core/point_entry.h"

namespace host::view {

// The name of the drawing file release a word names ("r2013" gives "R2013"); nothing when it
// names none a drawing file is written in.
using ReleaseNamed = std::function<std::optional<std::string>(std::string_view word)>;

// Reads one line typed at the command line. Command words are case-insensitive; points are
// written as at a point prompt; `releaseNamed` tells a SAVEAS's release from its file's name.
// A malformed or unknown command gives one line saying why.
std::variant<Command, EntryError> parseCommand(std::string_view line,
                                               const ReleaseNamed& releaseNamed);

}  // namespace host::view
