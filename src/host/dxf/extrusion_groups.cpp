#include "host/dxf/extrusion_groups.h"

namespace host::dxf {

void ExtrusionGroups::before(int code, DxfOutput& out) {
  if (code == 0) {
    hasX_ = hasY_ = false;
  } else if (code == 210) {
    hasX_ = true;
  } else if (code == 220 || code == 230) {
    if (!hasX_) out.real(210, 0.0);
    if (!hasY_ && code == 230) out.real(220, 0.0);
    hasX_ = true;
    hasY_ = true;
  }
}

}  // namespace host::dxf
