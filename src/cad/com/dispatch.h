#pragma once

#include <oaidl.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "cad/com/apartment.h"
#include "cad/com/variant.h"

namespace cad::com {

// One reference to an automation object, reached by member name (late bound). Holds a COM
// reference for as long as it lives, and the apartment the object was obtained in. Every
// failing call throws AutomationError.
class Dispatch {
 public:
  // Takes a reference of its own to `object`, which must not be null.
  Dispatch(IDispatch* object, std::shared_ptr<Apartment> apartment);
  ~Dispatch();
  Dispatch(const Dispatch& other);
  Dispatch& operator=(const Dispatch& other);

  IDispatch* get() const { return object_; }

  Variant get(const char* property) const;
  void put(const char* property, Variant value) const;
  // Puts an object: by reference where the property takes one, by value where it does not.
  void putObject(const char* property, Variant object) const;
  Variant call(const char* method, std::vector<Variant> arguments = {}) const;
  Variant invoke(DISPID member, WORD kind, std::vector<Variant> arguments) const;

  // The object that `result` holds, in the same apartment; empty when it holds none (an
  // object variable set to Nothing). Anything but an object is a type mismatch.
  std::optional<Dispatch> objectIn(const Variant& result) const;

 private:
  DISPID memberId(const char* name) const;

  IDispatch* object_;
  std::shared_ptr<Apartment> apartment_;
};

}  // namespace cad::com
