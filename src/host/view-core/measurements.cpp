#include "host/view-core/measurements.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "host/view-core/length_format.h"

namespace host::view {
namespace {

std::string coordinates(const Eigen::Vector3d& p, int decimals) {
  return "X = " + formatLength(p.x(), decimals) + "  Y = " + formatLength(p.y(), decimals) +
         "  Z = " + formatLength(p.z(), decimals);
}

}  // namespace

std::vector<std::string> describePoint(const Eigen::Vector3d& world, const geom::Frame& ucs,
                                       int decimals) {
  return {"UCS    " + coordinates(ucs.pointToLocal(world), decimals),
          "World  " + coordinates(world, decimals)};
}

std::string degreesMinutesSeconds(double degrees) {
  long seconds = std::lround(degrees * 3600.0);
  constexpr long kFullCircle = 360L * 3600L;
  seconds = ((seconds % kFullCircle) + kFullCircle) % kFullCircle;
  char text[32];
  std::snprintf(text, sizeof text, "%ld\u00b0%02ld'%02ld\"", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return text;
}

std::vector<std::string> describeDistance(const Eigen::Vector3d& from, const Eigen::Vector3d& to,
                                          const geom::Frame& ucs, int decimals) {
  const Eigen::Vector3d delta = ucs.vectorToLocal(to - from);
  const double plan = std::hypot(delta.x(), delta.y());
  std::vector<std::string> lines{"Distance = " + formatLength(delta.norm(), decimals) +
                                     "  Plan = " + formatLength(plan, decimals) +
                                     "  Height = " + formatLength(delta.z(), decimals),
                                 "Delta X = " + formatLength(delta.x(), decimals) +
                                     "  Delta Y = " + formatLength(delta.y(), decimals) +
                                     "  Delta Z = " + formatLength(delta.z(), decimals)};
  // Points one above the other have no direction in plan; a rounding's worth apart neither.
  const double smallest = 0.5 * std::pow(10.0, -decimals);
  if (plan < smallest) {
    lines.push_back("Bearing: none, the points lie one above the other");
  } else {
    const double bearing = std::atan2(delta.x(), delta.y()) * 180.0 / std::numbers::pi;
    lines.push_back("Bearing = " + degreesMinutesSeconds(bearing) + " (clockwise from UCS Y)");
  }
  return lines;
}

}  // namespace host::view
