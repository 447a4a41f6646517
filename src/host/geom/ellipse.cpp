#include "host/geom/ellipse.h"

#include <cmath>

#include "host/geom/checks.h"
#include "host/geom/invalid_input.h"
#include "host/geom/ocs.h"

namespace host::geom {

Eigen::Vector3d EllipseArc::minorAxis() const {
  return ratio * normal.normalized().cross(majorAxis);
}

Eigen::Vector3d EllipseArc::pointAt(double parameter) const {
  return centre + std::cos(parameter) * majorAxis + std::sin(parameter) * minorAxis();
}

EllipseArc inOneTurn(const EllipseArc& ellipse) {
  const AngleSpan span = ellipse.span();
  EllipseArc result = ellipse;
  result.startParameter = span.start;
  result.endParameter = span.end();
  return result;
}

bool isFinite(const EllipseArc& ellipse) {
  return ellipse.centre.allFinite() && ellipse.majorAxis.allFinite() &&
         ellipse.normal.allFinite() && std::isfinite(ellipse.ratio) &&
         std::isfinite(ellipse.startParameter) && std::isfinite(ellipse.endParameter);
}

EllipseArc validatedEllipse(const EllipseArc& ellipse) {
  requireFinite(ellipse.centre, "the ellipse centre");
  requireNonZero(ellipse.majorAxis, "the ellipse major axis");
  requireNonZero(ellipse.normal, "the ellipse normal");
  requireFinite(ellipse.ratio, "the ellipse radius ratio");
  requireFinite(ellipse.startParameter, "the ellipse start parameter");
  requireFinite(ellipse.endParameter, "the ellipse end parameter");
  if (!(ellipse.ratio > 0.0 && ellipse.ratio <= 1.0)) {
    throw InvalidInput("the ellipse radius ratio must be greater than 0 and at most 1");
  }
  EllipseArc checked = ellipse;
  checked.normal = ellipse.normal.normalized();
  if (std::abs(checked.normal.dot(ellipse.majorAxis.normalized())) > 1e-9) {
    throw InvalidInput("the ellipse normal must be at right angles to its major axis");
  }
  return checked;
}

EllipseArc transformed(const EllipseArc& ellipse, const Eigen::Affine3d& transform) {
  // The images of two conjugate semi-diameters are conjugate semi-diameters of the image:
  // the image is centre' + u cos t + v sin t. Its principal axes are where |u cos t + v sin t|
  // is extreme, at tan 2t = 2 u.v / (|u|^2 - |v|^2).
  const Eigen::Vector3d u = transform.linear() * ellipse.majorAxis;
  const Eigen::Vector3d v = transform.linear() * ellipse.minorAxis();
  const double shift = 0.5 * std::atan2(2.0 * u.dot(v), u.squaredNorm() - v.squaredNorm());
  Eigen::Vector3d major = std::cos(shift) * u + std::sin(shift) * v;
  Eigen::Vector3d minor = -std::sin(shift) * u + std::cos(shift) * v;
  double parameterShift = shift;
  if (minor.squaredNorm() > major.squaredNorm()) {
    // Rounding can pick the minimum instead: turn the parameter a further quarter.
    const Eigen::Vector3d oldMajor = major;
    major = minor;
    minor = -oldMajor;
    parameterShift += std::numbers::pi / 2.0;
  }
  EllipseArc result;
  result.centre = transform * ellipse.centre;
  result.majorAxis = major;
  result.normal = major.cross(minor).normalized();
  result.ratio = std::min(1.0, minor.norm() / major.norm());
  if (ellipse.isFull()) {
    result.startParameter = ellipse.startParameter;
    result.endParameter = ellipse.endParameter;
  } else {
    result.startParameter = ellipse.startParameter - parameterShift;
    result.endParameter = ellipse.endParameter - parameterShift;
  }
  return result;
}

EllipseArc circularArc(const Eigen::Vector3d& centre, double radius, const Eigen::Vector3d& normal,
                       double startAngle, double endAngle) {
  const AngleSpan span = oneTurn(startAngle, endAngle);
  EllipseArc arc;
  arc.centre = centre;
  arc.majorAxis = radius * objectCoordinateSystem(normal).xAxis();
  arc.normal = normal.normalized();
  arc.startParameter = span.start;
  arc.endParameter = span.end();
  return arc;
}

}  // namespace host::geom
