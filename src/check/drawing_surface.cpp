#include "check/drawing_surface.h"

#include <cmath>
#include <optional>
#include <string>

#include "host/dxf/fields.h"
#include "host/dxf/reader.h"
#include "host/model/document.h"
#include "survey/point_file_error.h"
#include "survey/surface_triangulation.h"

namespace check {
namespace {

constexpr std::int64_t kPolyface = 64;                       // polyline flag
constexpr std::int64_t kFaceRecord = 128, kMeshVertex = 64;  // vertex flags

class SurfaceBuilder {
 public:
  explicit SurfaceBuilder(survey::TinSurface& surface) : surface_(surface) {}

  void addFace(const Eigen::Vector3d& a, const Eigen::Vector3d& b, const Eigen::Vector3d& c) {
    if (!a.allFinite() || !b.allFinite() || !c.allFinite()) return;
    const auto first = static_cast<std::uint32_t>(surface_.points.size());
    for (const Eigen::Vector3d* p : {&a, &b, &c})
      surface_.points.push_back({p->x(), p->y(), p->z()});
    surface_.faces.push_back({first, first + 1, first + 2});
  }

  // A 3DFACE: a triangle, or a quadrilateral whose fourth corner is not its third.
  void addFace3d(const host::model::RawGroups& groups) {
    const host::dxf::Fields f(groups);
    const Eigen::Vector3d a = f.point(10), b = f.point(11), c = f.point(12), d = f.point(13, c);
    addFace(a, b, c);
    if (d != c) addFace(a, c, d);
  }

  // A polyface mesh's face records, each a triangle or a quadrilateral on its vertices.
  void addPolyface(const host::model::RawGroups& groups) {
    const host::dxf::Fields head(groups);
    if (!(head.whole(70, 0) & kPolyface)) return;
    std::vector<Eigen::Vector3d> points;
    std::vector<std::array<std::int64_t, 4>> faces;
    for (std::size_t i = head.end(); i < groups.size();) {
      const host::dxf::Fields f(groups, i);
      const std::int64_t flags = f.whole(70, 0);
      if (groups[i].value == "VERTEX" && (flags & kMeshVertex)) points.push_back(f.point(10));
      if (groups[i].value == "VERTEX" && (flags & kFaceRecord) && !(flags & kMeshVertex)) {
        faces.push_back({f.whole(71, 0), f.whole(72, 0), f.whole(73, 0), f.whole(74, 0)});
      }
      i = f.end();
    }
    const auto corner = [&](std::int64_t index) -> const Eigen::Vector3d* {
      const std::int64_t k = std::abs(index);  // negative: a hidden edge, the corner the same
      return k >= 1 && k <= static_cast<std::int64_t>(points.size())
                 ? &points[static_cast<std::size_t>(k - 1)]
                 : nullptr;
    };
    for (const auto& face : faces) {
      const Eigen::Vector3d *a = corner(face[0]), *b = corner(face[1]), *c = corner(face[2]);
      if (!a || !b || !c) continue;
      addFace(*a, *b, *c);
      if (const Eigen::Vector3d* d = corner(face[3])) addFace(*a, *c, *d);
    }
  }

 private:
  survey::TinSurface& surface_;
};

}  // namespace

survey::TinSurface readDrawingSurface(const std::filesystem::path& path,
                                      const SurfaceOptions& options) {
  const std::unique_ptr<host::model::Document> drawing = host::dxf::readDxf(path);
  const auto& layers = drawing->layers();
  const auto onLayer = [&](const host::model::Entity& entity,
                           const std::optional<std::string>& layer) {
    return !layer || layers[entity.layer].name == *layer;
  };
  survey::TinSurface surface;
  surface.name = path.string();
  survey::TriangulationInput points{path.string(), {}, {}, options.maxEdge};
  SurfaceBuilder faces(surface);
  const auto& model = drawing->blocks()[host::model::BlockTable::kModelSpace];
  for (const host::model::Entity& entity : model.entities) {
    if (const auto* kept = std::get_if<host::model::UnsupportedEntity>(&entity.data)) {
      if (!onLayer(entity, options.layer)) continue;
      if (kept->type == "3DFACE") faces.addFace3d(kept->groups);
      if (kept->type == "POLYLINE") faces.addPolyface(kept->groups);
    } else if (const auto* point = std::get_if<host::model::Point>(&entity.data)) {
      if (onLayer(entity, options.layer)) {
        points.points.push_back({point->position.x(), point->position.y(), point->position.z()});
      }
    } else if (const auto* line = std::get_if<host::model::Polyline3d>(&entity.data)) {
      if (!options.breaklinesLayer || layers[entity.layer].name != *options.breaklinesLayer) {
        continue;
      }
      survey::Breakline breakline;
      for (const Eigen::Vector3d& v : line->vertices)
        breakline.points.push_back({v.x(), v.y(), v.z()});
      if (line->closed && !line->vertices.empty())
        breakline.points.push_back(breakline.points.front());
      points.breaklines.push_back(std::move(breakline));
    }
  }
  if (!surface.faces.empty()) return surface;
  if (points.points.empty() && points.breaklines.empty()) {
    const std::string where = options.layer ? " on layer " + *options.layer : "";
    throw survey::PointFileError(
        surface.name, 0,
        "holds no 3DFACEs, polyface meshes or POINTs" + where + " to make a surface of");
  }
  survey::TinSurface triangulated = survey::triangulate(points);
  // Kept to be drawn with the surface: its faces follow them.
  triangulated.breaklines = std::move(points.breaklines);
  return triangulated;
}

}  // namespace check
