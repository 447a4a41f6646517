#pragma once

#include <oaidl.h>
#include <windows.h>

#include <string>
#include <vector>

#include "standin/server.h"
#include "standin/values.h"

namespace standin {

// How a member may be invoked, as a type library would declare it.
enum class Access {
  Method,  // DISPATCH_METHOD
  Get,     // read-only property
  GetPut,  // property assigned by value: DISPATCH_PROPERTYPUT, never PUTREF
};

struct Member {
  const wchar_t* name;
  Access access;
};

// One invocation as the object sees it: the arguments in the caller's order, the value of a
// put last.
struct Call {
  std::wstring member;
  WORD kind = 0;
  std::vector<const VARIANT*> arguments;

  const VARIANT& argument(std::size_t index) const;
};

// An automation object written by hand: members looked up by name regardless of case, every
// invocation checked against its declaration and written to the call record with its result.
class DispatchObject : public IDispatch {
 public:
  DispatchObject(Server& server, std::string kind, std::vector<Member> members);
  virtual ~DispatchObject();
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  // "Kind#id", as the call record names the object.
  const std::string& label() const { return label_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD kind, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* info, UINT* badArgument) override;

 protected:
  // Carries out a call that matches the member's declaration; throws Fault to fail it.
  virtual void perform(const Call& call, VARIANT& result) = 0;
  Server& server() const { return server_; }

 private:
  HRESULT checkedCall(DISPID id, WORD kind, const DISPPARAMS& parameters, Call& call) const;
  void record(const Call& call, const std::string& outcome) const;

  Server& server_;
  std::string label_;
  std::vector<Member> members_;
  LONG references_ = 1;
};

// One of this server's own objects, borrowed from `object`; null for anything else.
DispatchObject* ownObject(IUnknown* object);

// The label of one of this server's objects, or "foreign" for anything else.
std::string labelOf(IUnknown* object);

}  // namespace standin
