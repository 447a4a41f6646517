#pragma once

#include <string>

#include "cad/automation.h"

namespace insert {

// The coordinate system that places every entity of a run of the Insert command.
struct UcsFrame {
  cad::Ref<cad::UCS> ucsObj;
  std::string ucsName;
  cad::Matrix4 ucsMatrix = cad::Matrix4::Identity();
};

// The UCS whose matrix places a run's entities: the current UCS when it has a name; otherwise
// a copy of the current UCS saved as "OriginalUCS", which stays in the drawing and is not made
// active.
UcsFrame establishFrame(cad::Document& doc);

}  // namespace insert
