#pragma once

#include <memory>
#include <string>

#include "cad/automation.h"
#include "host/automation/hosted_drawing.h"

namespace host {

// A layer of the drawing's table, bound to its place there.
class HostLayer : public cad::Layer {
 public:
  HostLayer(std::shared_ptr<HostedDrawing> document, model::LayerIndex layer);

  std::string Name() override;
  cad::Color color() override;
  // Fails for anything but 1..255.
  void color(cad::Color value) override;

  const std::shared_ptr<HostedDrawing>& document() const { return document_; }
  // The layer's index; fails when the layer is gone (its addition undone).
  model::LayerIndex layer() const;

 private:
  std::shared_ptr<HostedDrawing> document_;
  model::LayerIndex layer_;
};

class HostLayers : public cad::Layers {
 public:
  explicit HostLayers(std::shared_ptr<HostedDrawing> document);

  // An existing name, in any case of letters, returns that layer unchanged.
  cad::Ref<cad::Layer> Add(const std::string& name) override;
  cad::Ref<cad::Layer> Item(const std::string& name) override;

 private:
  std::shared_ptr<HostedDrawing> document_;
};

// The layer of `name` in `document`; throws InvalidInput when there is none.
model::LayerIndex existingLayer(const model::Document& document, const std::string& name);

}  // namespace host
