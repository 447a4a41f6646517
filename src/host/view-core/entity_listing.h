#pragma once

#include <string>
#include <vector>

#include "host/model/document.h"

namespace host::view {

// What LIST tells of an entity of model space, as lines for the command line: its kind and
// handle, its layer, colour, line type and lineweight, and its geometry in world coordinates
// with `decimals` decimals (lengths, radii, areas and angles where the kind has them).
std::vector<std::string> listEntity(const model::Document& document, const model::Entity& entity,
                                    int decimals);

}  // namespace host::view
