#include "insert/control_ids.h"

#include <stdexcept>
#include <string>

namespace insert {

ControlId controlNamed(std::string_view name) {
  for (std::size_t i = 0; i < kControlNames.size(); ++i) {
    if (kControlNames[i] == name) return static_cast<ControlId>(i);
  }
  throw std::logic_error("the dialog has no control " + std::string(name));
}

}  // namespace insert
