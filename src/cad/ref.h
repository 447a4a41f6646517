#pragma once

#include <memory>
#include <utility>

#include "cad/automation_error.h"

namespace cad {

// A shared reference to an automation object. Like an object variable of an automation
// script it may be empty; a call through an empty reference fails with error 91 instead of
// crashing, which is what lets an unconnected dialog report its failures.
template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(std::shared_ptr<T> object) : object_(std::move(object)) {}  // NOLINT: implicit by design
  template <class U>
  Ref(const Ref<U>& other) : object_(other.shared()) {}  // NOLINT: upcast like shared_ptr

  T* operator->() const {
    if (!object_) throw objectNotSetError();
    return object_.get();
  }
  T& operator*() const { return *operator->(); }

  explicit operator bool() const { return object_ != nullptr; }
  const std::shared_ptr<T>& shared() const { return object_; }
  void reset() { object_.reset(); }

  friend bool operator==(const Ref& a, const Ref& b) { return a.object_ == b.object_; }

 private:
  std::shared_ptr<T> object_;
};

}  // namespace cad
