#pragma once

#include <cstdint>
#include <string_view>
#include <variant>

#include <Eigen/Geometry>

#include "host/model/document.h"

namespace host::model {

// A system variable's value: a whole number, a text or a point.
using VariableValue = std::variant<std::int32_t, std::string, Eigen::Vector3d>;

// Reads a system variable by name (any case): "LUPREC", "TILEMODE", "INSUNITS", "TEXTSTYLE",
// "UCSNAME" (empty for an unnamed UCS), "UCSORG", "UCSXDIR", "UCSYDIR" (the current UCS's
// origin and unit axes in world coordinates). Throws InvalidInput for an unknown name.
VariableValue systemVariable(const Document& document, std::string_view name);

// Sets "LUPREC", "TILEMODE" or "INSUNITS" (whole numbers). Throws InvalidInput for an unknown
// or read-only name, a value of the wrong kind or out of range.
void setSystemVariable(Document& document, std::string_view name, const VariableValue& value);

}  // namespace host::model
