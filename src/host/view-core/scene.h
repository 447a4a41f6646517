#pragma once

#include <string>
#include <vector>

#include <Eigen/Geometry>

#include "host/model/document.h"

namespace host::view {

// The model space of a drawing projected into view coordinates, kept between repaints so that
// zooming and panning only scale what is already projected. Rebuilt when the drawing or the
// view's orientation changes. Every piece carries its bounds so that painting can skip what
// lies off screen.
struct Scene {
  struct Polyline {
    std::vector<Eigen::Vector2d> points;
    bool closed = false;
    Eigen::AlignedBox2d bounds;
  };
  // One line of text; `textToView` maps text coordinates (glyphs one unit high) to the view.
  struct Text {
    std::string text;
    Eigen::Affine2d textToView = Eigen::Affine2d::Identity();
    Eigen::AlignedBox2d bounds;
  };

  std::vector<Polyline> polylines;
  std::vector<Eigen::Vector2d> points;
  std::vector<Text> texts;
  // Everything drawn, for zoom extents.
  Eigen::AlignedBox2d bounds;
  // Entities of the drawing that are not shown: inserts not followed (recursive, nested too
  // deep, beyond the expansion budget) and whatever has no finite place in the view.
  std::size_t notShown = 0;
};

// Every coordinate in the scene is finite.
Scene buildScene(const model::Document& document, const Eigen::Matrix3d& worldToView);

}  // namespace host::view
