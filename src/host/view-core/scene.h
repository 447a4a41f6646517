#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include <Eigen/Geometry>

#include "host/model/document.h"
#include "host/view-core/canvas.h"
#include "host/view-core/colour_palette.h"
#include "host/view-core/point_symbols.h"

namespace host::view {

// The model space of a drawing projected into view coordinates, kept between repaints so that
// zooming and panning only scale what is already projected. Rebuilt when the drawing or the
// view's orientation changes. Every piece carries its bounds so that painting can skip what
// lies off screen, and its colour (and a line its lineweight).
struct Scene {
  struct Polyline {
    std::vector<Eigen::Vector2d> points;
    bool closed = false;
    std::uint16_t dashes = 0;      // its pattern in Scene::dashPatterns; 0 continuous
    std::uint16_t lineWeight = 0;  // hundredths of a millimetre
    Rgb colour = kForeground;
    Eigen::AlignedBox2d bounds;
  };
  // A filled area: closed loops filled by the even-odd rule, so that a loop inside another is a
  // hole in it.
  struct Area {
    std::vector<Eigen::Vector2d> points;  // the loops' points one loop after another
    std::vector<std::uint32_t> loopEnds;  // past each loop's last point
    bool light = false;                   // stands for a pattern too dense to draw
    Rgb colour = kForeground;
    Eigen::AlignedBox2d bounds;
  };
  struct Point {
    Eigen::Vector2d at = Eigen::Vector2d::Zero();
    Rgb colour = kForeground;
  };
  // One line of text; `textToView` maps text coordinates (glyphs one unit high) to the view.
  struct Text {
    std::string text;
    Eigen::Affine2d textToView = Eigen::Affine2d::Identity();
    TextFit fit;
    Rgb colour = kForeground;
    Eigen::AlignedBox2d bounds;
  };

  std::vector<Polyline> polylines;
  std::vector<Area> areas;
  // The dash patterns of the polylines, in view units; the first is continuous.
  std::vector<std::vector<double>> dashPatterns{{}};
  std::vector<Point> points;
  PointStyle pointStyle;
  std::vector<Text> texts;
  // Everything drawn, for zoom extents.
  Eigen::AlignedBox2d bounds;
  // Entities of the drawing that are not shown: inserts not followed (recursive, nested too
  // deep, beyond the expansion budget), whatever has no finite place in the view, and entities
  // of kinds the window cannot draw. Entities hidden on purpose (invisible, on a layer that is
  // off or frozen) are not counted.
  std::size_t notShown = 0;
};

// Model space as it shows: each entity in its colour, hidden ones left out. Every coordinate
// in the scene is finite.
Scene buildScene(const model::Document& document, const Eigen::Matrix3d& worldToView);
// Only `entities` (of model space) as they show.
Scene buildScene(const model::Document& document, const Eigen::Matrix3d& worldToView,
                 std::span<const model::Entity> entities);

}  // namespace host::view
