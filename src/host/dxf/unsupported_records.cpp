#include "host/dxf/unsupported_records.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "host/model/names.h"

namespace host::dxf {
namespace {

constexpr std::array<std::string_view, 32> kBuiltInEntities = {
    "3DFACE",   "3DSOLID",   "ARC",    "ATTDEF",    "ATTRIB", "BODY",       "CIRCLE",   "DIMENSION",
    "ELLIPSE",  "HATCH",     "INSERT", "LEADER",    "LINE",   "LWPOLYLINE", "MLINE",    "MTEXT",
    "OLEFRAME", "OLE2FRAME", "POINT",  "POLYLINE",  "RAY",    "REGION",     "SEQEND",   "SHAPE",
    "SOLID",    "SPLINE",    "TEXT",   "TOLERANCE", "TRACE",  "VERTEX",     "VIEWPORT", "XLINE"};

bool isHandleReference(int code) {
  return (code >= 320 && code <= 369) || (code >= 390 && code <= 399) ||
         (code >= 480 && code <= 481) || code == 1005;
}

}  // namespace

bool canWriteBack(const model::UnsupportedEntity& entity) {
  if (std::ranges::find(kBuiltInEntities, std::string_view(entity.type)) ==
      kBuiltInEntities.end()) {
    return false;
  }
  return std::ranges::none_of(entity.groups,
                              [](const auto& group) { return isHandleReference(group.first); });
}

std::size_t recordCount(const model::UnsupportedEntity& entity) {
  return 1 + static_cast<std::size_t>(std::ranges::count_if(
                 entity.groups, [](const auto& group) { return group.first == 0; }));
}

void collectApplications(const model::UnsupportedEntity& entity, std::vector<std::string>& names) {
  for (const auto& [code, value] : entity.groups) {
    if (code != 1001 || value.empty()) continue;
    const bool known = std::ranges::any_of(
        names, [&](const std::string& name) { return model::sameName(name, value); });
    if (!known) names.push_back(value);
  }
}

}  // namespace host::dxf
