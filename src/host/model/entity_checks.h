#pragma once

#include "host/model/block_table.h"
#include "host/model/entities.h"
#include "host/model/text_style_table.h"

namespace host::model {

// Refuses entity data a drawing must not hold, with InvalidInput: non-finite values, a text
// height of 0 or less, a zero scale or singular placement, a degenerate ellipse, a radius of 0
// or less, a zero extrusion, a block or style index that does not exist, an insert of a space.
void checkEntityData(const EntityData& data, const BlockTable& blocks,
                     const TextStyleTable& styles);

}  // namespace host::model
