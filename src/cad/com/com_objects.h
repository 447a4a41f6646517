#pragma once

#include <memory>
#include <optional>
#include <utility>

#include "cad/automation.h"
#include "cad/com/com_error.h"
#include "cad/com/dispatch.h"

// The automation object model over late-bound IDispatch. Each wrapper holds one COM reference,
// released when the last cad::Ref to it goes.
namespace cad::com {

// What every wrapper is, so that an object handed back to the CAD program as an argument can
// be passed as the automation object it wraps.
class ComObject {
 public:
  explicit ComObject(Dispatch object) : object_(std::move(object)) {}
  virtual ~ComObject() = default;
  const Dispatch& object() const { return object_; }

 private:
  Dispatch object_;
};

// A wrapper of kind `Wrapper` around `object`; an empty reference when there is no object.
template <class Wrapper, class Interface>
Ref<Interface> wrapAs(const std::optional<Dispatch>& object) {
  if (!object) return {};
  return Ref<Interface>(std::make_shared<Wrapper>(*object));
}

// The automation object behind `object`, to hand back to the CAD program as an argument. Only
// the CAD program's own objects can be: anything else is a type mismatch, an empty reference
// error 91.
template <class Interface>
IDispatch* ownObject(const Ref<Interface>& object) {
  const auto* wrapped = dynamic_cast<const ComObject*>(&*object);
  if (!wrapped) throw typeMismatch();
  return wrapped->object().get();
}

Ref<Application> wrapApplication(const Dispatch& application);
Ref<ModelSpace> wrapModelSpace(const std::optional<Dispatch>& modelSpace);
Ref<Blocks> wrapBlocks(const std::optional<Dispatch>& blocks);
Ref<Layers> wrapLayers(const std::optional<Dispatch>& layers);
Ref<Layer> wrapLayer(const std::optional<Dispatch>& layer);

}  // namespace cad::com
