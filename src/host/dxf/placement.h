#pragma once

#include <Eigen/Geometry>

// How the placements the document keeps map onto the parameters a file stores.
namespace host::dxf {

// An insert: world = insertion + OCS(normal) * rotation about Z * scale * block coordinates.
struct InsertParameters {
  Eigen::Vector3d insertion = Eigen::Vector3d::Zero();  // in the OCS of `normal`
  Eigen::Vector3d scale = Eigen::Vector3d::Ones();
  Eigen::Vector3d normal = Eigen::Vector3d::UnitZ();
  double rotation = 0.0;  // radians
  // False when the placement shears (its axes are not at right angles): the parameters then
  // give the nearest placement a file can hold.
  bool exact = true;
};
InsertParameters insertParameters(const Eigen::Affine3d& placement);

// A single-line text: glyphs `height` high, stretched by `widthFactor`, slanted by `oblique`.
struct TextParameters {
  Eigen::Vector3d insertion = Eigen::Vector3d::Zero();  // in the OCS of `normal`
  Eigen::Vector3d normal = Eigen::Vector3d::UnitZ();
  double height = 1.0;
  double rotation = 0.0;     // radians
  double widthFactor = 1.0;  // stretch along the baseline
  double oblique = 0.0;      // radians, slant from the upright
};
// The text placement maps text coordinates (glyphs `height` high) to world coordinates. Every
// placement of a flat text has parameters that draw it the same.
TextParameters textParameters(const Eigen::Affine3d& placement, double height);

}  // namespace host::dxf
