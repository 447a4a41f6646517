#pragma once

#include "host/dxf/fields.h"
#include "host/model/entities.h"

// Whether writing a decoded insert or text gives back the values of its record bit for bit:
// its placement turns back into the very insertion point, scale, rotation and normal (a text
// also its height, width factor, slant, string and style name). Then the document models the
// whole of it, and its record need not be kept.
namespace host::dxf {

bool insertComesBack(const Fields& f, const model::BlockReference& insert);
bool textComesBack(const ReaderContext& context, const Fields& f, const model::Text& text);

}  // namespace host::dxf
