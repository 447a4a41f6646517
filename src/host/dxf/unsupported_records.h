#pragma once

#include <string>
#include <vector>

#include "host/model/entities.h"

namespace host::dxf {

// Whether an entity kept as read can be written back as it stands: it must not point at other
// objects by handle (those handles do not survive: the writer numbers everything afresh) and
// must be of a kind a release 2000 file holds without a class definition.
bool canWriteBack(const model::UnsupportedEntity& entity);

// How many records the entity spans (a polyline's vertices, an insert's attributes).
std::size_t recordCount(const model::UnsupportedEntity& entity);

// The application names its extended data uses (group 1001).
void collectApplications(const model::UnsupportedEntity& entity, std::vector<std::string>& names);

}  // namespace host::dxf
