#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "host/dxf/extrusion_groups.h"
#include "host/dxf/placement.h"
#include "host/dxf/reader_context.h"
#include "host/dxf/release12_subclasses.h"
#include "host/dxf/text_codec.h"
#include "host/dxf/unsupported_records.h"
#include "host/dxf/write_context.h"
#include "host/geom/ocs.h"
#include "host/model/names.h"

namespace host::dxf {
namespace {

using Eigen::Vector3d;

constexpr std::size_t kTextPiece = 250;

class EntityWriter {
 public:
  EntityWriter(WriteContext& context, const model::Entity& entity, Handle owner, bool paperSpace)
      : context_(context),
        out_(context.out),
        entity_(entity),
        owner_(owner),
        paperSpace_(paperSpace) {}

  void operator()(const model::Line& line) {
    start("LINE", "AcDbLine");
    out_.point(10, line.start);
    out_.point(11, line.end);
  }
  void operator()(const model::Point& point) {
    start("POINT", "AcDbPoint");
    out_.point(10, point.position);
  }
  void operator()(const model::Circle& circle) {
    start("CIRCLE", "AcDbCircle");
    circleData(circle.centre, circle.radius, circle.normal);
  }
  void operator()(const model::Arc& arc) {
    start("ARC", "AcDbCircle");
    circleData(arc.centre, arc.radius, arc.normal);
    out_.text(100, "AcDbArc");
    out_.real(50, radiansToDegrees(arc.startAngle));
    out_.real(51, radiansToDegrees(arc.endAngle));
  }
  void operator()(const model::Ellipse& ellipse) {
    start("ELLIPSE", "AcDbEllipse");
    const geom::EllipseArc& shape = ellipse.shape;
    out_.point(10, shape.centre);
    out_.point(11, shape.majorAxis);
    out_.point(210, shape.normal);
    out_.real(40, shape.ratio);
    out_.real(41, shape.startParameter);
    out_.real(42, shape.endParameter);
  }
  void operator()(const model::Text& text) {
    const TextParameters p = textParameters(text.placement, text.height);
    start("TEXT", "AcDbText");
    out_.point(10, p.insertion);
    out_.real(40, p.height);
    out_.text(1, encodeText(text.text, context_.encoding));
    out_.real(50, radiansToDegrees(p.rotation));
    out_.real(41, p.widthFactor);
    out_.real(51, radiansToDegrees(p.oblique));
    out_.text(7, styleName(text.style));
    out_.point(210, p.normal);
    out_.text(100, "AcDbText");
  }
  void operator()(const model::MText& text) {
    start("MTEXT", "AcDbMText");
    out_.point(10, text.insertion);
    out_.real(40, text.height);
    out_.real(41, text.width);
    out_.whole(71, 1);
    out_.whole(72, 1);
    const std::string encoded = encodeText(text.text, context_.encoding);
    std::string_view rest = encoded;
    while (rest.size() > kTextPiece) {
      out_.text(3, rest.substr(0, kTextPiece));
      rest.remove_prefix(kTextPiece);
    }
    out_.text(1, rest);
    out_.text(7, styleName(text.style));
    out_.point(210, text.normal);
    out_.point(11, text.direction);
  }
  void operator()(const model::BlockReference& insert) {
    const InsertParameters p = insertParameters(insert.placement);
    start("INSERT", "AcDbBlockReference");
    out_.text(2, context_.blockName(insert.block));
    out_.point(10, p.insertion);
    out_.real(41, p.scale.x());
    out_.real(42, p.scale.y());
    out_.real(43, p.scale.z());
    out_.real(50, radiansToDegrees(p.rotation));
    out_.point(210, p.normal);
  }
  void operator()(const model::Polyline2d& polyline) {
    if (readAs(context_, entity_, "POLYLINE")) {
      polyline2d(polyline);
      return;
    }
    start("LWPOLYLINE", "AcDbPolyline");
    out_.whole(90, static_cast<std::int64_t>(polyline.vertices.size()));
    out_.whole(70, polyline.closed ? 1 : 0);
    if (polyline.elevation != 0.0) out_.real(38, polyline.elevation);
    for (const auto& vertex : polyline.vertices) {
      out_.real(10, vertex.point.x());
      out_.real(20, vertex.point.y());
      if (vertex.bulge != 0.0) out_.real(42, vertex.bulge);
    }
    extrusion(polyline.extrusion);
  }
  void operator()(const model::Polyline3d& polyline) {
    // A true 3D polyline: POLYLINE with the 3D flag, VERTEX records flagged as 3D polyline
    // vertices, then SEQEND.
    start("POLYLINE", "AcDb3dPolyline");
    out_.whole(66, 1);
    out_.point(10, Vector3d::Zero());
    out_.whole(70, 8 | (polyline.closed ? 1 : 0));
    const Handle polylineHandle = entity_.handle;
    finish();
    const std::vector<RecordView> vertices = keptFollowers("VERTEX");
    for (std::size_t i = 0; i < polyline.vertices.size(); ++i) {
      const Vector3d& vertex = polyline.vertices[i];
      follower("VERTEX", polylineHandle, i < vertices.size() ? handleIn(vertices[i]) : 0);
      out_.text(100, "AcDbVertex");
      out_.text(100, "AcDb3dPolylineVertex");
      out_.point(10, vertex);
      out_.whole(70, 32);
    }
    follower("SEQEND", polylineHandle, keptSeqendHandle());
  }
  void operator()(const model::UnsupportedEntity& raw) {
    // Kept as read: fresh handles and owners, the current layer name and space; every other
    // group as it was, extended data among them. Records after the first (vertices,
    // attributes) belong to the first.
    finished_ = true;
    if (const EntitySubclasses* subclasses = release12Subclasses(raw.type);
        subclasses && recordCount(raw) == 1 && lacksSubclassMarkers(raw)) {
      withSubclasses(raw, *subclasses);
      if (closesWithSeqend(raw)) follower("SEQEND", entity_.handle);
      return;
    }
    const Handle head = entity_.handle;
    writeRecordStart(raw.type, head, owner_);
    bool layerWritten = false;
    ExtrusionGroups extrusion;
    const std::vector<RecordView> followers = keptFollowers({});
    std::size_t next = 0;
    for (const auto [code, value] : raw.groups) {
      extrusion.before(code, out_);
      if (code == 0) {
        if (!layerWritten) placement();
        const Handle asRead = next < followers.size() ? handleIn(followers[next]) : 0;
        ++next;
        writeRecordStart(value, context_.keep(asRead), head);
        layerWritten = false;
        continue;
      }
      if (code == 8) {
        if (!layerWritten) placement();
        layerWritten = true;
        continue;
      }
      switch (keptGroup(raw.type, code, value)) {
        case KeptGroup::kAsRead:
          out_.text(code, encodeText(value, context_.encoding));
          break;
        case KeptGroup::kLayerByName:
          if (const auto layer = context_.document.layers().find(value)) {
            out_.handle(code, context_.handles.layers.at(*layer));
          }
          break;
        case KeptGroup::kLeftOut:
        case KeptGroup::kUnresolvable:
          break;
      }
      if (code == 100 && value == "AcDbEntity" && !layerWritten) {
        placement();
        layerWritten = true;
      }
    }
    if (!layerWritten) placement();
    if (closesWithSeqend(raw)) follower("SEQEND", head);
  }

 private:
  WriteContext& context_;
  DxfOutput& out_;
  const model::Entity& entity_;
  Handle owner_;
  bool paperSpace_;

  bool finished_ = false;

  const std::string& layerName() const { return context_.layerName(entity_.layer); }

  // An entity of release 12 kept as read, its groups under the subclasses they belong to.
  void withSubclasses(const model::UnsupportedEntity& raw, const EntitySubclasses& subclasses) {
    writeRecordStart(raw.type, entity_.handle, owner_);
    out_.text(100, "AcDbEntity");
    placement();
    ExtrusionGroups extrusion;
    writeUnderSubclasses(raw.groups, subclasses, [&](int code, std::string_view value) {
      extrusion.before(code, out_);
      out_.text(code, code == 100 ? std::string(value) : encodeText(value, context_.encoding));
    });
  }

 public:
  // An entity of release 12 that stands as read, converted from its kept record.
  void converted(const RecordView& record, const EntitySubclasses& subclasses) {
    writeRecordStart(record.type, entity_.handle, owner_);
    out_.text(100, "AcDbEntity");
    placement();
    ExtrusionGroups extrusion;
    writeUnderSubclasses(record, subclasses, [&](int code, std::string_view value) {
      extrusion.before(code, out_);
      if (code == 100) {
        out_.text(code, value);
      } else {
        context_.keptGroup(code, value);
      }
    });
    // Read alone, as when nothing it takes in followed it: closed, so that nothing after it
    // in the saved file is taken for one of its own.
    if (opensSequence(record.type, record.begin(), record.end())) {
      follower("SEQEND", entity_.handle);
    }
  }

 private:
  // A 2D polyline read as POLYLINE stays one: POLYLINE, its VERTEX records, then SEQEND.
  void polyline2d(const model::Polyline2d& polyline) {
    start("POLYLINE", "AcDb2dPolyline");
    out_.whole(66, 1);
    out_.point(10, Vector3d(0.0, 0.0, polyline.elevation));
    out_.whole(70, polyline.closed ? 1 : 0);
    extrusion(polyline.extrusion);
    finish();
    // Records that follow an entity have properties of their own (line type, colour ...):
    // those of its kept records, found in one pass.
    const std::vector<RecordView> vertices = keptFollowers("VERTEX");
    for (std::size_t i = 0; i < polyline.vertices.size(); ++i) {
      const auto& vertex = polyline.vertices[i];
      follower("VERTEX", entity_.handle, i < vertices.size() ? handleIn(vertices[i]) : 0);
      if (i < vertices.size()) followerProperties(vertices[i]);
      out_.text(100, "AcDbVertex");
      out_.text(100, "AcDb2dVertex");
      out_.point(10, Vector3d(vertex.point.x(), vertex.point.y(), polyline.elevation));
      if (vertex.bulge != 0.0) out_.real(42, vertex.bulge);
    }
    follower("SEQEND", entity_.handle, keptSeqendHandle());
    for (const RecordView& seqend : keptFollowers("SEQEND")) followerProperties(seqend);
  }

  std::vector<RecordView> keptFollowers(std::string_view type) const {
    return keptFollowersOf(context_, entity_, type);
  }
  Handle keptSeqendHandle() const {
    const std::vector<RecordView> seqends = keptFollowers("SEQEND");
    return seqends.empty() ? 0 : handleIn(seqends.front());
  }

  void followerProperties(const RecordView& record) {
    for (const auto [code, value] : record) {
      if (isEntityGroup(code) && code != 8 && code != 67) context_.keptGroup(code, value);
    }
  }

 public:
  // Ends the entity's own record: its extended data, kept from its record, then its tag.
  void finish() {
    if (std::exchange(finished_, true)) return;
    keptGroups(KeptPart::kExtendedData);
    const model::ExtendedDataTag& tag = entity_.properties->tag;
    if (tag.application.empty()) return;
    out_.text(1001, encodeName(tag.application, context_.encoding));
    out_.text(1000, encodeText(tag.text, context_.encoding));
  }

 private:
  enum class KeptPart { kApplicationData, kExtendedData };
  // The groups of the entity's kept record that form its extended data (from the first 1001
  // group on) or, in a file written back from its records, where the handles they hold still
  // lead, its application data ("102 {NAME" to "102 }": reactors, extension dictionary).
  void keptGroups(KeptPart part) {
    if (context_.source == nullptr || entity_.origin.record == model::EntityOrigin::kNoRecord) {
      return;
    }
    if (part == KeptPart::kApplicationData && !context_.fromRecords && !context_.objectsKept) {
      return;
    }
    const RecordView record = context_.source->entities[entity_.origin.record];
    bool inApplicationData = false;
    bool inExtendedData = false;
    for (const auto [code, value] : record) {
      if (code == 0) break;
      if (part == KeptPart::kApplicationData) {
        if (code == 102 && value.starts_with("{")) inApplicationData = true;
        if (inApplicationData) context_.keptGroup(code, value);
        if (code == 102 && value == "}") inApplicationData = false;
      } else {
        // The tag's application is written with the tag, once.
        if (code == 1001) inExtendedData = !isTagApplication(value);
        if (inExtendedData) context_.keptGroup(code, value);
      }
    }
  }
  bool isTagApplication(std::string_view application) const {
    const std::string& tagged = entity_.properties->tag.application;
    return !tagged.empty() && model::foldedName(tagged) == model::foldedName(application);
  }
  const std::string& styleName(model::StyleIndex style) const { return context_.styleName(style); }

  void writeRecordStart(std::string_view type, Handle handle, Handle owner) {
    out_.text(0, type);
    out_.handle(5, handle);
    out_.handle(330, owner);
  }

  void start(std::string_view type, std::string_view subclass) {
    out_.text(0, type);
    out_.handle(5, entity_.handle);
    keptGroups(KeptPart::kApplicationData);
    out_.handle(330, owner_);
    common();
    out_.text(100, subclass);
    // The thickness belongs to the data of the kinds that have one.
    if (entity_.properties->thickness != 0.0) out_.real(39, entity_.properties->thickness);
  }
  // The circle's data, which an arc starts with: the centre in the normal's object coordinate
  // system.
  void circleData(const Eigen::Vector3d& centre, double radius, const Eigen::Vector3d& normal) {
    const geom::Frame ocs = geom::objectCoordinateSystem(normal);
    out_.point(10, ocs.pointToLocal(centre));
    out_.real(40, radius);
    extrusion(normal);
  }
  // The extrusion direction, which readers take as Z when the record has none.
  void extrusion(const Eigen::Vector3d& normal) {
    if (normal != Vector3d::UnitZ()) out_.point(210, normal);
  }
  void common() {
    out_.text(100, "AcDbEntity");
    placement();
    properties();
  }
  // The properties other than their defaults.
  void properties() {
    const model::EntityProperties& p = entity_.properties.get();
    if (!p.lineType.empty()) out_.text(6, encodeName(p.lineType.str(), context_.encoding));
    if (p.colour.index != model::Colour::kByLayer) out_.whole(62, p.colour.index);
    if (p.lineWeight != model::EntityProperties::kLineWeightByLayer) out_.whole(370, p.lineWeight);
    if (p.lineTypeScale != 1.0) out_.real(48, p.lineTypeScale);
    if (!p.visible) out_.whole(60, 1);
    if (context_.withoutColourExtras) return;
    if (p.colour.trueColour) out_.whole(420, *p.colour.trueColour);
    if (p.transparency) out_.whole(440, *p.transparency);
  }
  // Where the entity belongs: its space, when that is paper space, and its layer.
  void placement() {
    if (paperSpace_) out_.whole(67, 1);
    out_.text(8, layerName());
  }
  // A record that follows the entity's own (a vertex, SEQEND): its properties are its own, its
  // handle the one its kept record gave where that stays (see WriteContext::keep).
  void follower(std::string_view type, Handle owner, Handle asRead = 0) {
    writeRecordStart(type, context_.keep(asRead), owner);
    out_.text(100, "AcDbEntity");
    placement();
  }
};

}  // namespace

void writeEntity(WriteContext& context, const model::Entity& entity, Handle owner,
                 bool paperSpace) {
  if (writtenAsRecord(context, entity, paperSpace)) {
    const RecordView record = context.source->entities[entity.origin.record];
    ExtrusionGroups extrusion;
    context.out.text(0, record.type);
    for (const auto [code, value] : record) {
      extrusion.before(code, context.out);
      context.keptGroup(code, value);
    }
    return;
  }
  if (keptInRebuiltFile(context, entity)) {
    writeKeptInRebuiltFile(context, entity, owner, paperSpace);
    return;
  }
  if (leftOut(context, entity)) return;
  EntityWriter writer(context, entity, owner, paperSpace);
  if (const auto record = release12Record(context, entity)) {
    writer.converted(*record, *release12Subclasses(record->type));
    return;
  }
  std::visit(writer, entity.data);
  writer.finish();
}

}  // namespace host::dxf
