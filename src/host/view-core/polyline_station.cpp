#include "host/view-core/polyline_station.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "host/geom/ocs.h"
#include "host/view-core/length_format.h"
#include "survey/polyline_plan.h"

namespace host::view {
namespace {

std::vector<survey::BulgedVertex> worldVertices(const model::Polyline2d& polyline) {
  const geom::Frame ocs = geom::objectCoordinateSystem(polyline.extrusion);
  // Seen from above, a polyline drawn with its normal pointing down turns the other way.
  const bool mirrored = polyline.extrusion.z() < 0.0;
  std::vector<survey::BulgedVertex> vertices;
  for (const auto& vertex : polyline.vertices) {
    const Eigen::Vector2d point =
        ocs.pointToWorld({vertex.point.x(), vertex.point.y(), 0.0}).head<2>();
    vertices.push_back({point, mirrored ? -vertex.bulge : vertex.bulge});
  }
  return vertices;
}

std::vector<survey::BulgedVertex> worldVertices(const model::Polyline3d& polyline) {
  std::vector<survey::BulgedVertex> vertices;
  for (const Eigen::Vector3d& vertex : polyline.vertices) vertices.push_back({vertex.head<2>()});
  return vertices;
}

}  // namespace

std::variant<survey::HorizontalAlignment, EntryError> alignmentOfEntity(
    const model::EntityData& entity, double startChainage) {
  std::vector<survey::PlanElement> elements;
  try {
    if (const auto* flat = std::get_if<model::Polyline2d>(&entity)) {
      elements = survey::planOfPolyline(worldVertices(*flat), flat->closed);
    } else if (const auto* spatial = std::get_if<model::Polyline3d>(&entity)) {
      elements = survey::planOfPolyline(worldVertices(*spatial), spatial->closed);
    } else {
      return EntryError{
          "Not a polyline: STATION measures along a LWPOLYLINE or a 2D or 3D POLYLINE"};
    }
  } catch (const std::invalid_argument& e) {
    return EntryError{std::string("The polyline cannot be measured along: it has ") + e.what()};
  }
  if (elements.empty()) return EntryError{"The polyline has no length in plan"};
  return survey::HorizontalAlignment(std::move(elements), startChainage);
}

std::string describeStation(const survey::Station& station,
                            const survey::HorizontalAlignment& alignment, int decimals) {
  const std::string offset = formatLength(std::abs(station.offset), decimals);
  // What rounds to zero lies on the line, on neither side.
  const bool onTheLine = offset.find_first_not_of("0.") == std::string::npos;
  std::string text = "Chainage " + formatChainage(station.chainage, decimals) + "  Offset " +
                     offset +
                     (onTheLine              ? ""
                      : station.offset > 0.0 ? " R"
                                             : " L");
  if (station.beyondEnds) {
    text += station.chainage < alignment.startChainage() ? "  (before the start of the polyline)"
                                                         : "  (beyond the end of the polyline)";
  }
  return text;
}

std::string formatChainage(double chainage, int decimals) {
  decimals = std::clamp(decimals, 0, 8);
  const double scale = std::pow(10.0, decimals);
  // Beyond what whole units of the last decimal can count, the plain number is as good.
  if (!(std::abs(chainage) * scale < 1e15)) return formatLength(chainage, decimals);
  const long long units = std::llround(std::abs(chainage) * scale);
  const long long perKilometre = std::llround(1000.0 * scale);
  const double metres = static_cast<double>(units % perKilometre) / scale;
  char text[64];
  std::snprintf(text, sizeof text, "%s%lld+%0*.*f", units == 0 || chainage > 0.0 ? "" : "-",
                units / perKilometre, decimals == 0 ? 3 : 4 + decimals, decimals, metres);
  return text;
}

std::optional<double> parseChainage(std::string_view text) {
  const auto plus = text.find('+');
  if (plus == std::string_view::npos || plus == 0) return parseNumber(text);
  const auto kilometres = parseNumber(text.substr(0, plus));
  const auto metres = parseNumber(text.substr(plus + 1));
  if (!kilometres || !metres || *kilometres != std::trunc(*kilometres) || *metres < 0.0 ||
      *metres >= 1000.0 || text.substr(plus + 1).find_first_of("+-") != std::string_view::npos) {
    return std::nullopt;
  }
  const bool negative = text.substr(0, plus).find('-') != std::string_view::npos;
  const double value = std::abs(*kilometres) * 1000.0 + *metres;
  return negative ? -value : value;
}

}  // namespace host::view
