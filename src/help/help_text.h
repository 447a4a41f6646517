#pragma once

#include <string>

namespace help {

// The help notes shown on F1: 35 lines, each ended by CR LF, so the text starts with a line break
// (line 1 is empty) and ends with two in a row (line 35 is empty). Long lines carry no breaks of
// their own; the notes window wraps them for display.
std::string helpText();

}  // namespace help
