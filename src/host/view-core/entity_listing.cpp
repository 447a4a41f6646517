#include "host/view-core/entity_listing.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "host/geom/ocs.h"
#include "host/view-core/length_format.h"
#include "host/view-core/measurements.h"
#include "host/view-core/overloaded.h"

namespace host::view {
namespace {

// Long polylines list their first vertices only; the count says how many there are.
constexpr std::size_t kVerticesListed = 50;

std::string hex(std::uint64_t value, int width) {
  char text[24];
  std::snprintf(text, sizeof text, "%0*llX", width, static_cast<unsigned long long>(value));
  return text;
}

std::string colourText(const model::Colour& colour, const model::Layer& layer) {
  std::string text = colour.index == model::Colour::kByLayer
                         ? "BYLAYER (" + std::to_string(layer.colour) + ")"
                     : colour.index == model::Colour::kByBlock ? std::string("BYBLOCK")
                                                               : std::to_string(colour.index);
  if (colour.trueColour) text += ", true colour #" + hex(*colour.trueColour, 6);
  return text;
}

std::string lineWeightText(int weight) {
  if (weight == -1) return "BYLAYER";
  if (weight == -2) return "BYBLOCK";
  if (weight < 0) return "DEFAULT";
  char text[16];
  std::snprintf(text, sizeof text, "%.2f mm", weight / 100.0);
  return text;
}

double degrees(double radians) {
  return radians * 180.0 / std::numbers::pi;
}

// Lists the geometry of each kind; `d` is the number of decimals.
class Geometry {
 public:
  Geometry(const model::Document& document, int decimals) : document_(document), d_(decimals) {}

  std::vector<std::string> operator()(const model::Line& line) const {
    return {"From " + point(line.start) + "  To " + point(line.end),
            "Length = " + length((line.end - line.start).norm())};
  }
  std::vector<std::string> operator()(const model::Point& p) const {
    return {"At " + point(p.position)};
  }
  std::vector<std::string> operator()(const model::Circle& circle) const {
    return {"Centre " + point(circle.centre) + "  Radius = " + length(circle.radius),
            "Circumference = " + length(2 * std::numbers::pi * circle.radius) +
                "  Area = " + length(std::numbers::pi * circle.radius * circle.radius)};
  }
  std::vector<std::string> operator()(const model::Arc& arc) const {
    double sweep = std::fmod(arc.endAngle - arc.startAngle, 2 * std::numbers::pi);
    if (sweep <= 0) sweep += 2 * std::numbers::pi;
    return {"Centre " + point(arc.centre) + "  Radius = " + length(arc.radius),
            "Start angle = " + degreesMinutesSeconds(degrees(arc.startAngle)) +
                "  End angle = " + degreesMinutesSeconds(degrees(arc.endAngle)) +
                "  Length = " + length(sweep * arc.radius)};
  }
  std::vector<std::string> operator()(const model::Ellipse& ellipse) const {
    const double major = ellipse.shape.majorAxis.norm();
    return {"Centre " + point(ellipse.shape.centre) + "  Major radius = " + length(major) +
            "  Minor radius = " + length(major * ellipse.shape.ratio)};
  }
  std::vector<std::string> operator()(const model::Polyline3d& polyline) const {
    std::vector<Eigen::Vector3d> points(polyline.vertices.begin(), polyline.vertices.end());
    double total = 0;
    for (std::size_t i = 1; i < points.size(); ++i) total += (points[i] - points[i - 1]).norm();
    if (polyline.closed && points.size() > 1) total += (points.front() - points.back()).norm();
    return vertexLines(points, polyline.closed, total);
  }
  std::vector<std::string> operator()(const model::Polyline2d& polyline) const {
    const geom::Frame ocs = geom::objectCoordinateSystem(polyline.extrusion);
    std::vector<Eigen::Vector3d> points;
    for (const auto& vertex : polyline.vertices) {
      points.push_back(ocs.pointToWorld({vertex.point.x(), vertex.point.y(), polyline.elevation}));
    }
    double total = 0;
    const std::size_t count = polyline.vertices.size();
    const std::size_t segments = polyline.closed ? count : (count == 0 ? 0 : count - 1);
    for (std::size_t i = 0; i < segments; ++i) {
      const auto& start = polyline.vertices[i];
      const double chord = (polyline.vertices[(i + 1) % count].point - start.point).norm();
      // A bulge is tan(angle / 4) of the arc the segment is: its length is angle * radius.
      const double angle = 4 * std::atan(std::abs(start.bulge));
      total += angle < 1e-12 ? chord : angle * chord / (2 * std::sin(angle / 2));
    }
    return vertexLines(points, polyline.closed, total);
  }
  std::vector<std::string> operator()(const model::Text& text) const {
    return {"Text \"" + text.text + "\"", "At " + point(text.placement.translation()) +
                                              "  Height = " + length(text.height) + "  Style " +
                                              styleName(text.style)};
  }
  std::vector<std::string> operator()(const model::MText& text) const {
    return {"Text \"" + text.text + "\"", "At " + point(text.insertion) +
                                              "  Height = " + length(text.height) + "  Style " +
                                              styleName(text.style)};
  }
  std::vector<std::string> operator()(const model::BlockReference& insert) const {
    const Eigen::Vector3d xAxis = insert.placement.linear().col(0);
    return {"Block " + document_.blocks()[insert.block].name,
            "At " + point(insert.placement.translation()) + "  X scale = " + length(xAxis.norm()) +
                "  Rotation = " + degreesMinutesSeconds(degrees(std::atan2(xAxis.y(), xAxis.x())))};
  }
  std::vector<std::string> operator()(const model::UnsupportedEntity&) const {
    return {"Kept as its file gives it; this window does not show its geometry"};
  }

 private:
  const model::Document& document_;
  int d_;

  std::string length(double value) const { return formatLength(value, d_); }
  std::string point(const Eigen::Vector3d& p) const { return formatPoint(p.x(), p.y(), p.z(), d_); }
  std::string styleName(model::StyleIndex style) const {
    return style < document_.textStyles().size() ? document_.textStyles()[style].name : "?";
  }
  std::vector<std::string> vertexLines(const std::vector<Eigen::Vector3d>& points, bool closed,
                                       double total) const {
    std::vector<std::string> lines{std::to_string(points.size()) + " vertices, " +
                                   (closed ? "closed" : "open") + "  Length = " + length(total)};
    for (std::size_t i = 0; i < points.size() && i < kVerticesListed; ++i) {
      lines.push_back("Vertex " + std::to_string(i + 1) + ": " + point(points[i]));
    }
    if (points.size() > kVerticesListed) {
      lines.push_back("... and " + std::to_string(points.size() - kVerticesListed) + " more");
    }
    return lines;
  }
};

std::string kindOf(const model::EntityData& data) {
  return std::visit(Overloaded{[](const model::BlockReference&) { return std::string("INSERT"); },
                               [](const model::Text&) { return std::string("TEXT"); },
                               [](const model::Ellipse&) { return std::string("ELLIPSE"); },
                               [](const model::Line&) { return std::string("LINE"); },
                               [](const model::Polyline3d&) { return std::string("POLYLINE"); },
                               [](const model::Point&) { return std::string("POINT"); },
                               [](const model::Circle&) { return std::string("CIRCLE"); },
                               [](const model::Arc&) { return std::string("ARC"); },
                               [](const model::Polyline2d&) { return std::string("LWPOLYLINE"); },
                               [](const model::MText&) { return std::string("MTEXT"); },
                               [](const model::UnsupportedEntity& e) { return e.type; }},
                    data);
}

}  // namespace

std::vector<std::string> listEntity(const model::Document& document, const model::Entity& entity,
                                    int decimals) {
  const model::Layer& layer = document.layers()[entity.layer];
  const model::EntityProperties& properties = entity.properties.get();
  std::vector<std::string> lines{
      kindOf(entity.data) + "  Handle " + hex(entity.handle, 1),
      "Layer " + layer.name + "  Colour " + colourText(properties.colour, layer) + "  Line type " +
          (properties.lineType.empty() ? std::string("BYLAYER") : properties.lineType.str()) +
          "  Lineweight " + lineWeightText(properties.lineWeight)};
  for (std::string& line : std::visit(Geometry(document, decimals), entity.data)) {
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace host::view
