#include <array>
#include <charconv>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

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
  return parseHandle(text).value_or(0);
}

// The named object dictionary's entries for the other program's own settings ("ACAD_LAYOUT",
// "ACAD_VISUALSTYLE", "AcDbVariableDictionary" ...).
bool isStandardEntry(std::string_view name) {
  return name.starts_with("ACAD_") || name.starts_with("AcDb");
}

std::uint64_t ownerOf(const Record& record) {
  for (const Group& group : record) {
    if (group.code == 100) break;  // the owner comes before the first subclass marker
    if (group.code == 330) return handleValue(group.value);
  }
  return 0;
}

using Link = ObjectsReader::Link;

Link linkOf(const Record& record) {
  Link link{ownerOf(record), isDictionary(record.type()), {}};
  if (!link.dictionary) return link;
  std::string_view entryName;
  for (const Group& group : record) {
    if (group.code == 3) entryName = group.value;
    if ((group.code == 350 || group.code == 360) && isStandardEntry(entryName)) {
      link.standardEntries.insert(handleValue(group.value));
    }
  }
  return link;
}

// Whether the object hangs under a standard entry of the named object dictionary or under an
// object the writer rebuilds (a layout's or visual style's extension dictionary). Such records
// describe the other program's own objects, which a saved file builds afresh; nothing of the
// user's drawing is in them.
bool belongsToRebuiltStructure(std::uint64_t handle, std::uint64_t owner,
                               const std::unordered_map<std::uint64_t, Link>& links) {
  if (handle == 0) return false;
  constexpr int kDeepestTree = 64;  // also ends an ownership cycle in a broken file
  for (int depth = 0; depth < kDeepestTree; ++depth) {
    const auto parent = links.find(owner);
    // Owned from outside the objects (the extension dictionary of an entity or a table), or
    // by an object that is kept.
    if (parent == links.end()) return false;
    if (!parent->second.dictionary) return true;
    if (parent->second.owner == 0) return parent->second.standardEntries.contains(handle);
    handle = owner;
    owner = parent->second.owner;
  }
  return false;
}

}  // namespace

void ObjectsReader::readSection(ReaderContext& context, Record& record) {
  while (record.type() != "ENDSEC") {
    SourceRecord kept = keepRecord(record);
    const std::uint64_t handle = handleOf(kept);
    context.noteHandle(handle);
    if (isRebuilt(record.type())) {
      if (handle != 0) links_.emplace(handle, linkOf(record));
    } else {
      candidates_.push_back({handle, ownerOf(record), kept.type});
    }
    context.source.objects.push_back(std::move(kept));
    nextInSection(context, record);
  }
}

void ObjectsReader::finish(ReaderContext& context) {
  for (Candidate& candidate : candidates_) {
    if (candidate.type == "XRECORD" &&
        belongsToRebuiltStructure(candidate.handle, candidate.owner, links_)) {
      continue;
    }
    context.source.objectsLostWhenRebuilt.push_back(std::move(candidate.type));
  }
  candidates_.clear();
}

}  // namespace host::dxf
