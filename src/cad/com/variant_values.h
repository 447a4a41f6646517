#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cad/automation.h"
#include "cad/com/variant.h"

// The values that cross the automation interface, in the forms the CAD program takes and
// gives them: points and vertex lists as arrays of doubles, the matrix as a 4x4 array indexed
// row first, texts as BSTR.
namespace cad::com {

Variant textValue(std::string_view text);
Variant doubleValue(double value);
Variant int32Value(std::int32_t value);
Variant int16Value(std::int16_t value);
Variant boolValue(bool value);
Variant pointValue(const Point3& point);
Variant doublesValue(const std::vector<double>& values);
Variant matrixValue(const Matrix4& matrix);
// An optional argument left out.
Variant missingValue();
// An object argument; the variant holds its own reference.
Variant objectValue(IDispatch* object);

// Results. A value that is not of the expected kind fails with 13 "Type mismatch".
std::string toText(const Variant& value);
bool toBool(const Variant& value);
// Any whole number that fits 32 bits (an enumeration's value among them).
std::int32_t toInt32(const Variant& value);
Point3 toPoint(const Variant& value);
Matrix4 toMatrix(const Variant& value);
// A system variable: whole numbers, texts and points; anything else is a type mismatch.
Variable toVariable(const Variant& value);

}  // namespace cad::com
