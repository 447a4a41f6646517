#pragma once

#include <cstddef>
#include <string>

#include "survey/component.h"

namespace survey {

// What shots are checked against (design points; a surface, an alignment): for each shot, the
// values of the components of its schema. Outputs iterate over the schema, so that a new kind
// of reference needs no change in them.
class Reference {
 public:
  virtual ~Reference() = default;

  virtual const ComponentSchema& schema() const = 0;
  virtual std::size_t shotCount() const = 0;
  // The id a shot is reported under; it lives as long as the reference's input.
  virtual const std::string& idOf(std::size_t shot) const = 0;
  // One value per component of the schema, in its order.
  virtual ComponentValues valuesOf(std::size_t shot) const = 0;
};

}  // namespace survey
