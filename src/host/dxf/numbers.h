#pragma once

#include <cstdint>
#include <string_view>

namespace host::dxf {

// Number values of groups, read the same in every locale: blanks around the number are
// allowed, a leading + too; anything else, or a value that is not finite, is refused.
bool parseReal(std::string_view text, double& value);
bool parseWhole(std::string_view text, std::int64_t& value);

}  // namespace host::dxf
