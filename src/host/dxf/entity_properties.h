#pragma once

#include "host/dxf/record.h"
#include "host/model/entity_properties.h"

namespace host::dxf {

// The properties of an entity's record (colour, true colour, transparency, line type and its
// scale, lineweight, visibility, thickness). A value that is not a number leaves its property as it
// is by default and `readable` false, so that the entity's record keeps the value as read.
model::EntityProperties decodeProperties(const Record& record, bool& readable);

// Whether the document models every group of a single-record entity: its handle, owner, space,
// layer and properties, and the data of a kind whose values come back as read (inserts and texts
// when their placements do, which the caller checks).
bool isModelledWhole(const Record& record);

}  // namespace host::dxf
