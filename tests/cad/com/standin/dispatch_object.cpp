#include "standin/dispatch_object.h"

#include <cstdio>
#include <cwctype>

namespace standin {
namespace {

// Answered only by this server's own objects, to tell them apart from proxies and strangers.
const IID kOwnObject = {
    0x5d1c7e40, 0x2b9a, 0x4f61, {0x9c, 0x0e, 0x7a, 0x31, 0x44, 0xd2, 0x8b, 0x15}};

bool sameName(const wchar_t* a, const wchar_t* b) {
  for (; *a && *b; ++a, ++b) {
    if (std::towlower(*a) != std::towlower(*b)) return false;
  }
  return *a == *b;
}

std::string kindText(WORD kind) {
  switch (kind) {
    case DISPATCH_METHOD:
      return "METHOD";
    case DISPATCH_PROPERTYGET:
      return "GET";
    case DISPATCH_METHOD | DISPATCH_PROPERTYGET:
      return "METHOD|GET";
    case DISPATCH_PROPERTYPUT:
      return "PUT";
    case DISPATCH_PROPERTYPUTREF:
      return "PUTREF";
    default:
      return "KIND" + std::to_string(kind);
  }
}

bool allowed(Access access, WORD kind) {
  switch (access) {
    case Access::Method:
      return kind & DISPATCH_METHOD;
    case Access::Get:
      return kind & DISPATCH_PROPERTYGET;
    case Access::GetPut:
      return (kind & DISPATCH_PROPERTYGET) || kind == DISPATCH_PROPERTYPUT;
  }
  return false;
}

std::string hresultText(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

}  // namespace

const VARIANT& Call::argument(std::size_t index) const {
  if (index >= arguments.size()) throw Fault{DISP_E_BADPARAMCOUNT, L""};
  return *arguments[index];
}

DispatchObject::DispatchObject(Server& server, std::string kind, std::vector<Member> members)
    : server_(server),
      label_(std::move(kind) + "#" + std::to_string(server.nextObjectId++)),
      members_(std::move(members)) {
  server_.objectCreated();
}

DispatchObject::~DispatchObject() {
  server_.log(label_ + "\treleased");
  server_.objectReleased();
}

HRESULT DispatchObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kOwnObject) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG DispatchObject::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG DispatchObject::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo**) {
  return E_NOTIMPL;
}

HRESULT DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (count != 1) return DISP_E_UNKNOWNNAME;
  if (sameName(names[0], L"_NewEnum")) {
    ids[0] = DISPID_NEWENUM;
    return S_OK;
  }
  for (std::size_t i = 0; i < members_.size(); ++i) {
    if (sameName(names[0], members_[i].name)) {
      ids[0] = static_cast<DISPID>(i + 1);
      return S_OK;
    }
  }
  ids[0] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT DispatchObject::checkedCall(DISPID id, WORD kind, const DISPPARAMS& parameters,
                                    Call& call) const {
  call.kind = kind;
  Access access = Access::Method;
  if (id == DISPID_NEWENUM) {
    call.member = L"_NewEnum";
    access = Access::Get;
  } else if (id >= 1 && static_cast<std::size_t>(id) <= members_.size()) {
    call.member = members_[id - 1].name;
    access = members_[id - 1].access;
  } else {
    return DISP_E_MEMBERNOTFOUND;
  }
  const bool put = kind & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
  // The value of a put is the one named argument; it stands first in rgvarg.
  const UINT named = put ? 1 : 0;
  if (parameters.cNamedArgs != named) return DISP_E_NONAMEDARGS;
  if (put && parameters.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) return DISP_E_PARAMNOTFOUND;
  for (UINT i = parameters.cArgs; i > named; --i) {
    call.arguments.push_back(&parameters.rgvarg[i - 1]);
  }
  if (put && parameters.cArgs > 0) call.arguments.push_back(&parameters.rgvarg[0]);
  if (!allowed(access, kind)) return DISP_E_MEMBERNOTFOUND;
  return S_OK;
}

HRESULT DispatchObject::Invoke(DISPID id, REFIID, LCID, WORD kind, DISPPARAMS* parameters,
                               VARIANT* result, EXCEPINFO* info, UINT*) {
  if (!parameters) return E_POINTER;
  Call call;
  HRESULT hr = checkedCall(id, kind, *parameters, call);
  if (FAILED(hr)) {
    record(call, "REJECTED " + hresultText(hr));
    return hr;
  }
  VARIANT outcome;
  VariantInit(&outcome);
  try {
    perform(call, outcome);
  } catch (const Fault& fault) {
    VariantClear(&outcome);
    record(call, "FAILED " + hresultText(fault.hr));
    if (fault.description.empty() || !info) return fault.hr;
    *info = EXCEPINFO{};
    info->scode = fault.hr;
    info->bstrSource = SysAllocString(L"Kestova stand-in");
    info->bstrDescription = SysAllocString(fault.description.c_str());
    return DISP_E_EXCEPTION;
  }
  record(call, describe(outcome));
  if (result) {
    *result = outcome;
  } else {
    VariantClear(&outcome);
  }
  return S_OK;
}

void DispatchObject::record(const Call& call, const std::string& outcome) const {
  std::string line = label_ + "\t" + utf8(call.member) + "\t" + kindText(call.kind);
  for (const VARIANT* argument : call.arguments) line += "\t" + describe(*argument);
  server_.log(line + "\t=> " + outcome);
}

DispatchObject* ownObject(IUnknown* object) {
  IDispatch* own = nullptr;
  if (!object || FAILED(object->QueryInterface(kOwnObject, reinterpret_cast<void**>(&own)))) {
    return nullptr;
  }
  own->Release();  // the caller's reference to `object` keeps it alive
  return static_cast<DispatchObject*>(own);
}

std::string labelOf(IUnknown* object) {
  if (!object) return "null";
  const DispatchObject* own = ownObject(object);
  return own ? own->label() : "foreign";
}

}  // namespace standin
