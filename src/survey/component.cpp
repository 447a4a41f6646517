#include "survey/component.h"

namespace survey {

std::string keysOf(const ComponentSchema& schema, const std::vector<std::size_t>& components,
                   const std::string& separator) {
  std::string keys;
  for (const std::size_t component : components) {
    if (!keys.empty()) keys += separator;
    keys += schema[component].key;
  }
  return keys;
}

}  // namespace survey
