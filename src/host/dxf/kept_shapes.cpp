#include "host/dxf/kept_shapes.h"

#include "host/dxf/fields.h"
#include "host/geom/invalid_input.h"
#include "host/geom/ocs.h"

namespace host::dxf {

std::optional<model::KeptShapes> keptFace(std::string_view type, const model::RawGroups& groups,
                                          const Eigen::Affine3d& toWorld) {
  const Fields f(groups);
  std::vector<Eigen::Vector3d> corners{f.point(10), f.point(11), f.point(12)};
  corners.push_back(f.point(13, corners[2]));
  model::KeptShapes shapes;
  if (type == "3DFACE") {
    // Corners in world coordinates; bit k of group 70 hides the edge from corner k.
    const std::int64_t hidden = f.whole(70, 0);
    for (std::size_t k = 0; k < 4; ++k) {
      if (hidden & (1 << k)) continue;
      shapes.outlines.push_back({{toWorld * corners[k], toWorld * corners[(k + 1) % 4]}, false});
    }
    return shapes;
  }
  geom::Frame ocs;
  try {
    ocs = geom::objectCoordinateSystem(f.point(210, Eigen::Vector3d::UnitZ()));
  } catch (const InvalidInput&) {
    return std::nullopt;
  }
  model::WorldPolyline area{{}, true};
  for (const std::size_t k : {0, 1, 3, 2}) {
    area.points.push_back(toWorld * ocs.pointToWorld(corners[k]));
  }
  if (corners[3] == corners[2]) area.points.pop_back();
  shapes.areas.push_back({{std::move(area)}, false});
  return shapes;
}

std::optional<model::KeptShapes> keptImageFrame(const model::RawGroups& groups,
                                                const Eigen::Affine3d& toWorld) {
  const Fields f(groups);
  const double width = f.real(13, 0.0);
  const double height = f.real(23, 0.0);
  if (!(width > 0.0 && height > 0.0)) return std::nullopt;
  const Eigen::Vector3d origin = f.point(10);
  const Eigen::Vector3d across = width * f.point(11);
  const Eigen::Vector3d up = height * f.point(12);
  model::KeptShapes shapes;
  shapes.outlines.push_back({{toWorld * origin, toWorld * (origin + across),
                              toWorld * (origin + across + up), toWorld * (origin + up)},
                             true});
  return shapes;
}

}  // namespace host::dxf
