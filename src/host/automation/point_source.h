#pragma once

#include <optional>
#include <string>

#include <Eigen/Geometry>

#include "host/model/document.h"

namespace host {

// Where point requests go: the drawing window asks the user, a script answers from a list.
class PointSource {
 public:
  virtual ~PointSource() = default;
  // The point the user gives for `prompt` in world coordinates, or nothing when cancelled.
  // `basePoint` (world) is where a rubber band would start.
  virtual std::optional<Eigen::Vector3d> requestPoint(
      model::Document& document, const std::string& prompt,
      const std::optional<Eigen::Vector3d>& basePoint) = 0;
};

}  // namespace host
