#include "insert/draw_vectors.h"

#include "insert/arrow_deviation.h"
#include "insert/vector_canvas.h"
#include "insert/z_deviation.h"

namespace insert {
namespace {

cad::Point3 toWorld(const cad::Matrix4& frame, const cad::Point3& point) {
  return (frame * point.homogeneous()).head<3>();
}

class VectorDrawing {
 public:
  VectorDrawing(cad::ModelSpace& space, const VectorSpec& vectors, const Placement& placement)
      : canvas_{space, placement.frame, vectors.textHeight},
        spec_(vectors),
        placement_(placement) {}

  void draw() {
    if (spec_.grouped) basePoint_ = placement_.basePoint();
    if (spec_.x) drawAxis(ArrowDirection::AlongX, *spec_.x, placement_.xPoint);
    if (spec_.y) drawAxis(ArrowDirection::AlongY, *spec_.y, placement_.yPoint);
    if (spec_.z && spec_.zStyle == ZStyle::Bubble) drawBubble(*spec_.z);
    if (spec_.z && spec_.zStyle == ZStyle::Arrow) drawStandingArrow(*spec_.z);
    if (basePoint_ && placement_.leaderEnd) {
      const cad::Point3 leaderEnd = placement_.leaderEnd();
      place(canvas_, *canvas_.space.AddLine(*basePoint_, leaderEnd));
    }
  }

 private:
  cad::Point3 basePointOf(const PointSource& own) const { return basePoint_ ? *basePoint_ : own(); }

  void drawAxis(ArrowDirection direction, const Deviation& deviation, const PointSource& own) {
    const cad::Point3 b = basePointOf(own);
    drawArrowLayout(canvas_, b,
                    layoutArrow(direction, deviation.text, deviation.value, b, spec_.textHeight),
                    std::nullopt);
  }

  void drawBubble(const Deviation& z) {
    const BubbleLabel label = bubbleLabel(z);
    const cad::Point3 labelPnt =
        basePoint_ ? clearOfArrows(spec_, *basePoint_, label) : placement_.zPoint();
    drawZBubble(canvas_, label, labelPnt);
  }

  void drawStandingArrow(const Deviation& z) {
    const cad::Point3 b = basePointOf(placement_.zPoint);
    const ArrowLayout layout =
        layoutArrow(ArrowDirection::AlongY, z.text, z.value, b, spec_.textHeight);
    const TurnAxis axis =
        placement_.zTurnAxis
            ? placement_.zTurnAxis()
            : TurnAxis{toWorld(canvas_.frame, b), toWorld(canvas_.frame, b + cad::Point3::UnitX())};
    drawZArrow(canvas_, layout, b, axis);
  }

  VectorCanvas canvas_;
  const VectorSpec& spec_;
  const Placement& placement_;
  std::optional<cad::Point3> basePoint_;
};

}  // namespace

void drawVectors(cad::ModelSpace& space, const VectorSpec& vectors, const Placement& placement) {
  VectorDrawing(space, vectors, placement).draw();
}

}  // namespace insert
