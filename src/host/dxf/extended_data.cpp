#include "host/dxf/extended_data.h"

#include <string>
#include <variant>

#include "host/dxf/source_drawing.h"
#include "host/model/names.h"

namespace host::dxf {
namespace {

// Whether `groups` name `application` (folded) in a 1001 group.
template <class Groups>
bool namesApplication(const Groups& groups, const std::string& application) {
  for (const auto [code, value] : groups) {
    if (code == 1001 && model::foldedName(value) == application) return true;
  }
  return false;
}

}  // namespace

bool hasExtendedData(const model::Document& document, const model::Entity& entity,
                     std::string_view application) {
  const std::string folded = model::foldedName(application);
  const std::string& tagged = entity.properties->tag.application;
  if (!tagged.empty() && model::foldedName(tagged) == folded) return true;
  if (const auto* raw = std::get_if<model::UnsupportedEntity>(&entity.data)) {
    return namesApplication(raw->groups, folded);
  }
  const SourceDrawing* source = sourceOf(document);
  if (source == nullptr || entity.origin.record == model::EntityOrigin::kNoRecord) return false;
  return namesApplication(source->entities[entity.origin.record], folded);
}

}  // namespace host::dxf
