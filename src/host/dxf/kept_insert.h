#pragma once

#include <optional>
#include <vector>

#include "host/model/block_expansion.h"
#include "host/model/document.h"

namespace host::dxf {

// What an insert the document keeps as read inserts (an array of copies, one flattened by a
// zero scale, one with attributes): the block and where each copy goes; and the block that
// draws a dimension. Nothing when it names no block, or asks for more copies than the window
// draws.
std::optional<model::Insertion> keptInsertion(const model::Document& document,
                                              const model::UnsupportedEntity& insert);

// Where the records of the attributes that follow an insert begin in its groups.
std::vector<std::size_t> attributeRecords(const model::RawGroups& groups);

}  // namespace host::dxf
