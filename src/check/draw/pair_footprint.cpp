#include "check/draw/pair_footprint.h"

#include "insert/arrow_deviation.h"
#include "insert/deviation_text.h"
#include "insert/z_deviation.h"

namespace check::draw {
namespace {

// Labels are reckoned as drawVectors reckons them: a text height per character.
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

void addAxis(PairFootprint& footprint, insert::ArrowDirection direction,
             const insert::Deviation& deviation, const cad::Point3& b, double h) {
  const insert::ArrowLayout layout =
      insert::layoutArrow(direction, deviation.text, deviation.value, b, h);
  footprint.boxes.push_back(
      arrowBox(b, deviation.value, direction == insert::ArrowDirection::AlongX, h));
  footprint.boxes.push_back(labelBox(layout.textPnt, layout.labelText, h));
}

// The bubble of a grouped Z deviation: its label where drawVectors puts it, in an ellipse half
// a height wider at each end and 0.75 heights high either side of the label's middle.
Box bubbleBox(const insert::VectorSpec& pair, const cad::Point3& b, double h) {
  const insert::BubbleLabel label = insert::bubbleLabel(*pair.z);
  const cad::Point3 start = insert::clearOfArrows(pair, b, label);
  const double length = static_cast<double>(label.length);
  return Box(Eigen::Vector2d(start.x() - h / 2, start.y() - h / 4),
             Eigen::Vector2d(start.x() + (length + 0.5) * h, start.y() + 1.25 * h));
}

// A Z arrow stands up out of the plane; seen from above only its label's baseline is left,
// running along X from beside the insert point.
Box standingLabelBox(const insert::Deviation& z, const cad::Point3& b, double h) {
  const insert::ArrowLayout layout =
      insert::layoutArrow(insert::ArrowDirection::AlongY, z.text, z.value, b, h);
  const Box baseline = labelBox(layout.textPnt, layout.labelText, h);
  return Box(Eigen::Vector2d(baseline.min().x(), b.y() - h / 2),
             Eigen::Vector2d(baseline.max().x(), b.y() + h / 2));
}

}  // namespace

PairFootprint footprintOf(const insert::VectorSpec& pair, const std::string& id,
                          const cad::Point3& insertPoint, double h) {
  PairFootprint footprint;
  const cad::Point3& b = insertPoint;
  if (pair.x) addAxis(footprint, insert::ArrowDirection::AlongX, *pair.x, b, h);
  if (pair.y) addAxis(footprint, insert::ArrowDirection::AlongY, *pair.y, b, h);
  if (pair.z) {
    footprint.boxes.push_back(pair.zStyle == insert::ZStyle::Bubble
                                  ? bubbleBox(pair, b, h)
                                  : standingLabelBox(*pair.z, b, h));
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
