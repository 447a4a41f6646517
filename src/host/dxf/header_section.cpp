#include <algorithm>
#include <span>

#include "host/dxf/sections.h"
#include "host/geom/invalid_input.h"

namespace host::dxf {
namespace {

// The groups of one variable: from after its 9 group to the next 9 group.
struct Variable {
  std::string_view name;
  std::span<const Group> values;
};

template <typename Visit>
void forEachVariable(const Record& record, Visit visit) {
  const auto& groups = record.groups;
  for (std::size_t i = 1; i < groups.size(); ++i) {
    if (groups[i].code != 9) continue;
    std::size_t end = i + 1;
    while (end < groups.size() && groups[end].code != 9) ++end;
    visit(Variable{groups[i].value, std::span<const Group>(groups).subspan(i + 1, end - i - 1)});
    i = end - 1;
  }
}

const Group* valueOf(const Variable& variable, int code) {
  for (const Group& group : variable.values) {
    if (group.code == code) return &group;
  }
  return nullptr;
}

Eigen::Vector3d pointOf(const ReaderContext& context, const Variable& variable) {
  Eigen::Vector3d point = Eigen::Vector3d::Zero();
  for (const Group& group : variable.values) {
    if (group.code == 10 || group.code == 20 || group.code == 30) {
      point[(group.code - 10) / 10] = context.real(group);
    }
  }
  return point;
}

}  // namespace

void readHeaderGroups(ReaderContext& context, const Record& record, HeaderValues& header) {
  std::string_view version;
  std::string_view codePage;
  forEachVariable(record, [&](const Variable& variable) {
    const Group* value = variable.values.empty() ? nullptr : &variable.values.front();
    if (variable.name == "$ACADVER" && value) version = value->value;
    if (variable.name == "$DWGCODEPAGE" && value) codePage = value->value;
  });
  if (!version.empty() || !codePage.empty()) context.encoding = encodingFor(version, codePage);

  forEachVariable(record, [&](const Variable& variable) {
    const std::string_view name = variable.name;
    if (name == "$LUPREC") {
      if (const Group* g = valueOf(variable, 70)) header.luprec = context.whole(*g);
    } else if (name == "$TILEMODE") {
      if (const Group* g = valueOf(variable, 70)) header.tilemode = context.whole(*g);
    } else if (name == "$INSUNITS") {
      if (const Group* g = valueOf(variable, 70)) header.insunits = context.whole(*g);
    } else if (name == "$TEXTSTYLE") {
      if (const Group* g = valueOf(variable, 7)) header.textStyle = context.name(*g);
    } else if (name == "$UCSNAME") {
      if (const Group* g = valueOf(variable, 2)) header.ucsName = context.name(*g);
    } else if (name == "$UCSORG" || name == "$UCSXDIR" || name == "$UCSYDIR") {
      const Eigen::Vector3d point = pointOf(context, variable);
      if (name == "$UCSORG") header.ucsOrigin = point;
      if (name == "$UCSXDIR") header.ucsXDirection = point;
      if (name == "$UCSYDIR") header.ucsYDirection = point;
      if (!variable.values.empty()) header.ucsLine = variable.values.front().line;
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
  document.setHeader(variables);
  if (header.textStyle && !header.textStyle->empty()) {
    document.setActiveTextStyle(context.style(*header.textStyle));
  }
  if (header.ucsOrigin || header.ucsXDirection || header.ucsYDirection) {
    try {
      const geom::Frame frame =
          geom::Frame::fromAxes(header.ucsOrigin.value_or(Eigen::Vector3d::Zero()),
                                header.ucsXDirection.value_or(Eigen::Vector3d::UnitX()),
                                header.ucsYDirection.value_or(Eigen::Vector3d::UnitY()));
      document.setCurrentUcs(model::Ucs{header.ucsName, frame});
    } catch (const InvalidInput& error) {
      context.fail(header.ucsLine, std::string("the current UCS is unusable: ") + error.what());
    }
  } else if (!header.ucsName.empty()) {
    if (auto named = document.ucsTable().find(header.ucsName)) {
      document.setCurrentUcs(document.ucsTable()[*named]);
    }
  }
}

}  // namespace host::dxf
