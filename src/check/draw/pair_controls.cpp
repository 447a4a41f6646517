#include "check/draw/pair_controls.h"

#include <utility>

#include "insert/control_ids.h"

namespace check::draw {

using insert::ControlId;

PairControls::PairControls(const DrawSettings& settings, Values values)
    : settings_(settings), values_(std::move(values)) {}

std::string PairControls::Text(std::string_view control) const {
  switch (insert::controlNamed(control)) {
    case ControlId::txtXerr:
      return values_.dx;
    case ControlId::txtYerr:
      return values_.dy;
    case ControlId::txtZerr:
      return values_.dz;
    default:
      return {};
  }
}

int PairControls::CheckValue(std::string_view control) const {
  switch (insert::controlNamed(control)) {
    case ControlId::chkXdev:
      return drawsX() ? 1 : 0;
    case ControlId::chkYdev:
      return drawsY() ? 1 : 0;
    case ControlId::chkZdev:
      return drawsZ() ? 1 : 0;
    default:
      return 0;  // the Average box among them: the deviation fields are read
  }
}

bool PairControls::OptionValue(std::string_view control) const {
  switch (insert::controlNamed(control)) {
    case ControlId::optInGrouped:
      return true;
    case ControlId::optZBubble:
      return zAsBubble();
    case ControlId::optZVector:
      return !zAsBubble();
    default:
      return false;
  }
}

}  // namespace check::draw
