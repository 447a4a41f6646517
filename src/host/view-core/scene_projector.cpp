#include "host/view-core/scene_projector.h"

#include <algorithm>
#include <cmath>

#include "host/model/mtext_format.h"

namespace host::view {
namespace {

// Chords per full turn of an ellipse: smooth at any zoom a survey drawing is looked at.
constexpr int kChordsPerTurn = 72;
// Glyph proportions used for the extent of a text, in glyph heights.
constexpr double kCharacterWidth = 0.7;
constexpr double kDescent = 0.3;
constexpr double kLineSpacing = 1.667;

// Where the first line's baseline lies above the text's origin (glyphs one unit high), for
// lines reaching `below` further down.
double firstBaselineFor(model::TextVertical vertical, double below) {
  switch (vertical) {
    case model::TextVertical::Baseline:
      return 0.0;
    case model::TextVertical::Bottom:
      return below + kDescent;
    case model::TextVertical::Middle:
      return 0.5 * (below + 1.0) - 1.0;
    case model::TextVertical::Top:
      return -1.0;
  }
  return 0.0;
}

}  // namespace

void Projector::polyline(const model::WorldPolyline& polyline) {
  Scene::Polyline projected;
  projected.closed = polyline.closed;
  projected.dashes = dashes_;
  projected.lineWeight = lineWeight_;
  projected.colour = colour_;
  projected.points.reserve(polyline.points.size());
  for (const auto& p : polyline.points) projected.points.push_back(project(p));
  add(std::move(projected));
}

void Projector::fill(const std::vector<model::WorldPolyline>& loops, bool light) {
  Scene::Area area;
  area.light = light;
  area.colour = colour_;
  for (const auto& loop : loops) {
    for (const auto& p : loop.points) {
      const Eigen::Vector2d projected = project(p);
      if (!projected.allFinite()) {
        ++unplaced_;
        return;
      }
      area.points.push_back(projected);
      area.bounds.extend(projected);
    }
    area.loopEnds.push_back(static_cast<std::uint32_t>(area.points.size()));
  }
  if (area.points.empty()) return;
  scene_.bounds.extend(area.bounds);
  scene_.areas.push_back(std::move(area));
}

void Projector::point(const Eigen::Vector3d& position) {
  const Eigen::Vector2d p = project(position);
  if (!p.allFinite()) {
    ++unplaced_;
    return;
  }
  scene_.points.push_back({p, colour_});
  scene_.bounds.extend(p);
}

void Projector::text(const model::WorldText& text) {
  const Eigen::Affine3d glyphs = text.placement * Eigen::Scaling(text.height);
  Eigen::Affine2d toView = Eigen::Affine2d::Identity();
  toView.linear() = (worldToView_ * glyphs.linear()).topLeftCorner<2, 2>();
  toView.translation() = project(glyphs.translation());
  if (!toView.matrix().allFinite()) {
    ++unplaced_;
    return;
  }
  const auto lines = layout_.multiLine ? model::multiLineTextLines(text.text)
                                       : std::vector{model::lineTextShown(text.text)};
  const double below = kLineSpacing * static_cast<double>(lines.size() - 1);
  const double firstBaseline = firstBaselineFor(layout_.vertical, below);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    const Eigen::Affine2d lineToView =
        toView * Eigen::Translation2d(0.0, firstBaseline - kLineSpacing * static_cast<double>(i));
    addTextLine(lines[i], lineToView);
  }
}

void Projector::ellipse(const geom::EllipseArc& ellipse) {
  const geom::AngleSpan span = ellipse.span();
  if (!std::isfinite(span.start) || !std::isfinite(span.sweep)) {
    ++unplaced_;
    return;
  }
  // The sweep is at most a turn, so the count stays within one turn's chords.
  const int chords = static_cast<int>(std::clamp(
      std::ceil(kChordsPerTurn * span.sweep / geom::kFullTurn), 4.0, double(kChordsPerTurn)));
  Scene::Polyline projected;
  projected.closed = span.isFullTurn();
  projected.dashes = dashes_;
  projected.lineWeight = lineWeight_;
  projected.colour = colour_;
  const int count = projected.closed ? chords : chords + 1;
  projected.points.reserve(count);
  for (int k = 0; k < count; ++k) {
    projected.points.push_back(project(ellipse.pointAt(span.start + span.sweep * k / chords)));
  }
  add(std::move(projected));
}

void Projector::add(Scene::Polyline polyline) {
  bool finite = true;
  for (const auto& p : polyline.points) {
    finite = finite && p.allFinite();
    polyline.bounds.extend(p);
  }
  if (!finite) {
    ++unplaced_;
    return;
  }
  scene_.bounds.extend(polyline.bounds);
  scene_.polylines.push_back(std::move(polyline));
}

void Projector::addTextLine(const std::string& line, const Eigen::Affine2d& toView) {
  const TextFit& fit = layout_.fit;
  const double width =
      fit.width > 0.0f ? fit.width : kCharacterWidth * static_cast<double>(line.size());
  const double left = -fit.anchor * width;
  const double area = std::abs(toView.linear().determinant());
  const double size = toView.linear().norm();
  // A text whose plane is seen edge-on shows as its baseline.
  if (area <= 1e-9 * size * size) {
    add(Scene::Polyline{
        {toView * Eigen::Vector2d(left, 0), toView * Eigen::Vector2d(left + width, 0)},
        false,
        0,
        0,
        colour_,
        {}});
    return;
  }
  // Text aligned between two points grows in height as in width, by a factor only its glyphs
  // tell: its extent is estimated as glyphs of the nominal proportions.
  const double top = fit.proportional ? fit.width / (kCharacterWidth * line.size()) : 1.0;
  Scene::Text text{line, toView, fit, colour_, {}};
  for (const auto& corner :
       {Eigen::Vector2d(left, -kDescent * top), Eigen::Vector2d(left + width, -kDescent * top),
        Eigen::Vector2d(left, top), Eigen::Vector2d(left + width, top)}) {
    text.bounds.extend(toView * corner);
  }
  if (!text.bounds.min().allFinite() || !text.bounds.max().allFinite()) {
    ++unplaced_;
    return;
  }
  scene_.bounds.extend(text.bounds);
  scene_.texts.push_back(std::move(text));
}

}  // namespace host::view
