#pragma once

#include <algorithm>
#include <string_view>
#include <vector>

#include "host/model/entities.h"

// Records of release 12 have no subclass markers, which a file of release 2000 must give: for
// the kinds of entity a file of release 12 holds, which subclass each group belongs to.
namespace host::dxf {

// The subclasses of an entity after AcDbEntity: its data, and for some kinds a second one
// that takes the groups of `secondCodes`.
struct EntitySubclasses {
  std::string_view data;
  std::string_view second;
  std::vector<int> secondCodes;
};

// The subclasses of a kind of entity; null for a kind of more than that (dimensions,
// polylines), which are written as read.
const EntitySubclasses* release12Subclasses(std::string_view type);

// Whether an entity kept as read lacks subclass markers: it comes from a file of release 12.
bool lacksSubclassMarkers(const model::UnsupportedEntity& entity);

// Whether a group of an entity belongs to AcDbEntity (layer, line type, colour ...).
bool isEntityGroup(int code);

// Calls write(code, value) for the groups of a record of release 12 after AcDbEntity's layer
// and space, which the caller writes: the entity's other groups, then the subclass markers,
// each followed by its groups, then the extended data. The handle and owner are left to the
// caller too.
template <class Groups, class Write>
void writeUnderSubclasses(const Groups& groups, const EntitySubclasses& subclasses, Write write) {
  const auto second = [&](int code) {
    return std::find(subclasses.secondCodes.begin(), subclasses.secondCodes.end(), code) !=
           subclasses.secondCodes.end();
  };
  const auto each = [&](auto belongs) {
    for (const auto [code, value] : groups) {
      if (belongs(code)) write(code, value);
    }
  };
  const auto own = [](int code) { return code != 5 && code != 330 && code != 8 && code != 67; };
  each([&](int code) { return isEntityGroup(code) && own(code); });
  write(100, subclasses.data);
  each([&](int code) { return !isEntityGroup(code) && own(code) && code < 1000 && !second(code); });
  if (!subclasses.second.empty()) {
    write(100, subclasses.second);
    each(second);
  }
  each([](int code) { return code >= 1000; });
}

}  // namespace host::dxf
