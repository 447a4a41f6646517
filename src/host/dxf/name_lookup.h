#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "host/dxf/text_codec.h"
#include "host/model/names.h"

namespace host::dxf {

// How the names in a file find the entries of one table (layers, text styles or blocks).
//
// A definition (a table record, a BLOCK record) is named exactly as the file spells it, so
// "A" and "A " are two blocks. A reference (an entity's layer, an insert's block) finds the
// entry of exactly its name, in any case; failing that, as some programs pad names with blanks,
// the entry of its name without trailing blanks, or a definition that differs from it only by
// trailing blanks; failing all, an entry of its name without trailing blanks is added. Blanks
// written as \U+0020 are part of the name, never padding.
template <typename Index>
class NameLookup {
 public:
  using Find = std::function<std::optional<Index>(const std::string&)>;
  using Add = std::function<Index(const std::string&)>;

  NameLookup(Find find, Add add) : find_(std::move(find)), add_(std::move(add)) {}

  // Notes that the file defines the entry `index` by this name.
  void noteDefinition(std::string_view rawName, Index index) {
    byPaddedName_.try_emplace(model::foldedName(withoutTrailingBlanks(rawName)), index);
  }

  Index reference(std::string_view rawName, TextEncoding encoding) {
    if (const auto known = byRawName_.find(rawName); known != byRawName_.end()) {
      return known->second;
    }
    const Index index = resolve(rawName, encoding);
    byRawName_.emplace(std::string(rawName), index);
    return index;
  }

  static std::string_view withoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
  }

 private:
  // Hashes string views and strings alike, so that a lookup copies nothing.
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>()(text);
    }
  };

  Find find_;
  Add add_;
  std::unordered_map<std::string, Index, Hash, std::equal_to<>> byRawName_;  // references
  // Definitions by their folded names without trailing blanks.
  std::unordered_map<std::string, Index> byPaddedName_;

  Index resolve(std::string_view rawName, TextEncoding encoding) {
    const std::string exact = decodeText(rawName, encoding);
    if (const auto found = find_(exact)) return *found;
    const std::string_view trimmed = withoutTrailingBlanks(rawName);
    const std::string name = decodeText(trimmed, encoding);
    if (trimmed.size() != rawName.size()) {
      if (const auto found = find_(name)) return *found;
    }
    if (const auto padded = byPaddedName_.find(model::foldedName(trimmed));
        padded != byPaddedName_.end()) {
      return padded->second;
    }
    return add_(name);
  }
};

}  // namespace host::dxf
