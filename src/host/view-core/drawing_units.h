#pragma once

#include <optional>
#include <string>
#include <string_view>

// The units a drawing is in ($INSUNITS) and the form its lengths are written in ($LUNITS), by
// the codes a drawing file holds them in.
namespace host::view {

// The $INSUNITS code a word names ("m", "metres", "usft", "unitless"), in any case.
std::optional<int> unitsNamed(std::string_view word);
// "metres", "US survey feet", "unitless"; a code no program uses is told as such.
std::string unitsName(int code);
// How long one unit is in metres; none for a unitless drawing or an unknown code.
std::optional<double> metresPerUnit(int code);
// The words UNITS takes for the units, for telling the user.
std::string_view unitWords();

// The $LUNITS code a word names ("decimal", "architectural"), in any case.
std::optional<int> lengthFormatNamed(std::string_view word);
std::string lengthFormatName(int code);

}  // namespace host::view
