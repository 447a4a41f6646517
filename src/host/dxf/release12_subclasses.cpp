#include "host/dxf/release12_subclasses.h"

#include <algorithm>
#include <array>
#include <utility>

namespace host::dxf {

const EntitySubclasses* release12Subclasses(std::string_view type) {
  static const std::array<std::pair<std::string_view, EntitySubclasses>, 11> kKinds = {{
      {"TEXT", {"AcDbText", "AcDbText", {73}}},
      {"ATTRIB", {"AcDbText", "AcDbAttribute", {2, 70, 73, 74, 280}}},
      {"ATTDEF", {"AcDbText", "AcDbAttributeDefinition", {2, 3, 70, 73, 74, 280}}},
      {"INSERT", {"AcDbBlockReference", {}, {}}},
      {"SOLID", {"AcDbTrace", {}, {}}},
      {"TRACE", {"AcDbTrace", {}, {}}},
      {"3DFACE", {"AcDbFace", {}, {}}},
      {"SHAPE", {"AcDbShape", {}, {}}},
      {"LINE", {"AcDbLine", {}, {}}},
      {"POINT", {"AcDbPoint", {}, {}}},
      {"CIRCLE", {"AcDbCircle", {}, {}}},
  }};
  const auto found =
      std::ranges::find(kKinds, type, &std::pair<std::string_view, EntitySubclasses>::first);
  return found == kKinds.end() ? nullptr : &found->second;
}

bool lacksSubclassMarkers(const model::UnsupportedEntity& entity) {
  return std::ranges::none_of(
      entity.groups, [](const model::RawGroups::Group& group) { return group.code == 100; });
}

bool isEntityGroup(int code) {
  return code == 6 || code == 8 || code == 48 || code == 60 || code == 62 || code == 67 ||
         code == 370 || (code >= 420 && code <= 449);
}

}  // namespace host::dxf
