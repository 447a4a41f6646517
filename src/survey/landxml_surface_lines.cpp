#include "survey/landxml_surface_lines.h"

#include <string_view>

#include "survey/boundary_crossings.h"
#include "survey/coordinate_text.h"
#include "survey/line_crossing.h"
#include "survey/point_file_error.h"
#include "survey/surface_locator.h"

namespace survey {
namespace {

std::string_view localName(const pugi::xml_node& node) {
  const std::string_view name = node.name();
  const std::size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// The children of `parent` named `name`, whatever their namespace prefix.
std::vector<pugi::xml_node> childrenNamed(const pugi::xml_node& parent, std::string_view name) {
  std::vector<pugi::xml_node> children;
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_element && localName(child) == name) children.push_back(child);
  }
  return children;
}

// The points of the <PntList3D> or <PntList2D> of `node`: northing, easting and, in 3D, the
// level of each.
std::vector<SurfacePoint> pointList(const pugi::xml_node& node, const std::string& fileName,
                                    std::size_t line) {
  for (const auto& [name, perPoint] : {std::pair{"PntList3D", 3}, std::pair{"PntList2D", 2}}) {
    const std::vector<pugi::xml_node> lists = childrenNamed(node, name);
    if (lists.empty()) continue;
    std::vector<double> numbers;
    const std::string_view text = lists.front().child_value();
    std::size_t at = text.find_first_not_of(" \t\r\n");
    while (at != std::string_view::npos) {
      const std::size_t end = std::min(text.find_first_of(" \t\r\n", at), text.size());
      const CoordinateReading reading = readCoordinate(text.substr(at, end - at), "", false);
      if (!reading.value) {
        throw PointFileError(fileName, line,
                             std::string("<") + name + ">: " + inQuotes(text.substr(at, end - at)) +
                                 " is not a finite number");
      }
      numbers.push_back(*reading.value);
      at = text.find_first_not_of(" \t\r\n", end);
    }
    if (numbers.size() % perPoint != 0) {
      throw PointFileError(fileName, line,
                           std::string("<") + name + "> holds " + std::to_string(numbers.size()) +
                               " numbers, which are not whole points of " +
                               std::to_string(perPoint));
    }
    std::vector<SurfacePoint> points;
    for (std::size_t k = 0; k + perPoint <= numbers.size(); k += perPoint) {
      points.push_back({numbers[k + 1], numbers[k], perPoint == 3 ? numbers[k + 2] : 0.0});
    }
    return points;
  }
  throw PointFileError(
      fileName, line,
      "a <" + std::string(localName(node)) + "> without a <PntList3D> or <PntList2D>");
}

void readBreakline(const pugi::xml_node& node, TinSurface& surface, std::size_t line) {
  Breakline breakline{pointList(node, surface.name, line), line};
  if (breakline.points.size() < 2) {
    throw PointFileError(surface.name, line, "a breakline of fewer than two points");
  }
  if (const auto at = selfCrossing(breakline.points)) {
    throw PointFileError(surface.name, line, "a breakline crosses itself at " + planText(*at));
  }
  surface.breaklines.push_back(std::move(breakline));
}

void readBoundary(const pugi::xml_node& node, TinSurface& surface, std::size_t line) {
  const std::string_view type = node.attribute("bndType").value();
  SurfaceBoundary boundary;
  boundary.line = line;
  if (type == "outer") {
    boundary.kind = SurfaceBoundary::Kind::Outer;
  } else if (type == "void") {
    boundary.kind = SurfaceBoundary::Kind::Void;
  } else if (type == "island") {
    boundary.kind = SurfaceBoundary::Kind::Island;
  } else {
    throw PointFileError(
        surface.name, line,
        "a boundary of type " + inQuotes(type) + ", which is not outer, void or island");
  }
  boundary.points = pointList(node, surface.name, line);
  // A ring may repeat its first point at its end.
  if (boundary.points.size() > 1 && boundary.points.front().x == boundary.points.back().x &&
      boundary.points.front().y == boundary.points.back().y) {
    boundary.points.pop_back();
  }
  if (boundary.points.size() < 3) {
    throw PointFileError(surface.name, line, "a boundary of fewer than three points");
  }
  if (const auto at = selfCrossing(boundary.points, true)) {
    throw PointFileError(surface.name, line, "a boundary crosses itself at " + planText(*at));
  }
  surface.boundaries.push_back(std::move(boundary));
}

}  // namespace

void readSurfaceLines(const pugi::xml_node& surfaceNode, TinSurface& surface,
                      const LineAt& lineAt) {
  std::vector<pugi::xml_node> parents = childrenNamed(surfaceNode, "Definition");
  for (const pugi::xml_node& source : childrenNamed(surfaceNode, "SourceData")) {
    parents.push_back(source);
  }
  for (const pugi::xml_node& parent : parents) {
    for (const pugi::xml_node& group : childrenNamed(parent, "Breaklines")) {
      for (const pugi::xml_node& node : childrenNamed(group, "Breakline")) {
        readBreakline(node, surface, lineAt(node.offset_debug()));
      }
    }
    for (const pugi::xml_node& group : childrenNamed(parent, "Boundaries")) {
      for (const pugi::xml_node& node : childrenNamed(group, "Boundary")) {
        readBoundary(node, surface, lineAt(node.offset_debug()));
      }
    }
  }
}

void keepFacesWithinBoundaries(TinSurface& surface) {
  if (surface.boundaries.empty()) return;
  const SurfaceLocator locator(surface);
  const BoundaryCrossings crossings(surface, locator);
  std::size_t kept = 0;
  for (std::size_t f = 0; f < surface.faces.size(); ++f) {
    if (crossings.sideOf(f) == BoundaryCrossings::Side::Beyond) continue;
    surface.faces[kept] = surface.faces[f];
    if (f < surface.faceLines.size()) surface.faceLines[kept] = surface.faceLines[f];
    ++kept;
  }
  surface.faces.resize(kept);
  if (surface.faceLines.size() > kept) surface.faceLines.resize(kept);
}

}  // namespace survey
