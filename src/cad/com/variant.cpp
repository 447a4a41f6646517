#include "cad/com/variant.h"

#include "cad/com/com_error.h"

namespace cad::com {

Variant::Variant(const Variant& other) {
  VariantInit(&value_);
  const HRESULT hr = VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
  if (FAILED(hr)) throw comError(hr, "A value could not be copied");
}

Variant& Variant::operator=(const Variant& other) {
  if (this != &other) {
    Variant copy(other);
    *this = std::move(copy);
  }
  return *this;
}

Variant::Variant(Variant&& other) noexcept : value_(other.value_) {
  VariantInit(&other.value_);
}

Variant& Variant::operator=(Variant&& other) noexcept {
  if (this != &other) {
    VariantClear(&value_);
    value_ = other.value_;
    VariantInit(&other.value_);
  }
  return *this;
}

Variant Variant::adopt(VARIANT& raw) {
  Variant owned;
  owned.value_ = raw;
  VariantInit(&raw);
  return owned;
}

VARIANT* Variant::receive() {
  VariantClear(&value_);
  return &value_;
}

}  // namespace cad::com
