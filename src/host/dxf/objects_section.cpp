#include <array>

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

}  // namespace

void readObjects(ReaderContext& context, Record& record) {
  std::vector<model::UnsupportedEntity> kept;
  while (record.type() != "ENDSEC") {
    if (!isRebuilt(record.type())) {
      kept.push_back(rawEntity(context, std::span<const Record>(&record, 1)));
    }
    nextInSection(context, record, "OBJECTS");
  }
  if (!kept.empty()) {
    auto objects = context.document.unsupportedObjects();
    objects.insert(objects.end(), std::make_move_iterator(kept.begin()),
                   std::make_move_iterator(kept.end()));
    context.document.setUnsupportedObjects(std::move(objects));
  }
}

}  // namespace host::dxf
