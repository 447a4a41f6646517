#include <algorithm>
#include <cmath>

#include "host/dxf/sections.h"
#include "host/geom/invalid_input.h"

namespace host::dxf {
namespace {

// Calls visit(name, group) for every group of a header variable: the groups after its 9
// group, up to the next one.
template <typename Visit>
void forEachValue(const Record& record, Visit visit) {
  std::string_view name;
  bool type = true;
  for (const Group& group : record) {
    if (type) {
      type = false;
    } else if (group.code == 9) {
      name = group.value;
    } else if (!name.empty()) {
      visit(name, group);
    }
  }
}

void setCoordinate(ReaderContext& context, const Group& group,
                   std::optional<Eigen::Vector3d>& point) {
  if (group.code != 10 && group.code != 20 && group.code != 30) return;
  if (!point) point = Eigen::Vector3d::Zero();
  (*point)[(group.code - 10) / 10] = context.real(group);
}

// The name of a named UCS as the table spells it; a name the table lacks without its
// trailing blanks.
std::string ucsName(const ReaderContext& context, std::string_view rawName) {
  const model::UcsTable& table = context.document.ucsTable();
  for (const std::string_view raw : {rawName, NameLookup<int>::withoutTrailingBlanks(rawName)}) {
    if (const auto found = table.find(decodeText(raw, context.encoding))) return table[*found].name;
  }
  return decodeText(NameLookup<int>::withoutTrailingBlanks(rawName), context.encoding);
}

}  // namespace

void readHeaderGroups(ReaderContext& context, const Record& record, HeaderValues& header) {
  std::string_view version;
  std::string_view codePage;
  forEachValue(record, [&](std::string_view name, const Group& group) {
    if (name == "$ACADVER" && version.empty()) version = group.value;
    if (name == "$DWGCODEPAGE" && codePage.empty()) codePage = group.value;
  });
  if (!version.empty() || !codePage.empty()) context.encoding = encodingFor(version, codePage);

  forEachValue(record, [&](std::string_view name, const Group& group) {
    if (name == "$LUPREC" && group.code == 70) {
      header.luprec = context.whole(group);
    } else if (name == "$TILEMODE" && group.code == 70) {
      header.tilemode = context.whole(group);
    } else if (name == "$INSUNITS" && group.code == 70) {
      header.insunits = context.whole(group);
    } else if (name == "$LUNITS" && group.code == 70) {
      header.lunits = context.whole(group);
    } else if (name == "$ELEVATION" && group.code == 40) {
      header.elevation = context.real(group);
    } else if (name == "$CLAYER" && group.code == 8) {
      header.currentLayer = std::string(group.value);
    } else if (name == "$TEXTSTYLE" && group.code == 7) {
      header.textStyle = std::string(group.value);
    } else if (name == "$UCSNAME" && group.code == 2) {
      header.ucsName = std::string(group.value);
    } else if (name == "$UCSORG" || name == "$UCSXDIR" || name == "$UCSYDIR") {
      setCoordinate(context, group,
                    name == "$UCSORG"    ? header.ucsOrigin
                    : name == "$UCSXDIR" ? header.ucsXDirection
                                         : header.ucsYDirection);
      if (header.ucsLine == 0) header.ucsLine = group.line;
    }
  });
}

void applyHeader(ReaderContext& context, const HeaderValues& header) {
  model::Document& document = context.document;
  model::HeaderVariables variables = document.header();
  // A precision beyond what the drawing can show is shown at the nearest it can.
  if (header.luprec)
    variables.luprec = static_cast<int>(std::clamp<std::int64_t>(*header.luprec, 0, 8));
  if (header.tilemode) variables.tilemode = *header.tilemode != 0;
  if (header.insunits) variables.insunits = static_cast<int>(*header.insunits);
  if (header.lunits) variables.lunits = static_cast<int>(*header.lunits);
  // An elevation out of all range means nothing to a click; the drawing keeps 0.
  if (header.elevation && std::isfinite(*header.elevation)) variables.elevation = *header.elevation;
  if (header.currentLayer) variables.currentLayer = context.layer(*header.currentLayer);
  document.setHeader(variables);
  if (header.textStyle && !ReaderContext::isBlank(*header.textStyle)) {
    document.setActiveTextStyle(context.style(*header.textStyle));
  }
  const std::string name =
      ReaderContext::isBlank(header.ucsName) ? std::string() : ucsName(context, header.ucsName);
  if (header.ucsOrigin || header.ucsXDirection || header.ucsYDirection) {
    try {
      const geom::Frame frame =
          geom::Frame::fromAxes(header.ucsOrigin.value_or(Eigen::Vector3d::Zero()),
                                header.ucsXDirection.value_or(Eigen::Vector3d::UnitX()),
                                header.ucsYDirection.value_or(Eigen::Vector3d::UnitY()));
      document.setCurrentUcs(model::Ucs{name, frame});
    } catch (const InvalidInput& error) {
      context.fail(header.ucsLine, std::string("the current UCS is unusable: ") + error.what());
    }
  } else if (!name.empty()) {
    if (auto named = document.ucsTable().find(name)) {
      document.setCurrentUcs(document.ucsTable()[*named]);
    }
  }
}

}  // namespace host::dxf
