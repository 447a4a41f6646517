#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "host/model/entities.h"

namespace host::dxf {

// How one group of an entity kept as read goes back into a file. Handles do not survive a save
// (the writer numbers everything afresh), so a handle reference can only be written back when
// it is null, or when it names something the writer can find again.
enum class KeptGroup {
  kAsRead,
  // A paper-space viewport's frozen layers (331, 341): the reader keeps the layer's name, and
  // the writer puts in that layer's new handle.
  kLayerByName,
  // A viewport's links to its named UCS and to display objects a release 2000 file does not
  // hold (background, shade plot, visual style, sun): left out. The viewport keeps its own
  // UCS values and shows with default settings.
  kLeftOut,
  // Any other handle reference: the entity cannot be written back.
  kUnresolvable,
};
KeptGroup keptGroup(std::string_view type, int code, std::string_view value);

// Whether a group of a record refers to another record by its handle (pointers and owners of
// codes 320 to 369, 390 to 399, 480 and 481).
bool isHandleReference(int code);

// Whether a release 2000 file holds entities of the type without a class definition.
bool isBuiltInEntity(std::string_view type);

// Whether an entity kept as read can be written back: every group of it can (see keptGroup),
// and it is of a kind a release 2000 file holds without a class definition.
bool canWriteBack(const model::UnsupportedEntity& entity);

// How many records the entity spans (a polyline's vertices, an insert's attributes).
std::size_t recordCount(const model::UnsupportedEntity& entity);

// Whether a record of `type` with the groups from `first` to `last` is read with the records
// after it up to SEQEND: a polyline, or an insert flagged as having attributes.
bool opensSequence(std::string_view type, model::RawGroups::Iterator first,
                   model::RawGroups::Iterator last);

// Whether the writer ends the entity with a SEQEND record it lacks: a polyline, or an insert
// with attributes, is read with the records after it up to SEQEND, so without one it would
// take in whatever follows it in the saved file.
bool closesWithSeqend(const model::UnsupportedEntity& entity);

// Adds the application names the entity's extended data uses (group 1001) to `names`, unless
// `known` (folded names, see model::foldedName) holds them already.
void collectApplications(const model::UnsupportedEntity& entity, std::vector<std::string>& names,
                         std::unordered_set<std::string>& known);

}  // namespace host::dxf
