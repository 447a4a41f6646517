#include <string>

#include "cad/arithmetic.h"
#include "cad/numeric_text.h"
#include "insert/deviation_text.h"
#include "insert/z_deviation.h"

namespace insert {
namespace {

// The bubble's label and its width in characters. A positive value gains a plus sign; zero
// reads plus-minus 0, written with the text code that displays as two characters.
struct BubbleLabel {
  std::string text;
  std::size_t length = 0;
};

BubbleLabel bubbleLabel(const std::string& devText, double value) {
  if (value > 0) {
    const std::string text = "+" + devText;
    return {text, characterCount(text)};
  }
  if (value < 0) return {devText, characterCount(devText)};
  return {"%%p0", 2};
}

double signOf(const std::string& devText) {
  return cad::numericValue(devText) < 0 ? -1.0 : 1.0;
}

// Moves the Grouped insert point into the quadrant the X and Y arrows point into, the label's
// near corner 1.75 text heights from the point along each axis. An axis not drawn counts as
// positive.
cad::Point3 clearOfArrows(const InsertRun& run, const cad::Point3& b, std::size_t labelLen) {
  const double h = run.textHgt;
  const double sx = signOf(run.xDevText);
  const double sy = signOf(run.yDevText);
  double x = cad::checked(b.x() + 1.75 * h * sx);
  double y = cad::checked(b.y() + 1.75 * h * sy);
  if (sx < 0) x = cad::checked(x - static_cast<double>(labelLen) * h);
  if (sy < 0) y = cad::checked(y - h);
  return checkedPoint(x, y, b.z());
}

// The ellipse around a label reckoned labelLen text heights wide and one high, from its
// lower left corner: half a text height of margin at each end, a minor radius of 0.75 heights.
void addEllipse(const InsertRun& run, const cad::Point3& b, std::size_t labelLen) {
  const double h = run.textHgt;
  const double halfWidth = cad::checked(static_cast<double>(labelLen) / 2 * h);
  const cad::Point3 bubbleCentre = checkedPoint(b.x() + halfWidth, b.y() + 0.5 * h, b.z());
  const cad::Point3 bubbleAxis = checkedPoint(halfWidth + h / 2, 0.0, 0.0);
  const double bubbleRatio = cad::checkedDivide(0.75 * h, bubbleAxis.x());
  place(run, *run.vars.moSpace->AddEllipse(bubbleCentre, bubbleAxis, bubbleRatio));
}

}  // namespace

void drawZBubble(InsertRun& run) {
  run.zDevText = readDeviationText(run.form, Axis::Z);
  const BubbleLabel label = bubbleLabel(run.zDevText, cad::numericValue(run.zDevText));
  run.zDevText = label.text;
  const cad::Point3 basePnt = picksSeparately(run)
                                  ? pickUcsPoint(run, "Z Dev Insert Point ")
                                  : clearOfArrows(run, groupedBasePoint(run), label.length);
  place(run, *run.vars.moSpace->AddText(run.zDevText, basePnt, run.textHgt));
  addEllipse(run, basePnt, label.length);
}

}  // namespace insert
