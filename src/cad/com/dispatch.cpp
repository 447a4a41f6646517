#include "cad/com/dispatch.h"

#include <algorithm>
#include <string>
#include <utility>

#include "cad/com/com_error.h"
#include "cad/com/wide_text.h"

namespace cad::com {
namespace {

// Arguments in DISPPARAMS stand last to first. The copies are shallow: `arguments` keeps
// owning every value.
std::vector<VARIANTARG> reversed(const std::vector<Variant>& arguments) {
  std::vector<VARIANTARG> raw;
  raw.reserve(arguments.size());
  std::for_each(arguments.rbegin(), arguments.rend(),
                [&raw](const Variant& argument) { raw.push_back(argument.raw()); });
  return raw;
}

bool isPut(WORD kind) {
  return kind & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
}

}  // namespace

Dispatch::Dispatch(IDispatch* object, std::shared_ptr<Apartment> apartment)
    : object_(object), apartment_(std::move(apartment)) {
  object_->AddRef();
}

Dispatch::~Dispatch() {
  object_->Release();
}

Dispatch::Dispatch(const Dispatch& other) : object_(other.object_), apartment_(other.apartment_) {
  object_->AddRef();
}

Dispatch& Dispatch::operator=(const Dispatch& other) {
  other.object_->AddRef();
  object_->Release();
  object_ = other.object_;
  apartment_ = other.apartment_;
  return *this;
}

Variant Dispatch::get(const char* property) const {
  return invoke(memberId(property), DISPATCH_PROPERTYGET, {});
}

void Dispatch::put(const char* property, Variant value) const {
  std::vector<Variant> arguments;
  arguments.push_back(std::move(value));
  invoke(memberId(property), DISPATCH_PROPERTYPUT, std::move(arguments));
}

void Dispatch::putObject(const char* property, Variant object) const {
  const DISPID member = memberId(property);
  try {
    invoke(member, DISPATCH_PROPERTYPUTREF, {object});
  } catch (const AutomationError& error) {
    // A property declared for assignment by value rejects the by-reference put as unknown.
    if (error.number() != DISP_E_MEMBERNOTFOUND) throw;
    invoke(member, DISPATCH_PROPERTYPUT, {std::move(object)});
  }
}

Variant Dispatch::call(const char* method, std::vector<Variant> arguments) const {
  return invoke(memberId(method), DISPATCH_METHOD, std::move(arguments));
}

Variant Dispatch::invoke(DISPID member, WORD kind, std::vector<Variant> arguments) const {
  std::vector<VARIANTARG> raw = reversed(arguments);
  DISPID namedPut = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{raw.data(), nullptr, static_cast<UINT>(raw.size()), 0};
  if (isPut(kind)) {
    parameters.rgdispidNamedArgs = &namedPut;
    parameters.cNamedArgs = 1;
  }
  Variant result;
  EXCEPINFO info{};
  UINT badArgument = 0;
  const HRESULT hr = object_->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters,
                                     isPut(kind) ? nullptr : result.receive(), &info, &badArgument);
  if (FAILED(hr)) throw invokeError(hr, info);
  return result;
}

std::optional<Dispatch> Dispatch::objectIn(const Variant& result) const {
  const VARIANT& raw = result.raw();
  IUnknown* unknown = nullptr;
  if (raw.vt == VT_DISPATCH) {
    unknown = raw.pdispVal;
  } else if (raw.vt == VT_UNKNOWN) {
    unknown = raw.punkVal;
  } else if (raw.vt != VT_EMPTY && raw.vt != VT_NULL) {
    throw typeMismatch();
  }
  if (!unknown) return std::nullopt;
  IDispatch* object = nullptr;
  const HRESULT hr = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object));
  if (FAILED(hr)) throw typeMismatch();
  Dispatch held(object, apartment_);
  object->Release();
  return held;
}

DISPID Dispatch::memberId(const char* name) const {
  std::wstring wide = toWide(name);
  LPOLESTR names[] = {wide.data()};
  DISPID member = DISPID_UNKNOWN;
  const HRESULT hr = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &member);
  if (FAILED(hr)) throw comError(hr, std::string("The CAD object has no member ") + name);
  return member;
}

}  // namespace cad::com
