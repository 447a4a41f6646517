#include <optional>

#include "standin/drawing_objects.h"
#include "standin/protocol.h"

// The drawing's layer table and its layers.
namespace standin {
namespace {

class Layer : public DispatchObject {
 public:
  Layer(Server& server, std::size_t index)
      : DispatchObject(server, "Layer", {{L"Name", Access::Get}, {L"color", Access::GetPut}}),
        index_(index) {}

  std::size_t index() const { return index_; }

 protected:
  void perform(const Call& call, VARIANT& result) override {
    LayerRecord& layer = server().layers.at(index_);
    if (call.kind == DISPATCH_PROPERTYPUT) {
      expectArguments(call, 1);
      const long color = longOf(call.argument(0));
      requireColor(color, 1, 255);
      layer.color = color;
      return;
    }
    expectArguments(call, 0);
    if (call.member == L"Name") return setText(result, layer.name);
    result.vt = VT_I4;
    result.lVal = layer.color;
  }

 private:
  std::size_t index_;
};

void setLayer(Server& server, VARIANT& result, std::size_t index) {
  IDispatch* layer = newLayer(server, index);
  setObject(result, layer);
  layer->Release();
}

std::optional<std::size_t> layerNamed(const Server& server, const std::wstring& name) {
  for (std::size_t i = 0; i < server.layers.size(); ++i) {
    if (_wcsicmp(server.layers[i].name.c_str(), name.c_str()) == 0) return i;
  }
  return std::nullopt;
}

class Layers : public DispatchObject {
 public:
  explicit Layers(Server& server)
      : DispatchObject(server, "Layers", {{L"Add", Access::Method}, {L"Item", Access::Method}}) {}

 protected:
  // Adding a name that exists hands back the layer of that name.
  void perform(const Call& call, VARIANT& result) override {
    expectArguments(call, 1);
    const std::wstring name = textOf(call.argument(0));
    if (call.member == L"Item") return setLayer(server(), result, findLayer(server(), name));
    if (name.empty() || name.find_first_of(L"<>/\\\":;?*|,=`") != std::wstring::npos) {
      throw Fault{E_INVALIDARG, wide(kInvalidInputText)};
    }
    if (const auto existing = layerNamed(server(), name)) {
      return setLayer(server(), result, *existing);
    }
    server().layers.push_back({name, 7});
    setLayer(server(), result, server().layers.size() - 1);
  }
};

}  // namespace

IDispatch* newLayers(Server& server) {
  return new Layers(server);
}

std::size_t layerOf(const VARIANT& value) {
  const Layer* layer =
      value.vt == VT_DISPATCH ? dynamic_cast<const Layer*>(ownObject(value.pdispVal)) : nullptr;
  if (!layer) throw Fault{DISP_E_TYPEMISMATCH, L""};
  return layer->index();
}

IDispatch* newLayer(Server& server, std::size_t index) {
  return new Layer(server, index);
}

std::size_t findLayer(const Server& server, const std::wstring& name) {
  if (const auto found = layerNamed(server, name)) return *found;
  throw Fault{kKeyNotFound, wide(kKeyNotFoundText)};
}

void requireColor(long color, long lowest, long highest) {
  if (color < lowest || color > highest) throw Fault{E_INVALIDARG, wide(kInvalidInputText)};
}

}  // namespace standin
