#include "check/draw/pair_footprint.h"

#include "cad/numeric_text.h"
#include "insert/arrow_deviation.h"
#include "insert/deviation_text.h"

namespace check::draw {
namespace {

// Labels are reckoned as the Insert command reckons them: a text height per character.
Box labelBox(const cad::Point3& start, const std::string& text, double h) {
  const double width = static_cast<double>(insert::characterCount(text)) * h;
  return Box(Eigen::Vector2d(start.x(), start.y()),
             Eigen::Vector2d(start.x() + width, start.y() + h));
}

// The arrow block is 3 units long and its head half a unit either side of its shaft.
Box arrowBox(const cad::Point3& b, double along, bool alongX, double h) {
  const double reach = along < 0 ? -3 * h : 3 * h;
  if (alongX)
    return Box(Eigen::Vector2d(std::min(b.x(), b.x() + reach), b.y() - h / 2),
               Eigen::Vector2d(std::max(b.x(), b.x() + reach), b.y() + h / 2));
  return Box(Eigen::Vector2d(b.x() - h / 2, std::min(b.y(), b.y() + reach)),
             Eigen::Vector2d(b.x() + h / 2, std::max(b.y(), b.y() + reach)));
}

void addAxis(PairFootprint& footprint, insert::ArrowDirection direction, const std::string& text,
             const cad::Point3& b, double h) {
  const double value = cad::numericValue(text);
  const insert::ArrowLayout layout = insert::layoutArrow(direction, text, value, b, h);
  footprint.boxes.push_back(arrowBox(b, value, direction == insert::ArrowDirection::AlongX, h));
  footprint.boxes.push_back(labelBox(layout.textPnt, layout.labelText, h));
}

double signOf(bool drawn, const std::string& text) {
  return drawn && cad::numericValue(text) < 0 ? -1.0 : 1.0;
}

// The bubble of a grouped Z deviation: its label in the quadrant the X and Y arrows point
// into, 1.75 text heights from the insert point, in an ellipse half a height wider at each end
// and 0.75 heights high either side of the label's middle.
Box bubbleBox(const PairControls& pair, const cad::Point3& b, double h) {
  const double value = cad::numericValue(pair.values().dz);
  const std::string label = value > 0 ? "+" + pair.values().dz : pair.values().dz;
  const double length = value == 0 ? 2.0 : static_cast<double>(insert::characterCount(label));
  const double sx = signOf(pair.drawsX(), pair.values().dx);
  const double sy = signOf(pair.drawsY(), pair.values().dy);
  const double x = b.x() + 1.75 * h * sx - (sx < 0 ? length * h : 0.0);
  const double y = b.y() + 1.75 * h * sy - (sy < 0 ? h : 0.0);
  return Box(Eigen::Vector2d(x - h / 2, y - h / 4),
             Eigen::Vector2d(x + (length + 0.5) * h, y + 1.25 * h));
}

// A Z arrow stands up out of the plane; seen from above only its label's baseline is left,
// running along X from beside the insert point.
Box standingLabelBox(const PairControls& pair, const cad::Point3& b, double h) {
  const std::string& text = pair.values().dz;
  const insert::ArrowLayout layout =
      insert::layoutArrow(insert::ArrowDirection::AlongY, text, cad::numericValue(text), b, h);
  const Box baseline = labelBox(layout.textPnt, layout.labelText, h);
  return Box(Eigen::Vector2d(baseline.min().x(), b.y() - h / 2),
             Eigen::Vector2d(baseline.max().x(), b.y() + h / 2));
}

}  // namespace

PairFootprint footprintOf(const PairControls& pair, const std::string& id,
                          const cad::Point3& insertPoint, double h) {
  PairFootprint footprint;
  const cad::Point3& b = insertPoint;
  if (pair.drawsX()) addAxis(footprint, insert::ArrowDirection::AlongX, pair.values().dx, b, h);
  if (pair.drawsY()) addAxis(footprint, insert::ArrowDirection::AlongY, pair.values().dy, b, h);
  if (pair.drawsZ()) {
    footprint.boxes.push_back(pair.zAsBubble() ? bubbleBox(pair, b, h)
                                               : standingLabelBox(pair, b, h));
  }
  Box group(Eigen::Vector2d(b.x(), b.y()), Eigen::Vector2d(b.x(), b.y()));
  for (const Box& box : footprint.boxes) group.extend(box);
  footprint.idPoint = cad::Point3(group.min().x(), group.max().y() + h / 2, b.z());
  footprint.boxes.push_back(labelBox(footprint.idPoint, id, h));
  return footprint;
}

bool overlap(const Box& a, const Box& b) {
  return a.min().x() < b.max().x() && b.min().x() < a.max().x() && a.min().y() < b.max().y() &&
         b.min().y() < a.max().y();
}

}  // namespace check::draw
