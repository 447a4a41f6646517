#include <array>
#include <charconv>
#include <cstdint>
#include <unordered_map>

#include "host/dxf/entity_decoder.h"
#include "host/dxf/sections.h"

namespace host::dxf {
namespace {

// Objects that hold the drawing's structure and settings, which the writer builds afresh
// from what the document models: not kept.
constexpr std::array<std::string_view, 15> kRebuiltObjects = {
    "DICTIONARY",      "ACDBDICTIONARYWDFLT",
    "ACDBPLACEHOLDER", "LAYOUT",
    "PLOTSETTINGS",    "MLINESTYLE",
    "MLEADERSTYLE",    "TABLESTYLE",
    "DICTIONARYVAR",   "MATERIAL",
    "VISUALSTYLE",     "SCALE",
    "CELLSTYLEMAP",    "SUN",
    "RASTERVARIABLES"};

bool isRebuilt(std::string_view type) {
  for (std::string_view rebuilt : kRebuiltObjects) {
    if (type == rebuilt) return true;
  }
  return false;
}

bool isDictionary(std::string_view type) {
  return type == "DICTIONARY" || type == "ACDBDICTIONARYWDFLT";
}

std::uint64_t handleValue(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  std::uint64_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value, 16);
  return value;
}

using Link = ObjectsReader::Link;

Link linkOf(const Record& record) {
  Link link{std::string(record.type()), 0, {}};
  bool beforeSubclass = true;
  std::string_view entryName;
  for (const Group& group : record) {
    if (group.code == 100) beforeSubclass = false;
    if (group.code == 330 && beforeSubclass) link.owner = handleValue(group.value);
    if (group.code == 3) entryName = group.value;
    if ((group.code == 350 || group.code == 360) && isDictionary(link.type)) {
      link.entryNames.emplace(handleValue(group.value), std::string(entryName));
    }
  }
  return link;
}

// The named object dictionary's entries for the other program's own settings ("ACAD_LAYOUT",
// "ACAD_VISUALSTYLE", "AcDbVariableDictionary" ...).
bool isStandardEntry(std::string_view name) {
  return name.starts_with("ACAD_") || name.starts_with("AcDb");
}

// Whether the object hangs under a standard entry of the named object dictionary or under an
// object the writer rebuilds (a layout's or visual style's extension dictionary). Such records
// describe the other program's own objects, which a saved file builds afresh; nothing of the
// user's drawing is in them.
bool belongsToRebuiltStructure(std::uint64_t handle,
                               const std::unordered_map<std::uint64_t, Link>& links) {
  constexpr int kDeepestTree = 64;  // also ends an ownership cycle in a broken file
  for (int depth = 0; depth < kDeepestTree; ++depth) {
    const auto self = links.find(handle);
    if (self == links.end()) return false;
    const auto parent = links.find(self->second.owner);
    // Owned from outside the objects: the extension dictionary of an entity or a table.
    if (parent == links.end()) return false;
    if (!isDictionary(parent->second.type)) return isRebuilt(parent->second.type);
    if (parent->second.owner == 0) {
      const auto entry = parent->second.entryNames.find(handle);
      return entry != parent->second.entryNames.end() && isStandardEntry(entry->second);
    }
    handle = self->second.owner;
  }
  return false;
}

}  // namespace

void ObjectsReader::readSection(ReaderContext& context, Record& record) {
  while (record.type() != "ENDSEC") {
    std::uint64_t handle = 0;
    for (const Group& group : record) {
      if (group.code == 5) handle = handleValue(group.value);
    }
    if (handle != 0) links_.emplace(handle, linkOf(record));
    if (!isRebuilt(record.type())) {
      candidates_.emplace_back(handle,
                               rawEntity(context, std::span<const Record>(&record, 1), false));
    }
    nextInSection(context, record, "OBJECTS");
  }
}

void ObjectsReader::finish(ReaderContext& context) {
  std::vector<model::UnsupportedEntity> kept;
  for (auto& [handle, object] : candidates_) {
    if (object.type == "XRECORD" && belongsToRebuiltStructure(handle, links_)) continue;
    kept.push_back(std::move(object));
  }
  candidates_.clear();
  if (!kept.empty()) context.document.setUnsupportedObjects(std::move(kept));
}

}  // namespace host::dxf
