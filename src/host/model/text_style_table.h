#pragma once

#include <string>

#include "host/model/entities.h"
#include "host/model/named_table.h"

namespace host::model {

struct TextStyle {
  std::string name;
  std::string fontFile = "txt";
  double height = 0.0;  // 0: each text gives its own height

  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// The drawing's text styles. "Standard" always exists at index 0; indices never change.
class TextStyleTable : public NamedTable<TextStyle, StyleIndex> {
 public:
  TextStyleTable() : NamedTable({TextStyle{"Standard", "txt", 0.0}}) {}
};

}  // namespace host::model
