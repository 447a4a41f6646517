#include "host/dxf/entity_properties.h"

#include <algorithm>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/dxf/numbers.h"

namespace host::dxf {

model::EntityProperties decodeProperties(const Record& record, bool& readable) {
  model::EntityProperties properties;
  const auto whole = [&](const Group& group, auto& target) {
    std::int64_t value = 0;
    if (parseWhole(group.value, value)) {
      target = static_cast<std::remove_reference_t<decltype(target)>>(value);
    } else {
      readable = false;
    }
  };
  for (const Group& group : record) {
    switch (group.code) {
      case 62:
        whole(group, properties.colour.index);
        break;
      case 420:
        whole(group, properties.colour.trueColour.emplace());
        break;
      case 440:
        whole(group, properties.transparency.emplace());
        break;
      case 6:
        properties.lineType = group.value;
        break;
      case 48:
        if (!parseReal(group.value, properties.lineTypeScale)) readable = false;
        break;
      case 39:
        if (!parseReal(group.value, properties.thickness)) readable = false;
        break;
      case 370:
        whole(group, properties.lineWeight);
        break;
      case 60: {
        int invisible = 0;
        whole(group, invisible);
        properties.visible = invisible == 0;
        break;
      }
      default:
        break;
    }
  }
  return properties;
}

bool isModelledWhole(const Record& record) {
  static const std::unordered_map<std::string_view, std::vector<int>> kDataCodes = {
      {"LINE", {10, 20, 30, 11, 21, 31}},
      {"POINT", {10, 20, 30}},
      {"CIRCLE", {10, 20, 30, 40}},
      {"LWPOLYLINE", {90, 70, 38, 10, 20, 42}},
      // Whole when their placements come back exactly (see exact_placements.h).
      {"INSERT", {2, 10, 20, 30, 41, 42, 43, 50, 210, 220, 230}},
      {"TEXT", {1, 7, 10, 20, 30, 40, 41, 50, 51, 72, 73, 210, 220, 230}}};
  const auto data = kDataCodes.find(record.type());
  if (data == kDataCodes.end()) return false;
  bool type = true;
  bool beforeSubclass = true;
  for (const Group& group : record) {
    if (std::exchange(type, false)) continue;
    switch (group.code) {
      case 100:
        beforeSubclass = false;
        break;
      case 330:
        if (!beforeSubclass) return false;
        break;
      case 5:
      case 8:
      case 67:
      case 62:
      case 420:
      case 440:
      case 6:
      case 48:
      case 370:
      case 60:
      case 39:
        break;
      default:
        if (std::ranges::find(data->second, group.code) == data->second.end()) return false;
    }
  }
  return true;
}

}  // namespace host::dxf
