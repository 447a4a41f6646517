#include <string>

#include "cad/arithmetic.h"
#include "insert/deviation_text.h"
#include "insert/z_deviation.h"

namespace insert {
namespace {

double signOf(const std::optional<Deviation>& deviation) {
  return deviation && deviation->value < 0 ? -1.0 : 1.0;
}

// The ellipse around a label reckoned labelLen text heights wide and one high, from its
// lower left corner: half a text height of margin at each end, a minor radius of 0.75 heights.
void addEllipse(const VectorCanvas& canvas, const cad::Point3& b, std::size_t labelLen) {
  const double h = canvas.textHeight;
  const double halfWidth = cad::checked(static_cast<double>(labelLen) / 2 * h);
  const cad::Point3 bubbleCentre = checkedPoint(b.x() + halfWidth, b.y() + 0.5 * h, b.z());
  const cad::Point3 bubbleAxis = checkedPoint(halfWidth + h / 2, 0.0, 0.0);
  const double bubbleRatio = cad::checkedDivide(0.75 * h, bubbleAxis.x());
  place(canvas, *canvas.space.AddEllipse(bubbleCentre, bubbleAxis, bubbleRatio));
}

}  // namespace

BubbleLabel bubbleLabel(const Deviation& z) {
  if (z.value > 0) {
    const std::string text = "+" + z.text;
    return {text, characterCount(text)};
  }
  if (z.value < 0) return {z.text, characterCount(z.text)};
  return {"%%p0", 2};
}

cad::Point3 clearOfArrows(const VectorSpec& vectors, const cad::Point3& b,
                          const BubbleLabel& label) {
  const double h = vectors.textHeight;
  const double sx = signOf(vectors.x);
  const double sy = signOf(vectors.y);
  double x = cad::checked(b.x() + 1.75 * h * sx);
  double y = cad::checked(b.y() + 1.75 * h * sy);
  if (sx < 0) x = cad::checked(x - static_cast<double>(label.length) * h);
  if (sy < 0) y = cad::checked(y - h);
  return checkedPoint(x, y, b.z());
}

void drawZBubble(const VectorCanvas& canvas, const BubbleLabel& label,
                 const cad::Point3& labelPnt) {
  place(canvas, *canvas.space.AddText(label.text, labelPnt, canvas.textHeight));
  addEllipse(canvas, labelPnt, label.length);
}

}  // namespace insert
