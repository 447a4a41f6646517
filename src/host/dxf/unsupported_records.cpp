#include "host/dxf/unsupported_records.h"

#include <algorithm>
#include <array>

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

// "0" (or no value): a reference to nothing, which means the same in any file.
bool isNullHandle(std::string_view value) {
  return value.find_first_not_of("0 ") == std::string_view::npos;
}

}  // namespace

KeptGroup keptGroup(std::string_view type, int code, std::string_view value) {
  if (!isHandleReference(code)) return KeptGroup::kAsRead;
  if (type == "VIEWPORT") {
    if (code == 331 || code == 341) return KeptGroup::kLayerByName;
    if (code == 332 || code == 333 || code == 345 || code == 346 || code == 348 || code == 361) {
      return KeptGroup::kLeftOut;
    }
  }
  return isNullHandle(value) ? KeptGroup::kAsRead : KeptGroup::kUnresolvable;
}

bool canWriteBack(const model::UnsupportedEntity& entity) {
  if (std::ranges::find(kBuiltInEntities, std::string_view(entity.type)) ==
      kBuiltInEntities.end()) {
    return false;
  }
  return std::ranges::none_of(entity.groups, [&](const auto& group) {
    return keptGroup(entity.type, group.first, group.second) == KeptGroup::kUnresolvable;
  });
}

std::size_t recordCount(const model::UnsupportedEntity& entity) {
  return 1 + static_cast<std::size_t>(std::ranges::count_if(
                 entity.groups, [](const auto& group) { return group.first == 0; }));
}

void collectApplications(const model::UnsupportedEntity& entity, std::vector<std::string>& names) {
  for (const auto& [code, value] : entity.groups) {
    if (code != 1001 || value.empty()) continue;
    const bool known = std::ranges::any_of(names, [&wanted = value](const std::string& name) {
      return model::sameName(name, wanted);
    });
    if (!known) names.push_back(value);
  }
}

}  // namespace host::dxf
