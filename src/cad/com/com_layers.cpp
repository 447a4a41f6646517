#include <string>

#include "cad/com/com_objects.h"
#include "cad/com/variant_values.h"

// The drawing's layer table and its layers.
namespace cad::com {
namespace {

class ComLayer : public Layer, public ComObject {
 public:
  using ComObject::ComObject;

  std::string Name() override { return toText(object().get("Name")); }
  Color color() override { return toInt32(object().get("color")); }
  void color(Color value) override { object().put("color", int32Value(value)); }
};

class ComLayers : public Layers, public ComObject {
 public:
  using ComObject::ComObject;

  Ref<Layer> Add(const std::string& name) override {
    return wrapLayer(object().objectIn(object().call("Add", {textValue(name)})));
  }
  Ref<Layer> Item(const std::string& name) override {
    return wrapLayer(object().objectIn(object().call("Item", {textValue(name)})));
  }
};

}  // namespace

Ref<Layers> wrapLayers(const std::optional<Dispatch>& layers) {
  return wrapAs<ComLayers, Layers>(layers);
}

Ref<Layer> wrapLayer(const std::optional<Dispatch>& layer) {
  return wrapAs<ComLayer, Layer>(layer);
}

}  // namespace cad::com
