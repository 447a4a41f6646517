#include "host/automation/host_blocks.h"

#include <utility>

#include "host/automation/call_guard.h"
#include "host/automation/entity_factory.h"
#include "host/automation/make_ref.h"

namespace host {

HostBlockDefinition::HostBlockDefinition(std::shared_ptr<HostedDrawing> document,
                                         model::BlockIndex block)
    : document_(std::move(document)), block_(block) {}

std::string HostBlockDefinition::Name() {
  if (block_ >= document_->model().blocks().size()) throw methodFailed("The block has been erased");
  return document_->model().blocks()[block_].name;
}

cad::Ref<cad::Entity> HostBlockDefinition::Add3DPoly(const std::vector<double>& vertices) {
  Name();  // fails for a block that is gone
  return guardedCall(*document_, [&] {
    return entity_factory::add(document_, block_, entity_factory::polyline3d(vertices));
  });
}

HostBlocks::HostBlocks(std::shared_ptr<HostedDrawing> document) : document_(std::move(document)) {}

std::vector<cad::Ref<cad::BlockDefinition>> HostBlocks::Enumerate() {
  std::vector<cad::Ref<cad::BlockDefinition>> blocks;
  for (std::size_t i = 0; i < document_->model().blocks().size(); ++i) {
    blocks.emplace_back(makeRef<cad::BlockDefinition, HostBlockDefinition>(
        document_, static_cast<model::BlockIndex>(i)));
  }
  return blocks;
}

cad::Ref<cad::BlockDefinition> HostBlocks::Add(const cad::Point3& insertionPoint,
                                               const std::string& name) {
  return guardedCall(*document_, [&]() -> cad::Ref<cad::BlockDefinition> {
    return makeRef<cad::BlockDefinition, HostBlockDefinition>(
        document_, document_->model().addBlock(name, insertionPoint));
  });
}

}  // namespace host
