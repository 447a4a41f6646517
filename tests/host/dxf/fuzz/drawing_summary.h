#pragma once

#include <string>
#include <vector>

#include "host/model/document.h"

namespace fuzz {

// What a drawing means to a user, one line per item, for telling whether a save and a reading
// kept it: the names in its tables, and every block's entities by kind with their texts and
// the blocks they insert.
std::vector<std::string> summaryOf(const host::model::Document& document);

// The same, leaving out the entities kept as read that a save cannot write back (the writer
// drops those and lists them as content not saved).
std::vector<std::string> savableSummaryOf(const host::model::Document& document);

}  // namespace fuzz
