#pragma once

#include <cstddef>

namespace check {

// How a check's pairs are drawn into the drawing, with the Insert command's rules, as the check
// window's user chose it.
enum class ZStyle { Bubble, Vector };

struct DrawSettings {
  std::size_t ucs = 0;  // which of the UCS choices the window was given
  double textHeight = 1.0;
  bool axisX = true;
  bool axisY = true;
  bool axisZ = true;
  ZStyle z = ZStyle::Bubble;
  // What earlier checks drew into the drawing stays, instead of giving way to this check's.
  bool keepEarlier = false;
};

}  // namespace check
