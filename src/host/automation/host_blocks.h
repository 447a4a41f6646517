#pragma once

#include <memory>

#include "cad/automation.h"
#include "host/automation/hosted_drawing.h"

namespace host {

// A block definition, bound to its place in the block table.
class HostBlockDefinition : public cad::BlockDefinition {
 public:
  HostBlockDefinition(std::shared_ptr<HostedDrawing> document, model::BlockIndex block);

  std::string Name() override;
  cad::Ref<cad::Entity> Add3DPoly(const std::vector<double>& vertices) override;

  model::BlockIndex block() const { return block_; }

 private:
  std::shared_ptr<HostedDrawing> document_;
  model::BlockIndex block_;
};

// The block table. Enumerate lists every block in table order, the two spaces
// ("*Model_Space", "*Paper_Space") first, as they are blocks of the drawing too.
class HostBlocks : public cad::Blocks {
 public:
  explicit HostBlocks(std::shared_ptr<HostedDrawing> document);

  std::vector<cad::Ref<cad::BlockDefinition>> Enumerate() override;
  // An existing name, in any case of letters, returns that block unchanged.
  cad::Ref<cad::BlockDefinition> Add(const cad::Point3& insertionPoint,
                                     const std::string& name) override;

 private:
  std::shared_ptr<HostedDrawing> document_;
};

}  // namespace host
