#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "insert/dialog.h"

namespace insert {

enum class Axis { X, Y, Z };

// The text an axis is drawn from: its deviation field, or its average field when the
// Average box is ticked.
std::string readDeviationText(const DialogControls& form, Axis axis);

// Label layout reckons in characters, each one text height wide. Texts are UTF-8; a character
// is a code point, however many bytes it takes.
std::size_t characterCount(std::string_view text);
std::string withoutFirstCharacter(std::string_view text);

}  // namespace insert
