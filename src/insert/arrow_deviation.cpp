#include "insert/arrow_deviation.h"

#include "cad/arithmetic.h"
#include "insert/arrow_block.h"
#include "insert/deviation_text.h"

namespace insert {
namespace {

// Labels keep half a text height clear of an arrow's tip; the arrow is 3 text heights long.
constexpr double kTipGap = 3.5;

ArrowLayout layoutAlongX(const std::string& devText, double value, const cad::Point3& b, double h) {
  ArrowLayout layout;
  double textOffset = kTipGap * h;
  layout.labelText = devText;
  if (value < 0) {
    layout.labelText = withoutFirstCharacter(devText);
    layout.arrowRot = kPi;
    // The label ends half a text height beyond the tip instead of starting there.
    const double n = static_cast<double>(characterCount(layout.labelText));
    textOffset = -cad::checked(n * h + kTipGap * h);
  }
  layout.textPnt = checkedPoint(b.x() + textOffset, b.y() - 0.5 * h, b.z());
  if (value == 0) {
    layout.labelText = "0";
    layout.arrow2Pnt = checkedPoint(b.x() + 3 * h, b.y(), b.z());
    layout.arrow2Rot = kPi;
  }
  return layout;
}

ArrowLayout layoutAlongY(const std::string& devText, double value, const cad::Point3& b, double h) {
  ArrowLayout layout;
  double textOffset = kTipGap * h;
  layout.labelText = devText;
  layout.arrowRot = kPi / 2;
  if (value < 0) {
    layout.labelText = withoutFirstCharacter(devText);
    layout.arrowRot = 3 * kPi / 2;
    // Below the arrow the label's top, one text height up, keeps the gap from the tip.
    textOffset = -(kTipGap + 1) * h;
  }
  layout.textPnt = checkedPoint(b.x() - 0.5 * h, b.y() + textOffset, b.z());
  if (value == 0) {
    layout.labelText = "0";
    layout.arrow2Pnt = checkedPoint(b.x(), b.y() + 3 * h, b.z());
    layout.arrow2Rot = 3 * kPi / 2;
  }
  return layout;
}

void finish(const VectorCanvas& canvas, cad::Entity& entity, const std::optional<Turn>& turn) {
  place(canvas, entity);
  if (turn) entity.Rotate3D(turn->axisPoint1, turn->axisPoint2, turn->angle);
}

}  // namespace

ArrowLayout layoutArrow(ArrowDirection direction, const std::string& devText, double value,
                        const cad::Point3& basePnt, double h) {
  return direction == ArrowDirection::AlongX ? layoutAlongX(devText, value, basePnt, h)
                                             : layoutAlongY(devText, value, basePnt, h);
}

void drawArrowLayout(const VectorCanvas& canvas, const cad::Point3& basePnt,
                     const ArrowLayout& layout, const std::optional<Turn>& turn) {
  cad::ModelSpace& space = canvas.space;
  const double h = canvas.textHeight;
  finish(canvas, *space.InsertBlock(basePnt, kArrowBlockInsertName, h, h, h, layout.arrowRot),
         turn);
  if (layout.arrow2Pnt) {
    finish(canvas,
           *space.InsertBlock(*layout.arrow2Pnt, kArrowBlockInsertName, h, h, h, layout.arrow2Rot),
           turn);
  }
  finish(canvas, *space.AddText(layout.labelText, layout.textPnt, h), turn);
}

}  // namespace insert
