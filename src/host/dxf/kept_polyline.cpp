#include "host/dxf/kept_polyline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/dxf/fields.h"
#include "host/geom/invalid_input.h"
#include "host/geom/ocs.h"

namespace host::dxf {
namespace {

using Eigen::Vector2d;
using Eigen::Vector3d;

constexpr double kChordAngle = std::numbers::pi / 36.0;  // 5 degrees per chord, as arcs
constexpr std::int64_t kClosed = 1, kClosedAcross = 32;
constexpr std::int64_t k3d = 8, kMesh = 16, kPolyface = 64;                      // polyline flags
constexpr std::int64_t kFrameControl = 16, kFaceRecord = 128, kMeshVertex = 64;  // vertex flags

struct Vertex {
  Vector3d point = Vector3d::Zero();
  double startWidth = 0.0;
  double endWidth = 0.0;
  double bulge = 0.0;
  std::int64_t flags = 0;
  std::array<std::int64_t, 4> face{};  // of a polyface's face record: 1-based, negative hidden
};

// A point of a segment, with the width there and the direction across it (unit, leftwards).
struct Station {
  Vector2d at;
  double width;
  Vector2d across;
};

// The stations of the segment from `a` to `b`, following its bulge.
std::vector<Station> stations(const Vertex& a, const Vertex& b) {
  const Vector2d from = a.point.head<2>();
  const Vector2d to = b.point.head<2>();
  const Vector2d chord = to - from;
  const double length = chord.norm();
  if (length == 0.0) return {};
  const Vector2d left(-chord.y() / length, chord.x() / length);
  if (std::abs(a.bulge) < 1e-9) {
    return {{from, a.startWidth, left}, {to, a.endWidth, left}};
  }
  const double included = 4.0 * std::atan(a.bulge);
  const Vector2d centre = 0.5 * (from + to) + left * (0.5 * length / std::tan(0.5 * included));
  const double radius = (from - centre).norm();
  const double start = std::atan2(from.y() - centre.y(), from.x() - centre.x());
  const int chords = std::max(2, static_cast<int>(std::ceil(std::abs(included) / kChordAngle)));
  std::vector<Station> result;
  for (int k = 0; k <= chords; ++k) {
    const double t = double(k) / chords;
    const Vector2d radial(std::cos(start + included * t), std::sin(start + included * t));
    // Leftwards of the direction of travel is towards the centre on a counter-clockwise arc.
    const Vector2d across = included > 0 ? Vector2d(-radial) : radial;
    result.push_back({k == chords ? to : Vector2d(centre + radius * radial),
                      a.startWidth + t * (a.endWidth - a.startWidth), across});
  }
  return result;
}

class PolylineShapes {
 public:
  PolylineShapes(const geom::Frame& ocs, double elevation, const Eigen::Affine3d& toWorld)
      : ocs_(ocs), elevation_(elevation), toWorld_(toWorld) {}

  // A 2D polyline: thin segments join into outlines, wide ones are filled bands.
  model::KeptShapes flat(const std::vector<Vertex>& vertices, bool closed) {
    const std::size_t count = vertices.size();
    const std::size_t segments = closed ? count : (count == 0 ? 0 : count - 1);
    model::WorldPolyline thin{{}, false};
    for (std::size_t i = 0; i < segments; ++i) {
      const auto along = stations(vertices[i], vertices[(i + 1) % count]);
      if (along.empty()) continue;
      if (vertices[i].startWidth == 0.0 && vertices[i].endWidth == 0.0) {
        if (thin.points.empty()) thin.points.push_back(place(along.front().at));
        for (std::size_t k = 1; k < along.size(); ++k) thin.points.push_back(place(along[k].at));
        continue;
      }
      endOutline(thin);
      model::WorldPolyline band{{}, true};
      for (const auto& s : along) band.points.push_back(place(s.at + 0.5 * s.width * s.across));
      for (auto s = along.rbegin(); s != along.rend(); ++s) {
        band.points.push_back(place(s->at - 0.5 * s->width * s->across));
      }
      shapes_.areas.push_back({{std::move(band)}, false});
    }
    endOutline(thin);
    return std::move(shapes_);
  }

 private:
  geom::Frame ocs_;
  double elevation_;
  Eigen::Affine3d toWorld_;
  model::KeptShapes shapes_;

  Vector3d place(const Vector2d& p) const {
    return toWorld_ * ocs_.pointToWorld({p.x(), p.y(), elevation_});
  }
  void endOutline(model::WorldPolyline& outline) {
    if (outline.points.size() > 1) shapes_.outlines.push_back(outline);
    outline.points.clear();
  }
};

std::vector<Vertex> lightweightVertices(const model::RawGroups& groups, double width) {
  std::vector<Vertex> vertices;
  for (const auto& [code, value] : groups) {
    if (code == 10) vertices.push_back({Vector3d::Zero(), width, width, 0.0, 0, {}});
    if (vertices.empty()) continue;
    const double number = realOf(value).value_or(0.0);
    if (code == 10) vertices.back().point.x() = number;
    if (code == 20) vertices.back().point.y() = number;
    if (code == 40) vertices.back().startWidth = number;
    if (code == 41) vertices.back().endWidth = number;
    if (code == 42) vertices.back().bulge = number;
  }
  return vertices;
}

std::vector<Vertex> vertexRecords(const model::RawGroups& groups, const Fields& head) {
  std::vector<Vertex> vertices;
  for (std::size_t i = head.end(); i < groups.size();) {
    const Fields f(groups, i);
    if (groups[i].value == "VERTEX") {
      vertices.push_back({f.point(10),
                          f.real(40, head.real(40, 0.0)),
                          f.real(41, head.real(41, 0.0)),
                          f.real(42, 0.0),
                          f.whole(70, 0),
                          {f.whole(71, 0), f.whole(72, 0), f.whole(73, 0), f.whole(74, 0)}});
    }
    i = f.end();
  }
  return vertices;
}

// The edges of a mesh of `rows` by `columns` vertices, or of a polyface mesh's faces.
model::KeptShapes meshEdges(const std::vector<Vertex>& vertices, const Fields& head,
                            const Eigen::Affine3d& toWorld) {
  model::KeptShapes shapes;
  const auto edge = [&](const Vector3d& a, const Vector3d& b) {
    shapes.outlines.push_back({{toWorld * a, toWorld * b}, false});
  };
  const std::int64_t flags = head.whole(70, 0);
  if (flags & kPolyface) {
    std::vector<Vector3d> points;
    for (const Vertex& v : vertices) {
      if (v.flags & kMeshVertex) points.push_back(v.point);
    }
    for (const Vertex& v : vertices) {
      if ((v.flags & kMeshVertex) || !(v.flags & kFaceRecord)) continue;
      std::vector<std::int64_t> corners;
      for (const std::int64_t index : v.face) {
        if (index != 0) corners.push_back(index);
      }
      for (std::size_t k = 0; k < corners.size(); ++k) {
        const std::int64_t a = std::abs(corners[k]);
        const std::int64_t b = std::abs(corners[(k + 1) % corners.size()]);
        const auto size = static_cast<std::int64_t>(points.size());
        if (corners[k] < 0 || a > size || b > size) continue;
        edge(points[static_cast<std::size_t>(a - 1)], points[static_cast<std::size_t>(b - 1)]);
      }
    }
    return shapes;
  }
  const std::int64_t rows = head.whole(71, 0);
  const std::int64_t columns = head.whole(72, 0);
  if (rows < 1 || columns < 1 || rows * columns > static_cast<std::int64_t>(vertices.size())) {
    return shapes;
  }
  const auto at = [&](std::int64_t r, std::int64_t c) {
    return vertices[static_cast<std::size_t>(r * columns + c)].point;
  };
  for (std::int64_t r = 0; r < rows; ++r) {
    for (std::int64_t c = 0; c < columns; ++c) {
      if (c + 1 < columns || (flags & kClosedAcross)) edge(at(r, c), at(r, (c + 1) % columns));
      if (r + 1 < rows || (flags & kClosed)) edge(at(r, c), at((r + 1) % rows, c));
    }
  }
  return shapes;
}

}  // namespace

std::optional<model::KeptShapes> keptPolyline(std::string_view type, const model::RawGroups& groups,
                                              const Eigen::Affine3d& toWorld) {
  const Fields head(groups);
  geom::Frame ocs;
  try {
    ocs = geom::objectCoordinateSystem(head.point(210, Vector3d::UnitZ()));
  } catch (const InvalidInput&) {
    return std::nullopt;
  }
  const std::int64_t flags = head.whole(70, 0);
  const bool closed = (flags & kClosed) != 0;
  if (type == "LWPOLYLINE") {
    const auto vertices = lightweightVertices(groups, head.real(43, 0.0));
    return PolylineShapes(ocs, head.real(38, 0.0), toWorld).flat(vertices, closed);
  }
  std::vector<Vertex> vertices = vertexRecords(groups, head);
  if (flags & (kMesh | kPolyface)) return meshEdges(vertices, head, toWorld);
  // A fitted curve shows the vertices fitted to it, not the frame it was fitted to.
  std::erase_if(vertices, [](const Vertex& v) { return (v.flags & kFrameControl) != 0; });
  if (flags & k3d) {
    model::WorldPolyline outline{{}, closed};
    for (const Vertex& v : vertices) outline.points.push_back(toWorld * v.point);
    model::KeptShapes shapes;
    shapes.outlines.push_back(std::move(outline));
    return shapes;
  }
  return PolylineShapes(ocs, head.point(10).z(), toWorld).flat(vertices, closed);
}

}  // namespace host::dxf
