#include "host/geom/checks.h"

#include <cmath>
#include <string>

#include "host/geom/invalid_input.h"

namespace host::geom {

void requireFinite(double value, std::string_view what) {
  if (!std::isfinite(value)) throw InvalidInput(std::string(what) + " must be a finite number");
}

void requireFinite(const Eigen::Vector3d& vector, std::string_view what) {
  if (!vector.allFinite()) throw InvalidInput(std::string(what) + " must have finite coordinates");
}

void requireNonZero(const Eigen::Vector3d& vector, std::string_view what) {
  requireFinite(vector, what);
  if (vector.norm() == 0.0) throw InvalidInput(std::string(what) + " must not have zero length");
}

}  // namespace host::geom
