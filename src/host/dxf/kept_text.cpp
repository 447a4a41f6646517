#include "host/dxf/kept_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/dxf/fields.h"
#include "host/geom/invalid_input.h"
#include "host/geom/ocs.h"

namespace host::dxf {
namespace {

using Eigen::Vector3d;

// Horizontal alignment of a single-line text (group 72).
enum Horizontal { kLeft, kCentre, kRight, kAligned, kMiddle, kFit };

constexpr std::int64_t kInvisibleAttribute = 1;  // group 70 of an attribute

double degrees(double value) {
  return value * std::numbers::pi / 180.0;
}

std::optional<geom::Frame> planeOf(const Vector3d& normal) {
  try {
    return geom::objectCoordinateSystem(normal);
  } catch (const InvalidInput&) {
    return std::nullopt;
  }
}

model::TextVertical verticalOf(std::int64_t code) {
  switch (code) {
    case 1:
      return model::TextVertical::Bottom;
    case 2:
      return model::TextVertical::Middle;
    case 3:
      return model::TextVertical::Top;
    default:
      return model::TextVertical::Baseline;
  }
}

}  // namespace

std::optional<model::PlacedText> keptLineText(std::string_view type, const model::RawGroups& groups,
                                              std::size_t first, const Eigen::Affine3d& toWorld) {
  const Fields f(groups, first);
  const bool attribute = type != "TEXT";
  if (attribute && (f.whole(70, 0) & kInvisibleAttribute)) return std::nullopt;
  const Vector3d normal = f.point(210, Vector3d::UnitZ());
  const auto ocs = planeOf(normal);
  if (!ocs) return std::nullopt;
  const double height = f.real(40, 0.0);
  const std::int64_t horizontal = f.whole(72, kLeft);
  // Attributes give their vertical alignment in group 74, texts in 73.
  const std::int64_t vertical = f.whole(attribute ? 74 : 73, 0);
  const Vector3d start = f.point(10);
  const Vector3d end = f.point(11, start);
  double rotation = degrees(f.real(50, 0.0));
  double widthFactor = f.real(41, 1.0);
  model::PlacedText placed;
  placed.text.text = std::string(f.text(type == "ATTDEF" ? 2 : 1));
  placed.text.height = height;
  Vector3d origin = start;
  const bool stretched = horizontal == kAligned || horizontal == kFit;
  const Vector3d baseline = end - start;
  if (stretched && baseline.head<2>().norm() > 0.0 && height > 0.0) {
    rotation = std::atan2(baseline.y(), baseline.x());
    widthFactor = 1.0;
    placed.layout.fit.width = static_cast<float>(baseline.head<2>().norm() / height);
    placed.layout.fit.proportional = horizontal == kAligned;
  } else if (horizontal != kLeft || vertical != 0) {
    origin = end;
    placed.layout.fit.anchor = horizontal == kRight ? 1.0f : horizontal == kLeft ? 0.0f : 0.5f;
    placed.layout.vertical =
        horizontal == kMiddle ? model::TextVertical::Middle : verticalOf(vertical);
  }
  const std::int64_t generation = f.whole(71, 0);
  const double oblique = degrees(f.real(51, 0.0));
  const Vector3d u = ocs->vectorToWorld({std::cos(rotation), std::sin(rotation), 0.0});
  const Vector3d v = normal.normalized().cross(u);
  Eigen::Affine3d placement = Eigen::Affine3d::Identity();
  placement.linear().col(0) = (generation & 2 ? -1.0 : 1.0) * widthFactor * u;
  placement.linear().col(1) = (generation & 4 ? -1.0 : 1.0) * (std::tan(oblique) * u + v);
  placement.linear().col(2) = normal.normalized();
  placement.translation() = ocs->pointToWorld(origin);
  placed.text.placement = toWorld * placement;
  return placed;
}

std::optional<model::PlacedText> keptMText(const model::RawGroups& groups,
                                           const Eigen::Affine3d& toWorld) {
  const Fields f(groups);
  const Vector3d normal = f.point(210, Vector3d::UnitZ());
  const auto ocs = planeOf(normal);
  if (!ocs) return std::nullopt;
  Vector3d x =
      f.has(11) ? f.point(11)
                : ocs->vectorToWorld({std::cos(f.real(50, 0.0)), std::sin(f.real(50, 0.0)), 0.0});
  const Vector3d n = normal.normalized();
  x -= x.dot(n) * n;
  x = x.norm() > 1e-12 ? x.normalized() : ocs->xAxis();
  Eigen::Affine3d placement = Eigen::Affine3d::Identity();
  placement.linear().col(0) = x;
  placement.linear().col(1) = n.cross(x);
  placement.linear().col(2) = n;
  placement.translation() = f.point(10);
  model::PlacedText placed;
  placed.text.placement = toWorld * placement;
  placed.text.height = f.real(40, 0.0);
  placed.text.wrapWidth = f.real(41, 0.0);
  // The text comes in pieces of 250 characters: 3 groups, then the last piece in group 1.
  for (const auto& group : groups) {
    if (group.code == 3 || group.code == 1) placed.text.text += group.value;
  }
  const std::int64_t attachment = std::clamp<std::int64_t>(f.whole(71, 1), 1, 9) - 1;
  placed.layout.fit.anchor = 0.5f * static_cast<float>(attachment % 3);
  const model::TextVertical rows[] = {model::TextVertical::Top, model::TextVertical::Middle,
                                      model::TextVertical::Bottom};
  placed.layout.vertical = rows[attachment / 3];
  placed.layout.multiLine = true;
  return placed;
}

}  // namespace host::dxf
