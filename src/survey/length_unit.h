#pragma once

#include <optional>
#include <string>
#include <string_view>

// The length units survey files come in: metres, international feet and US survey feet.
namespace survey {

enum class LengthUnit { Metre, Foot, UsSurveyFoot };

// "m", "ft" or "usft" (any case). Throws std::invalid_argument naming the choices.
LengthUnit parseLengthUnit(std::string_view text);

// How long one unit is: 1, 0.3048 and 1200/3937 metres.
double metresPer(LengthUnit unit);

// "m", "ft", "usft", as the command line names them.
std::string nameOf(LengthUnit unit);

// The factor that takes coordinates in `from` to `to`.
double conversionFactor(LengthUnit from, LengthUnit to);

}  // namespace survey
