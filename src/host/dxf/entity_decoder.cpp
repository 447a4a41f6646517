#include "host/dxf/entity_decoder.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "host/dxf/entity_properties.h"
#include "host/dxf/exact_placements.h"
#include "host/dxf/fields.h"
#include "host/dxf/unsupported_records.h"
#include "host/geom/invalid_input.h"
#include "host/geom/ocs.h"
#include "host/geom/transform.h"

namespace host::dxf {
namespace {

using Eigen::Vector3d;
using model::EntityData;

const Vector3d kUnitZ = Vector3d::UnitZ();

// Extrusion direction; a zero or non-finite one makes the entity unmodelled.
std::optional<geom::Frame> ocsOf(const Vector3d& normal) {
  try {
    return geom::objectCoordinateSystem(normal);
  } catch (const InvalidInput&) {
    return std::nullopt;
  }
}

std::optional<EntityData> decodeLine(const Fields& f) {
  return model::Line{f.point(10), f.point(11)};
}

std::optional<EntityData> decodePoint(const Fields& f) {
  return model::Point{f.point(10)};
}

std::optional<EntityData> decodeCircle(const Fields& f) {
  const Vector3d normal = f.point(210, kUnitZ);
  const auto ocs = ocsOf(normal);
  if (!ocs) return std::nullopt;
  return model::Circle{ocs->pointToWorld(f.point(10)), f.real(40, 0.0), normal.normalized()};
}

std::optional<EntityData> decodeArc(const Fields& f) {
  const Vector3d normal = f.point(210, kUnitZ);
  const auto ocs = ocsOf(normal);
  if (!ocs) return std::nullopt;
  return model::Arc{ocs->pointToWorld(f.point(10)), f.real(40, 0.0), normal.normalized(),
                    degreesToRadians(f.real(50, 0.0)), degreesToRadians(f.real(51, 360.0))};
}

std::optional<EntityData> decodeEllipse(const Fields& f) {
  geom::EllipseArc shape;
  shape.centre = f.point(10);
  shape.majorAxis = f.point(11);
  // The normal only gives the ellipse's plane and sense: its length means nothing.
  shape.normal = f.point(210, kUnitZ);
  if (!ocsOf(shape.normal)) return std::nullopt;
  shape.normal.normalize();
  shape.ratio = f.real(40, 1.0);
  shape.startParameter = f.real(41, 0.0);
  shape.endParameter = f.real(42, 2.0 * std::numbers::pi);
  return model::Ellipse{shape};
}

std::optional<EntityData> decodeTextEntity(ReaderContext& context, const Fields& f) {
  // Aligned, fitted, centred or right-aligned text is placed by its glyph widths, which this
  // program does not know: such text is kept as read.
  if (f.whole(72, 0) != 0 || f.whole(73, 0) != 0) return std::nullopt;
  const Vector3d normal = f.point(210, kUnitZ);
  const auto ocs = ocsOf(normal);
  if (!ocs) return std::nullopt;
  const double rotation = degreesToRadians(f.real(50, 0.0));
  const double oblique = degreesToRadians(f.real(51, 0.0));
  const std::int64_t generation = f.whole(71, 0);
  const Vector3d n = normal.normalized();
  const Vector3d u = ocs->vectorToWorld({std::cos(rotation), std::sin(rotation), 0.0});
  const Vector3d v = n.cross(u);
  model::Text text;
  if (f.has(1)) text.text = context.text(f.group(1));
  text.style = context.style(f.text(7));
  text.height = f.real(40, 0.0);
  text.placement.linear().col(0) = (generation & 2 ? -1.0 : 1.0) * f.real(41, 1.0) * u;
  text.placement.linear().col(1) = (generation & 4 ? -1.0 : 1.0) * (std::tan(oblique) * u + v);
  text.placement.linear().col(2) = n;
  text.placement.translation() = ocs->pointToWorld(f.point(10));
  return text;
}

std::optional<EntityData> decodeMText(ReaderContext& context, const Record& record,
                                      const Fields& f) {
  // Attachment other than top left moves the text by its extent: kept as read.
  const std::int64_t attachment = f.whole(71, 1);
  if (attachment != 1 && attachment != 0) return std::nullopt;
  model::MText text;
  text.normal = f.point(210, kUnitZ);
  const auto ocs = ocsOf(text.normal);
  if (!ocs) return std::nullopt;
  text.normal.normalize();
  text.insertion = f.point(10);
  text.height = f.real(40, 0.0);
  text.width = f.real(41, 0.0);
  if (f.has(11)) {
    text.direction = f.point(11);
  } else {
    const double rotation = f.real(50, 0.0);
    text.direction = ocs->vectorToWorld({std::cos(rotation), std::sin(rotation), 0.0});
  }
  if (text.direction.norm() == 0.0) return std::nullopt;
  text.direction.normalize();
  // The text comes in pieces of 250 characters: 3 groups, then the last piece in group 1.
  std::size_t length = 0;
  for (const Group& group : record) {
    if (group.code == 3 || group.code == 1) length += group.value.size();
  }
  std::string raw;
  raw.reserve(length);
  for (const Group& group : record) {
    if (group.code == 3 || group.code == 1) raw.append(group.value);
  }
  text.text = decodeText(raw, context.encoding);
  text.style = context.style(f.text(7));
  return text;
}

std::optional<EntityData> decodeLwPolyline(ReaderContext& context, const Record& record,
                                           const Fields& f) {
  if (f.real(43, 0.0) != 0.0) return std::nullopt;
  model::Polyline2d polyline;
  bool widths = false;
  for (const Group& group : record) {
    switch (group.code) {
      case 10:
        polyline.vertices.push_back({Eigen::Vector2d(context.real(group), 0.0), 0.0});
        break;
      case 20:
      case 42:
      case 40:
      case 41: {
        if (polyline.vertices.empty()) {
          context.fail(group.line, "a polyline vertex value comes before its X (group code 10)");
        }
        const double value = context.real(group);
        auto& vertex = polyline.vertices.back();
        if (group.code == 20) vertex.point.y() = value;
        if (group.code == 42) vertex.bulge = value;
        if (group.code == 40 || group.code == 41) widths = widths || value != 0.0;
        break;
      }
      default:
        break;
    }
  }
  if (f.has(90)) {
    const std::int64_t count = f.whole(90, 0);
    if (count < 0 || static_cast<std::uint64_t>(count) != polyline.vertices.size()) {
      context.fail(f.group(90).line, "the polyline declares " + std::to_string(count) +
                                         " vertices but holds " +
                                         std::to_string(polyline.vertices.size()));
    }
  }
  if (widths) return std::nullopt;
  polyline.closed = (f.whole(70, 0) & 1) != 0;
  polyline.elevation = f.real(38, 0.0);
  polyline.extrusion = f.point(210, kUnitZ);
  if (!ocsOf(polyline.extrusion)) return std::nullopt;
  polyline.extrusion.normalize();
  return polyline;
}

// POLYLINE, its VERTEX records and SEQEND.
std::optional<EntityData> decodePolyline(ReaderContext& context, std::span<const Record> records,
                                         const Fields& head) {
  const std::int64_t flags = head.whole(70, 0);
  constexpr std::int64_t kCurveFit = 2, kSplineFit = 4, k3d = 8, kMesh = 16, kPolyface = 64;
  if (flags & (kCurveFit | kSplineFit | kMesh | kPolyface)) return std::nullopt;
  if (head.real(40, 0.0) != 0.0 || head.real(41, 0.0) != 0.0) return std::nullopt;
  model::Polyline3d polyline3d;
  model::Polyline2d polyline2d;
  for (const Record& record : records.subspan(1)) {
    if (record.type() != "VERTEX") continue;
    const Fields vertex(context, record);
    constexpr std::int64_t kSplineVertex = 8, kFrameControl = 16;
    if (vertex.whole(70, 0) & (kSplineVertex | kFrameControl)) return std::nullopt;
    if (vertex.real(40, 0.0) != 0.0 || vertex.real(41, 0.0) != 0.0) return std::nullopt;
    const Vector3d point = vertex.point(10);
    polyline3d.vertices.push_back(point);
    polyline2d.vertices.push_back({point.head<2>(), vertex.real(42, 0.0)});
  }
  const bool closed = (flags & 1) != 0;
  if (flags & k3d) {
    polyline3d.closed = closed;
    return polyline3d;
  }
  polyline2d.closed = closed;
  polyline2d.elevation = head.point(10).z();
  polyline2d.extrusion = head.point(210, kUnitZ);
  if (!ocsOf(polyline2d.extrusion)) return std::nullopt;
  polyline2d.extrusion.normalize();
  return polyline2d;
}

// Whether the records after an insert's own hold attributes: an insert flagged as having them
// may be closed by its SEQEND alone, and is then drawn as any other insert.
bool hasAttributes(std::span<const Record> records) {
  return std::ranges::any_of(records.subspan(1),
                             [](const Record& record) { return record.type() != "SEQEND"; });
}

std::optional<EntityData> decodeInsert(const Fields& f, std::span<const Record> records) {
  if (hasAttributes(records)) return std::nullopt;                    // kept as read
  if (f.whole(70, 1) > 1 || f.whole(71, 1) > 1) return std::nullopt;  // an array of inserts
  const Vector3d normal = f.point(210, kUnitZ);
  const auto ocs = ocsOf(normal);
  if (!ocs) return std::nullopt;
  const double rotation = degreesToRadians(f.real(50, 0.0));
  const Vector3d scale(f.real(41, 1.0), f.real(42, 1.0), f.real(43, 1.0));
  model::BlockReference insert;
  insert.placement = geom::blockPlacement(ocs->pointToWorld(f.point(10)), *ocs, rotation, scale);
  return insert;
}

// Calls keep(group) for the groups of a record but those that tie it into the file's object
// graph, which the writer builds afresh: the handle, the owner (a 330 before the first subclass
// marker) and the reactor and extension dictionary lists ("102 {ACAD_..." to "102 }"); and
// but the paper-space flag (67) of an entity of a space (`inSpace`), which the space gives.
template <typename Keep>
void forEachKeptGroup(const Record& record, bool keepType, bool inSpace, Keep keep) {
  bool type = true;
  bool beforeSubclass = true;
  bool inApplicationGroup = false;
  for (const Group& group : record) {
    if (std::exchange(type, false) && !keepType) continue;
    if (inApplicationGroup) {
      if (group.code == 102) inApplicationGroup = false;
      continue;
    }
    if (group.code == 100) beforeSubclass = false;
    if (group.code == 5 || (group.code == 330 && beforeSubclass)) continue;
    if (group.code == 67 && inSpace) continue;
    if (group.code == 102 && group.value.starts_with("{ACAD_")) {
      inApplicationGroup = true;
      continue;
    }
    keep(group);
  }
}

void appendRawGroups(const ReaderContext& context, const Record& record, bool keepType,
                     bool inSpace, model::UnsupportedEntity& raw) {
  forEachKeptGroup(record, keepType, inSpace, [&](const Group& group) {
    switch (keptGroup(raw.type, group.code, group.value)) {
      case KeptGroup::kLayerByName:
        // Unknown handles point at nothing: dropped.
        if (const auto layer = context.layerByHandle(group.value)) {
          raw.groups.append(group.code, context.document.layers()[*layer].name);
        }
        break;
      default:
        if (needsDecoding(group.value)) {
          raw.groups.append(group.code, decodeText(group.value, context.encoding));
        } else {
          raw.groups.append(group.code, group.value);
        }
    }
  });
}

}  // namespace

DecodedEntity decodeEntity(ReaderContext& context, std::span<const Record> records) {
  const Record& record = records.front();
  const Fields f(context, record);
  DecodedEntity decoded;
  decoded.layerName = f.text(8, "0");
  decoded.paperSpace = f.whole(67, 0) == 1;
  if (f.has(5)) decoded.handle = parseHandle(f.text(5)).value_or(0);
  bool readable = true;
  decoded.properties = decodeProperties(record, readable);
  if (needsDecoding(decoded.properties.lineType.str())) {
    decoded.properties.lineType = decodeText(decoded.properties.lineType.str(), context.encoding);
  }
  const std::string_view type = record.type();
  if (type == "LINE") {
    decoded.data = decodeLine(f);
  } else if (type == "INSERT") {
    decoded.data = decodeInsert(f, records);
    decoded.blockName = f.text(2);
    if (ReaderContext::isBlank(decoded.blockName)) decoded.data.reset();
  } else if (type == "TEXT") {
    decoded.data = decodeTextEntity(context, f);
  } else if (type == "POINT") {
    decoded.data = decodePoint(f);
  } else if (type == "ELLIPSE") {
    decoded.data = decodeEllipse(f);
  } else if (type == "CIRCLE") {
    decoded.data = decodeCircle(f);
  } else if (type == "ARC") {
    decoded.data = decodeArc(f);
  } else if (type == "LWPOLYLINE") {
    decoded.data = decodeLwPolyline(context, record, f);
  } else if (type == "POLYLINE") {
    decoded.data = decodePolyline(context, records, f);
  } else if (type == "MTEXT") {
    decoded.data = decodeMText(context, record, f);
  }
  decoded.modelledWhole =
      readable && decoded.data && records.size() == 1 && isModelledWhole(record);
  if (decoded.modelledWhole && type == "INSERT") {
    decoded.modelledWhole = insertComesBack(f, std::get<model::BlockReference>(*decoded.data));
  } else if (decoded.modelledWhole && type == "TEXT") {
    decoded.modelledWhole = textComesBack(context, f, std::get<model::Text>(*decoded.data));
  }
  return decoded;
}

model::UnsupportedEntity rawEntity(const ReaderContext& context, std::span<const Record> records,
                                   bool inSpace) {
  model::UnsupportedEntity raw;
  raw.type = std::string(records.front().type());
  // Room for every group at once: a record of millions of groups is not copied as it grows.
  std::size_t groups = 0;
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    forEachKeptGroup(records[i], i > 0, inSpace, [&](const Group& group) {
      ++groups;
      bytes += group.value.size();
    });
  }
  raw.groups.reserve(groups, bytes);
  for (std::size_t i = 0; i < records.size(); ++i) {
    appendRawGroups(context, records[i], i > 0, inSpace, raw);
  }
  return raw;
}

}  // namespace host::dxf
