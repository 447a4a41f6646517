#include "host/view-core/renderer.h"

#include <algorithm>
#include <array>
#include <span>

#include "host/view-core/clip.h"
#include "host/view-core/dashes.h"
#include "host/view-core/sub_pixel_dots.h"

namespace host::view {
namespace {

constexpr double kIconArm = 40.0;          // pixels
constexpr double kIconLabel = 12.0;        // pixels
constexpr double kIconCornerInset = 30.0;  // pixels from the lower-left corner
// The painter rasterises in fixed point; a stroke reaching further than this many pixels
// beyond the widget (deep zoom on a long line) is clipped here first.
constexpr double kSafeMargin = 4096.0;

Eigen::AlignedBox2d visibleViewBox(const ViewProjection& projection) {
  Eigen::AlignedBox2d box;
  box.extend(projection.screenToView({0.0, 0.0}));
  box.extend(projection.screenToView({double(projection.width()), double(projection.height())}));
  return box;
}

// What is drawn reaches this far (pixels) beyond its bounds with its smoothed edge.
constexpr double kSmoothedEdgeReach = 2.0;

// The screen's pixels within `reach` of `area` (pixels): what can touch it.
Eigen::AlignedBox2d screenNear(const ViewProjection& projection, const Eigen::AlignedBox2d& area,
                               double reach) {
  const Eigen::AlignedBox2d screen(Eigen::Vector2d::Zero(),
                                   Eigen::Vector2d(projection.width(), projection.height()));
  return Eigen::AlignedBox2d(area.min() - Eigen::Vector2d::Constant(reach),
                             area.max() + Eigen::Vector2d::Constant(reach))
      .intersection(screen);
}

// How far (pixels) what is drawn reaches beyond its bounds: a piece just outside the area
// painted still touches it with its smoothed edge or, heavy, with half its width.
double reachOf(const RenderOptions& options) {
  if (!options.lineWeights.shown) return kSmoothedEdgeReach;
  const double heaviest = lineWeightPixels(kHeaviestLineWeight, options.lineWeights.dotsPerInch);
  return kSmoothedEdgeReach +
         std::max(heaviest, double(std::min(dotSide(heaviest), kWidestDot))) / 2;
}

// The part of the view seen in `area` (screen pixels).
Eigen::AlignedBox2d viewBoxOf(const ViewProjection& projection, const Eigen::AlignedBox2d& area) {
  if (area.isEmpty()) return {};
  if (area.min() == Eigen::Vector2d::Zero() &&
      area.max() == Eigen::Vector2d(projection.width(), projection.height())) {
    return visibleViewBox(projection);
  }
  Eigen::AlignedBox2d box;
  box.extend(projection.screenToView(area.min()));
  box.extend(projection.screenToView(area.max()));
  return box;
}

Marker markerFor(SnapKind kind) {
  switch (kind) {
    case SnapKind::Endpoint:
      return Marker::Endpoint;
    case SnapKind::Centre:
      return Marker::Centre;
    case SnapKind::Insertion:
      return Marker::Insertion;
    case SnapKind::Node:
      return Marker::Point;
  }
  return Marker::Point;
}

}  // namespace

void renderScene(const Scene& scene, const ViewProjection& projection, Canvas& canvas,
                 const RenderOptions& options) {
  const LineWeightDisplay& lineWeights = options.lineWeights;
  const SceneMark& from = options.from;
  // Points are looked at on the whole screen: their symbols reach a size of their own.
  const Eigen::AlignedBox2d wholeScreen = visibleViewBox(projection);
  // What is drawn there can touch the area painted, and only that is drawn.
  const Eigen::AlignedBox2d reached = screenNear(projection, options.area, reachOf(options));
  const Eigen::AlignedBox2d visible = viewBoxOf(projection, reached);
  canvas.setInk(Ink::Entity);
  // Colours change seldom from one piece to the next: the canvas is told only when they do.
  Rgb colour = kForeground;
  canvas.setColour(colour);
  const auto paintIn = [&](Rgb next) {
    if (next == colour) return;
    colour = next;
    canvas.setColour(colour);
  };
  // Widths too change seldom, and only when lineweights show.
  double width = 1.0;
  const auto strokeWidth = [&](double next) {
    if (next == width) return;
    width = next;
    canvas.setLineWidth(width);
  };
  std::vector<Eigen::Vector2d> screen;
  const Eigen::AlignedBox2d safe(
      Eigen::Vector2d(-kSafeMargin, -kSafeMargin),
      Eigen::Vector2d(projection.width() + kSafeMargin, projection.height() + kSafeMargin));
  // Dashes are drawn where they show, a pixel beyond the widget at most.
  const Eigen::AlignedBox2d onScreen(
      Eigen::Vector2d(-1.0, -1.0),
      Eigen::Vector2d(projection.width() + 1.0, projection.height() + 1.0));
  // The scene's dash patterns in pixels at this zoom.
  std::vector<std::vector<double>> inPixels(scene.dashPatterns.size());
  const auto pixels = [&](std::uint16_t index) -> const std::vector<double>& {
    if (inPixels[index].empty()) {
      for (const double length : scene.dashPatterns[index]) {
        inPixels[index].push_back(length * projection.scale());
      }
    }
    return inPixels[index];
  };
  Eigen::AlignedBox2d safeInView;
  safeInView.extend(projection.screenToView(safe.min()));
  safeInView.extend(projection.screenToView(safe.max()));
  // Areas first, under the lines drawn on them.
  std::vector<std::vector<Eigen::Vector2d>> loops;
  for (const auto& area : std::span(scene.areas).subspan(from.areas)) {
    if (!visible.intersects(area.bounds)) continue;
    paintIn(area.colour);
    loops.clear();
    std::uint32_t start = 0;
    for (const std::uint32_t end : area.loopEnds) {
      std::vector<Eigen::Vector2d> loop;
      for (std::uint32_t i = start; i < end; ++i) {
        loop.push_back(projection.viewToScreen(area.points[i]));
      }
      start = end;
      if (!safeInView.contains(area.bounds)) loop = clipPolygon(loop, safe);
      if (!loop.empty()) loops.push_back(std::move(loop));
    }
    if (!loops.empty()) canvas.fill(loops, area.light);
  }
  // Dots are remembered there too, heavy ones reaching in with half their side.
  SubPixelDots dots =
      reached.isEmpty()
          ? SubPixelDots(0, 0, 0, 0)
          : SubPixelDots(int(std::floor(reached.min().x())), int(std::floor(reached.min().y())),
                         int(std::ceil(reached.max().x())), int(std::ceil(reached.max().y())));
  for (const auto& polyline : std::span(scene.polylines).subspan(from.polylines)) {
    if (!visible.intersects(polyline.bounds)) continue;
    paintIn(polyline.colour);
    if (lineWeights.shown) {
      strokeWidth(lineWeightPixels(polyline.lineWeight, lineWeights.dotsPerInch));
    }
    const int side = dotSide(width);
    if (side <= kWidestDot && SubPixelDots::isDot(polyline.bounds.sizes() * projection.scale())) {
      const Eigen::Vector2d at = projection.viewToScreen(polyline.bounds.center());
      if (dots.firstAt(at, colour, side)) canvas.dot(at);
      continue;
    }
    screen.clear();
    for (const auto& p : polyline.points) screen.push_back(projection.viewToScreen(p));
    if (polyline.dashes != 0 && showsDashes(pixels(polyline.dashes))) {
      dashPolyline(
          screen, polyline.closed, pixels(polyline.dashes), onScreen,
          [&canvas](const std::vector<Eigen::Vector2d>& dash) { canvas.polyline(dash, false); });
    } else if (safeInView.contains(polyline.bounds)) {
      canvas.polyline(screen, polyline.closed);
    } else {
      for (const auto& part : clipPolyline(screen, polyline.closed, safe)) {
        canvas.polyline(part, false);
      }
    }
  }
  strokeWidth(1.0);
  for (const auto& point : std::span(scene.points).subspan(from.points)) {
    if (!wholeScreen.contains(point.at)) continue;
    paintIn(point.colour);
    paintPoint(canvas, projection.viewToScreen(point.at), scene.pointStyle, projection.scale(),
               projection.height());
  }
  // View to screen: scale, flip Y, move the view centre to the middle of the widget.
  Eigen::Affine2d viewToScreen = Eigen::Affine2d::Identity();
  viewToScreen.linear() = Eigen::Vector2d(projection.scale(), -projection.scale()).asDiagonal();
  viewToScreen.translation() = projection.viewToScreen(Eigen::Vector2d::Zero());
  for (const auto& text : std::span(scene.texts).subspan(from.texts)) {
    if (!visible.intersects(text.bounds)) continue;
    paintIn(text.colour);
    if (SubPixelDots::isDot(text.bounds.sizes() * projection.scale())) {
      const Eigen::Vector2d at = projection.viewToScreen(text.bounds.center());
      if (dots.firstAt(at, colour)) canvas.dot(at);
      continue;
    }
    canvas.text(text.text, viewToScreen * text.textToView, text.fit);
  }
}

void renderUcsIcon(const geom::Frame& ucs, const ViewProjection& projection, Canvas& canvas) {
  Eigen::Vector2d origin = projection.worldToScreen(ucs.origin());
  const double w = projection.width();
  const double h = projection.height();
  if (origin.x() < kIconArm || origin.x() > w - kIconArm || origin.y() < kIconArm ||
      origin.y() > h - kIconArm) {
    origin = {kIconCornerInset, h - kIconCornerInset};
  }
  canvas.setInk(Ink::UcsIcon);
  const std::array<std::pair<Eigen::Vector3d, const char*>, 3> axes{
      {{ucs.xAxis(), "X"}, {ucs.yAxis(), "Y"}, {ucs.zAxis(), "Z"}}};
  for (const auto& [axis, label] : axes) {
    const Eigen::Vector2d inView = (projection.orientation() * axis).head<2>();
    // An axis seen end-on has no length on screen; the others show it foreshortened.
    if (inView.norm() < 0.2) continue;
    const Eigen::Vector2d direction(inView.x(), -inView.y());
    const Eigen::Vector2d tip = origin + kIconArm * direction;
    const Eigen::Vector2d unit = direction.normalized();
    const Eigen::Vector2d side(-unit.y(), unit.x());
    canvas.polyline({origin, tip}, false);
    canvas.polyline({tip - 6.0 * unit + 3.0 * side, tip, tip - 6.0 * unit - 3.0 * side}, false);
    Eigen::Affine2d labelToScreen = Eigen::Affine2d::Identity();
    labelToScreen.linear() = Eigen::Vector2d(kIconLabel, -kIconLabel).asDiagonal();
    labelToScreen.translation() = tip + 8.0 * unit + Eigen::Vector2d(-0.35, 0.5) * kIconLabel;
    canvas.text(label, labelToScreen, TextFit{});
  }
}

void renderSnapMarker(const SnapPoint& snap, const ViewProjection& projection, Canvas& canvas) {
  canvas.setInk(Ink::SnapMarker);
  canvas.marker(projection.worldToScreen(snap.world), markerFor(snap.kind));
}

}  // namespace host::view
