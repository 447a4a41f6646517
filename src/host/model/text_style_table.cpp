#include "host/model/text_style_table.h"

#include <utility>

#include "host/model/names.h"

namespace host::model {

TextStyleTable::TextStyleTable() : styles_{TextStyle{"Standard", "txt", 0.0}} {}

std::optional<StyleIndex> TextStyleTable::find(std::string_view name) const {
  for (std::size_t i = 0; i < styles_.size(); ++i) {
    if (sameName(styles_[i].name, name)) return static_cast<StyleIndex>(i);
  }
  return std::nullopt;
}

StyleIndex TextStyleTable::add(TextStyle style) {
  styles_.push_back(std::move(style));
  return static_cast<StyleIndex>(styles_.size() - 1);
}

void TextStyleTable::set(StyleIndex index, TextStyle style) {
  styles_.at(index) = std::move(style);
}

void TextStyleTable::removeLast() {
  styles_.pop_back();
}

}  // namespace host::model
