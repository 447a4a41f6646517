#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "host/geom/frame.h"
#include "host/model/named_table.h"

namespace host::model {

// A user coordinate system. The current UCS of a drawing may be unnamed (empty name), as the
// world UCS is.
struct Ucs {
  std::string name;
  geom::Frame frame;

  friend bool operator==(const Ucs&, const Ucs&) = default;
};

// The named UCSs of a drawing, in the order they were first defined.
class UcsTable : public NamedTable<Ucs, std::size_t> {
 public:
  UcsTable() : NamedTable({}) {}

  // Changed through the document, which records the change for undo.
  void setAll(std::vector<Ucs> entries) { replaceAll(std::move(entries)); }
};

}  // namespace host::model
