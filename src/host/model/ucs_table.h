#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/geom/frame.h"

namespace host::model {

// A user coordinate system. The current UCS of a drawing may be unnamed (empty name), as the
// world UCS is.
struct Ucs {
  std::string name;
  geom::Frame frame;

  friend bool operator==(const Ucs&, const Ucs&) = default;
};

// The named UCSs of a drawing, in the order they were first defined.
class UcsTable {
 public:
  std::optional<std::size_t> find(std::string_view name) const;
  const Ucs& operator[](std::size_t index) const { return entries_.at(index); }
  std::size_t size() const { return entries_.size(); }
  const std::vector<Ucs>& all() const { return entries_; }

  // Changed through the document, which records the change for undo.
  void setAll(std::vector<Ucs> entries) { entries_ = std::move(entries); }

 private:
  std::vector<Ucs> entries_;
};

}  // namespace host::model
