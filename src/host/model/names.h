#pragma once

#include <string_view>

namespace host::model {

// Table names (blocks, layers, text styles, UCSs) match without regard to ASCII case.
bool sameName(std::string_view a, std::string_view b);

}  // namespace host::model
