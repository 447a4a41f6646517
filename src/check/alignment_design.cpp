#include "check/alignment_design.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <variant>

#include "host/dxf/dxf_error.h"
#include "host/dxf/reader.h"
#include "host/geom/ocs.h"
#include "survey/landxml_alignment.h"
#include "survey/polyline_plan.h"

namespace check {
namespace {

using Eigen::Vector2d;
using Eigen::Vector3d;

bool startsAsXml(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::string start(256, '\0');
  file.read(start.data(), static_cast<std::streamsize>(start.size()));
  start.resize(static_cast<std::size_t>(file.gcount()));
  return survey::looksLikeXmlText(start);
}

std::string hex(host::model::Handle handle) {
  std::ostringstream text;
  text << std::uppercase << std::hex << handle;
  return text.str();
}

// The polyline's plan in world: its vertices out of its object coordinate system.
std::vector<survey::PlanElement> planOf(const host::model::Polyline2d& polyline) {
  const host::geom::Frame ocs = host::geom::objectCoordinateSystem(polyline.extrusion);
  // Seen from above, a polyline drawn with its normal pointing down turns the other way.
  const bool mirrored = polyline.extrusion.z() < 0.0;
  std::vector<survey::BulgedVertex> vertices;
  for (const auto& vertex : polyline.vertices) {
    const Vector2d point = ocs.pointToWorld({vertex.point.x(), vertex.point.y(), 0.0}).head<2>();
    vertices.push_back({point, mirrored ? -vertex.bulge : vertex.bulge});
  }
  return survey::planOfPolyline(vertices, polyline.closed);
}

// Lines from vertex to vertex, and a profile through their heights.
survey::Alignment alignmentOf(const host::model::Polyline3d& polyline, double start) {
  std::vector<survey::PlanElement> elements;
  std::vector<survey::Pvi> pvis{{start, polyline.vertices.front().z()}};
  double chainage = start;
  std::vector<Vector3d> vertices = polyline.vertices;
  if (polyline.closed) vertices.push_back(vertices.front());
  for (std::size_t i = 1; i < vertices.size(); ++i) {
    const Vector2d a = vertices[i - 1].head<2>();
    const Vector2d b = vertices[i].head<2>();
    if ((b - a).norm() == 0.0) continue;
    elements.push_back(survey::PlanElement::line(a, b));
    chainage += (b - a).norm();
    pvis.push_back({chainage, vertices[i].z()});
  }
  if (elements.empty()) return {};
  return {"", survey::HorizontalAlignment(std::move(elements), start),
          survey::Profile(std::move(pvis))};
}

std::unique_ptr<host::model::Document> readDrawing(const std::filesystem::path& drawing) {
  try {
    return host::dxf::readDxf(drawing);
  } catch (const host::dxf::DxfError&) {
    throw;
  } catch (const std::exception& e) {
    throw std::runtime_error(drawing.string() + ": " + e.what());
  }
}

survey::Alignment polylineAlignment(const std::filesystem::path& design,
                                    const AlignmentOptions& options) {
  const std::string file = design.string();
  if (!options.layer) {
    throw std::runtime_error(file +
                             ": a drawing gives the alignment as a polyline: name its layer with "
                             "--layer NAME");
  }
  const std::unique_ptr<host::model::Document> document = readDrawing(design);
  const std::optional<host::model::LayerIndex> layer = document->layers().find(*options.layer);
  if (!layer) throw std::runtime_error(file + " has no layer '" + *options.layer + "'");
  std::vector<const host::model::Entity*> polylines;
  for (const host::model::Entity& entity :
       document->blocks()[host::model::BlockTable::kModelSpace].entities) {
    if (entity.layer != *layer) continue;
    if (std::holds_alternative<host::model::Polyline2d>(entity.data) ||
        std::holds_alternative<host::model::Polyline3d>(entity.data)) {
      polylines.push_back(&entity);
    }
  }
  const std::string where = file + ": layer '" + *options.layer + "'";
  if (polylines.empty()) throw std::runtime_error(where + " holds no polyline in model space");
  if (polylines.size() > 1) {
    std::string handles;
    for (const host::model::Entity* entity : polylines) {
      handles += (handles.empty() ? "" : ", ") + hex(entity->handle);
    }
    throw std::runtime_error(where + " holds " + std::to_string(polylines.size()) +
                             " polylines (handles " + handles +
                             "): leave one alignment on it, or put it on a layer of its own");
  }
  const host::model::Entity& entity = *polylines.front();
  const double start = options.startChainage.value_or(0.0);
  survey::Alignment alignment;
  try {
    if (const auto* flat = std::get_if<host::model::Polyline2d>(&entity.data)) {
      std::vector<survey::PlanElement> elements = planOf(*flat);
      if (!elements.empty()) alignment.plan = {std::move(elements), start};
    } else {
      alignment = alignmentOf(std::get<host::model::Polyline3d>(entity.data), start);
    }
  } catch (const std::invalid_argument& e) {
    throw std::runtime_error(where + ": the polyline (handle " + hex(entity.handle) + ") has " +
                             e.what());
  }
  if (alignment.plan.elements().empty()) {
    throw std::runtime_error(where + ": the polyline (handle " + hex(entity.handle) +
                             ") has no length in plan");
  }
  return alignment;
}

}  // namespace

survey::Alignment readAlignmentDesign(const std::filesystem::path& design,
                                      const AlignmentOptions& options) {
  if (!startsAsXml(design)) return polylineAlignment(design, options);
  // The file's staStart holds for its profile's stations too.
  if (options.startChainage) {
    throw std::runtime_error(design.string() +
                             ": a LandXML alignment gives its own start chainage (staStart); "
                             "--start-chainage is for drawings");
  }
  if (options.layer) {
    throw std::runtime_error(design.string() +
                             ": --layer is for drawings; choose a LandXML "
                             "alignment with --alignment NAME");
  }
  return survey::readLandXmlAlignment(design, options.name);
}

}  // namespace check
