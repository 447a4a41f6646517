#pragma once

#include <optional>
#include <string>

#include "survey/horizontal_alignment.h"
#include "survey/profile.h"

namespace survey {

// A road's, a rail's or a wall's line as its designer gives it: in plan, and in levels where
// the design has a profile.
struct Alignment {
  std::string name;
  HorizontalAlignment plan;
  std::optional<Profile> profile;
};

}  // namespace survey
