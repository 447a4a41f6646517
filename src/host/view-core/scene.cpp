#include "host/view-core/scene.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <variant>

#include "host/model/block_expansion.h"
#include "host/model/world_geometry.h"
#include "host/view-core/entity_appearance.h"

namespace host::view {
namespace {

// Chords per full turn of an ellipse: smooth at any zoom a survey drawing is looked at.
constexpr int kChordsPerTurn = 72;
// Glyph proportions used for the extent of a text, in glyph heights.
constexpr double kCharacterWidth = 0.7;
constexpr double kDescent = 0.3;
constexpr double kLineSpacing = 1.667;

// Multi-line text breaks at "\P" and at line feeds.
std::vector<std::string> textLines(const std::string& text) {
  std::vector<std::string> lines{""};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text.compare(i, 2, "\\P") == 0)) {
      if (text[i] == '\\') ++i;
      lines.emplace_back();
    } else {
      lines.back() += text[i];
    }
  }
  return lines;
}

class Projector : public model::GeometrySink {
 public:
  Projector(Scene& scene, const Eigen::Matrix3d& worldToView)
      : scene_(scene), worldToView_(worldToView) {}

  // Pieces whose view coordinates overflow (world coordinates near the largest number).
  std::size_t unplaced() const { return unplaced_; }

  // The colour of the pieces that follow.
  void setColour(Rgb colour) { colour_ = colour; }

  void polyline(const model::WorldPolyline& polyline) override {
    Scene::Polyline projected;
    projected.closed = polyline.closed;
    projected.colour = colour_;
    projected.points.reserve(polyline.points.size());
    for (const auto& p : polyline.points) projected.points.push_back(project(p));
    add(std::move(projected));
  }

  void point(const Eigen::Vector3d& position) override {
    const Eigen::Vector2d p = project(position);
    if (!p.allFinite()) {
      ++unplaced_;
      return;
    }
    scene_.points.push_back({p, colour_});
    scene_.bounds.extend(p);
  }

  void text(const model::WorldText& text) override {
    const Eigen::Affine3d glyphs = text.placement * Eigen::Scaling(text.height);
    Eigen::Affine2d toView = Eigen::Affine2d::Identity();
    toView.linear() = (worldToView_ * glyphs.linear()).topLeftCorner<2, 2>();
    toView.translation() = project(glyphs.translation());
    if (!toView.matrix().allFinite()) {
      ++unplaced_;
      return;
    }
    const auto lines = textLines(text.text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].empty()) continue;
      const Eigen::Affine2d lineToView =
          toView * Eigen::Translation2d(0.0, -kLineSpacing * static_cast<double>(i));
      addTextLine(lines[i], lineToView);
    }
  }

  void ellipse(const geom::EllipseArc& ellipse) override {
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
    projected.colour = colour_;
    const int count = projected.closed ? chords : chords + 1;
    projected.points.reserve(count);
    for (int k = 0; k < count; ++k) {
      projected.points.push_back(project(ellipse.pointAt(span.start + span.sweep * k / chords)));
    }
    add(std::move(projected));
  }

 private:
  Scene& scene_;
  Eigen::Matrix3d worldToView_;
  std::size_t unplaced_ = 0;
  Rgb colour_ = kForeground;

  Eigen::Vector2d project(const Eigen::Vector3d& world) const {
    return (worldToView_ * world).head<2>();
  }

  void add(Scene::Polyline polyline) {
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

  void addTextLine(const std::string& line, const Eigen::Affine2d& toView) {
    const double width = kCharacterWidth * static_cast<double>(line.size());
    const double area = std::abs(toView.linear().determinant());
    const double size = toView.linear().norm();
    // A text whose plane is seen edge-on shows as its baseline.
    if (area <= 1e-9 * size * size) {
      add(Scene::Polyline{{toView * Eigen::Vector2d(0, 0), toView * Eigen::Vector2d(width, 0)},
                          false,
                          colour_,
                          {}});
      return;
    }
    Scene::Text text{line, toView, colour_, {}};
    for (const auto& corner : {Eigen::Vector2d(0, -kDescent), Eigen::Vector2d(width, -kDescent),
                               Eigen::Vector2d(0, 1), Eigen::Vector2d(width, 1)}) {
      text.bounds.extend(toView * corner);
    }
    if (!text.bounds.min().allFinite() || !text.bounds.max().allFinite()) {
      ++unplaced_;
      return;
    }
    scene_.bounds.extend(text.bounds);
    scene_.texts.push_back(std::move(text));
  }
};

// Hands each entity that shows to the projector in its colour.
class SceneBuilder : public model::ExpansionVisitor {
 public:
  SceneBuilder(const DrawingDisplay& display, Projector& projector)
      : appearances_(display), projector_(projector) {}

  // Entities of kinds that cannot be drawn.
  std::size_t undrawable() const { return undrawable_; }

  bool visit(const model::Entity& entity, const Eigen::Affine3d& toWorld) override {
    const auto appearance = appearances_.of(entity);
    if (!appearance) return true;
    projector_.setColour(appearance->colour);
    if (std::holds_alternative<model::UnsupportedEntity>(entity.data)) {
      ++undrawable_;
      return true;
    }
    return model::emitEntityGeometry(entity, toWorld, projector_);
  }
  bool enter(const model::Entity& insert) override { return appearances_.enter(insert); }
  void leave() override { appearances_.leave(); }

 private:
  AppearanceResolver appearances_;
  Projector& projector_;
  std::size_t undrawable_ = 0;
};

}  // namespace

Scene buildScene(const model::Document& document, const Eigen::Matrix3d& worldToView) {
  Scene scene;
  Projector projector(scene, worldToView);
  const DrawingDisplay display = drawingDisplay(document);
  SceneBuilder builder(display, projector);
  const auto& modelSpace = document.blocks()[model::BlockTable::kModelSpace].entities;
  scene.notShown = model::expandBlocks(document, modelSpace, builder).total();
  scene.notShown += projector.unplaced() + builder.undrawable();
  return scene;
}

}  // namespace host::view
