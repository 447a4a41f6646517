#pragma once

#include <oaidl.h>
#include <windows.h>

namespace cad::com {

// An owned VARIANT: cleared when it goes, deep-copied (objects AddRef'ed) when copied.
class Variant {
 public:
  Variant() { VariantInit(&value_); }
  ~Variant() { VariantClear(&value_); }
  Variant(const Variant& other);
  Variant& operator=(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(Variant&& other) noexcept;

  // Takes over a VARIANT that the caller owned; `raw` is left empty.
  static Variant adopt(VARIANT& raw);

  const VARIANT& raw() const { return value_; }
  // For functions that fill in a result; whatever was held is cleared first.
  VARIANT* receive();
  VARTYPE type() const { return value_.vt; }

 private:
  VARIANT value_;
};

}  // namespace cad::com
