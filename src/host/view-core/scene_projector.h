#pragma once

#include <cstddef>

#include "host/model/text_layout.h"
#include "host/model/world_geometry.h"
#include "host/view-core/scene.h"

namespace host::view {

// Projects world geometry into a scene, each piece in the colour and text layout it is told,
// leaving out (and counting) pieces whose view coordinates overflow.
class Projector : public model::GeometrySink {
 public:
  Projector(Scene& scene, const Eigen::Matrix3d& worldToView)
      : scene_(scene), worldToView_(worldToView) {}

  // Pieces whose view coordinates overflow (world coordinates near the largest number).
  std::size_t unplaced() const { return unplaced_; }

  // The colour of the pieces that follow, and how the texts that follow lie about their origin.
  void setColour(Rgb colour) { colour_ = colour; }
  void setTextLayout(const model::TextLayout& layout) { layout_ = layout; }
  // The dash pattern (in Scene::dashPatterns) of the lines that follow.
  void setDashes(std::uint16_t dashes) { dashes_ = dashes; }
  // The lineweight (hundredths of a millimetre) of the lines that follow.
  void setLineWeight(std::uint16_t hundredths) { lineWeight_ = hundredths; }

  void polyline(const model::WorldPolyline& polyline) override;
  void point(const Eigen::Vector3d& position) override;
  void text(const model::WorldText& text) override;
  void ellipse(const geom::EllipseArc& ellipse) override;
  // A filled area within closed loops (even-odd).
  void fill(const std::vector<model::WorldPolyline>& loops, bool light);

 private:
  Scene& scene_;
  Eigen::Matrix3d worldToView_;
  std::size_t unplaced_ = 0;
  Rgb colour_ = kForeground;
  std::uint16_t dashes_ = 0;
  std::uint16_t lineWeight_ = 0;
  model::TextLayout layout_;

  Eigen::Vector2d project(const Eigen::Vector3d& world) const {
    return (worldToView_ * world).head<2>();
  }
  void add(Scene::Polyline polyline);
  void addTextLine(const std::string& line, const Eigen::Affine2d& toView);
};

}  // namespace host::view
