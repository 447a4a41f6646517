#include "survey/tin_surface.h"

namespace survey {

std::string TinSurface::faceName(std::size_t face) const {
  std::string text = "face " + std::to_string(face + 1);
  if (face < faceLines.size() && faceLines[face] > 0) {
    text += " (line " + std::to_string(faceLines[face]) + ")";
  }
  return text;
}

}  // namespace survey
