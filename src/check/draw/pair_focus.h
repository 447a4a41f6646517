#pragma once

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <Eigen/Geometry>

#include "cad/automation.h"
#include "check/check_report.h"
#include "check/draw/vector_drawing.h"
#include "survey/point.h"

namespace check::draw {

// The corners (world) a view zooms to so that `box` fills it: a quarter of the box's larger
// side added on every side, and a box of no size made one drawing unit wide.
std::pair<cad::Point3, cad::Point3> zoomCorners(const Eigen::AlignedBox3d& box);

// Brings one pair of a check into view in the drawing: the view zooms to the pair's design and
// survey points and to the vectors drawn for it, which are highlighted until the next pair is
// brought into view. A pair is known by its points, so that it is found after the same files
// are checked again; when it was drawn more than once, its latest drawing counts.
class PairFocus {
 public:
  explicit PairFocus(cad::Ref<cad::Application> application);

  // What a batch drew for the pairs of `report`.
  void remember(const CheckReport& report, const DrawnVectors& drawn);
  // Throws cad::AutomationError when the view cannot zoom (no drawing open). Vectors that are
  // gone from the drawing (deleted, undone) are passed over.
  void show(const survey::Point& design, const survey::Point& surveyed);

 private:
  using Key = std::tuple<std::string, double, double, std::string, double, double>;
  struct Drawn {
    std::vector<cad::Ref<cad::Entity>> entities;
    Eigen::AlignedBox3d box;
  };

  static Key keyOf(const survey::Point& design, const survey::Point& surveyed);
  static void highlight(const std::vector<cad::Ref<cad::Entity>>& entities, bool on);

  cad::Ref<cad::Application> application_;
  std::map<Key, Drawn> drawn_;
  std::vector<cad::Ref<cad::Entity>> highlighted_;
};

}  // namespace check::draw
