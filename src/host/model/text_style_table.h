#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/model/entities.h"

namespace host::model {

struct TextStyle {
  std::string name;
  std::string fontFile = "txt";
  double height = 0.0;  // 0: each text gives its own height
};

// The drawing's text styles. "Standard" always exists at index 0; indices never change.
class TextStyleTable {
 public:
  TextStyleTable();

  std::optional<StyleIndex> find(std::string_view name) const;
  const TextStyle& operator[](StyleIndex index) const { return styles_.at(index); }
  std::size_t size() const { return styles_.size(); }
  const std::vector<TextStyle>& all() const { return styles_; }

  // Changed through the document, which records the change for undo.
  StyleIndex add(TextStyle style);
  void set(StyleIndex index, TextStyle style);
  void removeLast();

 private:
  std::vector<TextStyle> styles_;
};

}  // namespace host::model
