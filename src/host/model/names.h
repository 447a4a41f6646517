#pragma once

#include <string>
#include <string_view>

namespace host::model {

// Table names (blocks, layers, text styles, UCSs) match without regard to ASCII case.
bool sameName(std::string_view a, std::string_view b);

// The name in one case, for looking names up by hash: sameName(a, b) exactly when
// foldedName(a) == foldedName(b).
std::string foldedName(std::string_view name);

}  // namespace host::model
