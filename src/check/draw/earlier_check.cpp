#include "check/draw/earlier_check.h"

#include <string>
#include <unordered_set>

#include "check/draw/deviation_layers.h"
#include "host/automation/host_document.h"
#include "host/automation/host_entity.h"
#include "host/dxf/extended_data.h"
#include "host/model/names.h"

namespace check::draw {
namespace {

const host::HostEntity* hostEntity(const cad::Ref<cad::Entity>& entity) {
  return dynamic_cast<const host::HostEntity*>(entity.shared().get());
}

bool onDeviationLayer(const host::model::Document& drawing, const host::model::Entity& entity) {
  const std::string layer = host::model::foldedName(drawing.layers()[entity.layer].name);
  for (const char* deviation : {kPassLayer, kFailLayer, kMissingLayer, kOutsideLayer}) {
    if (layer == host::model::foldedName(deviation)) return true;
  }
  return false;
}

}  // namespace

void tagAsDrawnByCheck(const std::vector<cad::Ref<cad::Entity>>& drawn) {
  for (const cad::Ref<cad::Entity>& entity : drawn) {
    const host::HostEntity* hosted = hostEntity(entity);
    if (hosted == nullptr) continue;
    host::model::EntityProperties properties = hosted->entity().properties.get();
    properties.tag = {kCheckApplication, kCheckTagText};
    hosted->document()->model().setEntityProperties(hosted->location(), properties);
  }
}

std::size_t eraseEarlierChecks(cad::Document& drawing,
                               const std::vector<cad::Ref<cad::Entity>>& drawn) {
  const auto* hosted = dynamic_cast<const host::HostDocument*>(&drawing);
  if (hosted == nullptr) return 0;
  host::model::Document& model = *hosted->model();
  std::unordered_set<host::model::Handle> keep;
  for (const cad::Ref<cad::Entity>& entity : drawn) {
    if (const host::HostEntity* own = hostEntity(entity)) keep.insert(own->entity().handle);
  }
  const auto& entities = model.blocks()[host::model::BlockTable::kModelSpace].entities;
  std::vector<std::size_t> earlier;
  for (std::size_t i = 0; i < entities.size(); ++i) {
    const host::model::Entity& entity = entities[i];
    if (!keep.contains(entity.handle) && onDeviationLayer(model, entity) &&
        host::dxf::hasExtendedData(model, entity, kCheckApplication)) {
      earlier.push_back(i);
    }
  }
  model.eraseEntities(host::model::BlockTable::kModelSpace, earlier);
  return earlier.size();
}

}  // namespace check::draw
