#include "survey/polyline_plan.h"

#include <cmath>

namespace survey {

std::vector<PlanElement> planOfPolyline(const std::vector<BulgedVertex>& vertices, bool closed) {
  std::vector<PlanElement> elements;
  const std::size_t count = vertices.size();
  if (count < 2) return elements;
  const std::size_t segments = closed ? count : count - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    const Eigen::Vector2d a = vertices[i].point;
    const Eigen::Vector2d b = vertices[(i + 1) % count].point;
    const Eigen::Vector2d chord = b - a;
    if (chord.norm() == 0.0) continue;
    const double bulge = vertices[i].bulge;
    // A bulge this small rises less than a nanometre over a chord of kilometres; taken as an
    // arc its centre would lie out of reach of doubles.
    if (std::abs(bulge) < 1e-12) {
      elements.push_back(PlanElement::line(a, b));
      continue;
    }
    // The centre lies square to the chord's middle, |chord|(1 - b²)/4b to its left.
    const Eigen::Vector2d left(-chord.y(), chord.x());
    const Eigen::Vector2d center = (a + b) / 2.0 + left * (1.0 - bulge * bulge) / (4.0 * bulge);
    elements.push_back(PlanElement::arc(a, center, b, bulge < 0.0));
  }
  return elements;
}

}  // namespace survey
