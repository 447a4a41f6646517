#include <algorithm>

#include "standin/drawing_objects.h"

namespace standin {
namespace {

// Enumerates block definitions by name; each step hands out a new Block object.
class BlockEnumerator : public IEnumVARIANT {
 public:
  BlockEnumerator(Server& server, std::vector<std::wstring> names, std::size_t position)
      : server_(server), names_(std::move(names)), position_(position) {
    server_.objectCreated();
  }
  virtual ~BlockEnumerator() { server_.objectReleased(); }
  BlockEnumerator(const BlockEnumerator&) = delete;
  BlockEnumerator& operator=(const BlockEnumerator&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IEnumVARIANT) {
      *object = static_cast<IEnumVARIANT*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override {
    if (!items) return E_POINTER;
    ULONG given = 0;
    while (given < count && position_ < names_.size()) {
      VariantInit(&items[given]);
      items[given].vt = VT_DISPATCH;
      items[given].pdispVal = newBlock(server_, names_[position_]);
      ++given;
      ++position_;
    }
    if (fetched) *fetched = given;
    server_.log("BlockEnumerator\tNext\t=> " + std::to_string(given));
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    position_ = std::min(names_.size(), position_ + count);
    return position_ < names_.size() ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    position_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
    if (!copy) return E_POINTER;
    *copy = new BlockEnumerator(server_, names_, position_);
    return S_OK;
  }

 private:
  Server& server_;
  std::vector<std::wstring> names_;
  std::size_t position_;
  LONG references_ = 1;
};

}  // namespace

IUnknown* newBlockEnumerator(Server& server) {
  return new BlockEnumerator(server, server.blockNames, 0);
}

}  // namespace standin
