#pragma once

#include <memory>
#include <utility>

#include "cad/ref.h"

namespace host {

// A new automation object handed out through its interface.
template <class Interface, class Object, class... Args>
cad::Ref<Interface> makeRef(Args&&... args) {
  return std::shared_ptr<Interface>(std::make_shared<Object>(std::forward<Args>(args)...));
}

}  // namespace host
