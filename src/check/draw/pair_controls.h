#pragma once

#include <string>

#include "check/draw_settings.h"
#include "insert/dialog.h"

namespace check::draw {

// One pair's deviations as the Insert command's pieces read them from the main dialog: typed
// into the deviation fields, grouped at one point, the chosen axes ticked and Z drawn as the
// user chose. The dialog's own controls never change.
class PairControls : public insert::DialogControls {
 public:
  struct Values {
    std::string dx;
    std::string dy;
    std::string dz;  // empty: the pair has no height deviation and Z is not drawn
  };

  PairControls(const DrawSettings& settings, Values values);

  std::string Text(std::string_view control) const override;
  int CheckValue(std::string_view control) const override;
  bool OptionValue(std::string_view control) const override;
  void Hide() override {}
  void Show() override {}

  bool drawsX() const { return settings_.axisX; }
  bool drawsY() const { return settings_.axisY; }
  bool drawsZ() const { return settings_.axisZ && !values_.dz.empty(); }
  bool zAsBubble() const { return settings_.z == ZStyle::Bubble; }
  const Values& values() const { return values_; }

 private:
  DrawSettings settings_;
  Values values_;
};

}  // namespace check::draw
