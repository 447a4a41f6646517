#include "host/dxf/unsupported_records.h"

#include <algorithm>
#include <array>

#include "host/dxf/numbers.h"
#include "host/model/names.h"

namespace host::dxf {
namespace {

constexpr std::array<std::string_view, 32> kBuiltInEntities = {
    "3DFACE",   "3DSOLID",   "ARC",    "ATTDEF",    "ATTRIB", "BODY",       "CIRCLE",   "DIMENSION",
    "ELLIPSE",  "HATCH",     "INSERT", "LEADER",    "LINE",   "LWPOLYLINE", "MLINE",    "MTEXT",
    "OLEFRAME", "OLE2FRAME", "POINT",  "POLYLINE",  "RAY",    "REGION",     "SEQEND",   "SHAPE",
    "SOLID",    "SPLINE",    "TEXT",   "TOLERANCE", "TRACE",  "VERTEX",     "VIEWPORT", "XLINE"};

// "0" (or no value): a reference to nothing, which means the same in any file.
bool isNullHandle(std::string_view value) {
  return value.find_first_not_of("0 ") == std::string_view::npos;
}

}  // namespace

bool isHandleReference(int code) {
  return (code >= 320 && code <= 369) || (code >= 390 && code <= 399) ||
         (code >= 480 && code <= 481);
}

KeptGroup keptGroup(std::string_view type, int code, std::string_view value) {
  // Extended data may refer to records too (1005).
  if (!isHandleReference(code) && code != 1005) return KeptGroup::kAsRead;
  if (type == "VIEWPORT") {
    if (code == 331 || code == 341) return KeptGroup::kLayerByName;
    if (code == 332 || code == 333 || code == 345 || code == 346 || code == 348 || code == 361) {
      return KeptGroup::kLeftOut;
    }
  }
  return isNullHandle(value) ? KeptGroup::kAsRead : KeptGroup::kUnresolvable;
}

bool isBuiltInEntity(std::string_view type) {
  return std::ranges::find(kBuiltInEntities, type) != kBuiltInEntities.end();
}

bool canWriteBack(const model::UnsupportedEntity& entity) {
  if (!isBuiltInEntity(entity.type)) return false;
  return std::ranges::none_of(entity.groups, [&](const model::RawGroups::Group& group) {
    return keptGroup(entity.type, group.code, group.value) == KeptGroup::kUnresolvable;
  });
}

std::size_t recordCount(const model::UnsupportedEntity& entity) {
  return 1 +
         static_cast<std::size_t>(std::ranges::count_if(
             entity.groups, [](const model::RawGroups::Group& group) { return group.code == 0; }));
}

bool opensSequence(std::string_view type, model::RawGroups::Iterator first,
                   model::RawGroups::Iterator last) {
  // As the reader tells an entity with records after it (followerType in entity_sections.cpp):
  // a polyline, or an insert whose first 66 group is 1.
  if (type == "POLYLINE") return true;
  if (type != "INSERT") return false;
  for (auto group = first; group != last; ++group) {
    const auto [code, value] = *group;
    if (code == 0) return false;
    if (code == 66) {
      std::int64_t flag = 0;
      return parseWhole(value, flag) && flag == 1;
    }
  }
  return false;
}

bool closesWithSeqend(const model::UnsupportedEntity& entity) {
  std::string_view lastType = entity.type;
  for (const auto [code, value] : entity.groups) {
    if (code == 0) lastType = value;
  }
  return lastType != "SEQEND" &&
         opensSequence(entity.type, entity.groups.begin(), entity.groups.end());
}

void collectApplications(const model::UnsupportedEntity& entity, std::vector<std::string>& names,
                         std::unordered_set<std::string>& known) {
  for (const auto [code, value] : entity.groups) {
    if (code == 1001 && !value.empty() && known.insert(model::foldedName(value)).second) {
      names.emplace_back(value);
    }
  }
}

}  // namespace host::dxf
