#include "cad/com/com_launcher.h"

#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#include <string>

#include "cad/com/com_error.h"
#include "cad/com/com_objects.h"
#include "cad/com/wide_text.h"

namespace cad::com {
namespace {

// An interface pointer released when it goes.
template <class Interface>
class Held {
 public:
  Held() = default;
  ~Held() {
    if (pointer_) pointer_->Release();
  }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;

  Interface* get() const { return pointer_; }
  void** receive() { return reinterpret_cast<void**>(&pointer_); }
  Interface** address() { return &pointer_; }

 private:
  Interface* pointer_ = nullptr;
};

class ComLauncher : public Launcher {
 public:
  ComLauncher() : apartment_(std::make_shared<Apartment>()) {}

  Ref<Application> Attach(const std::string& progId) override {
    const CLSID clsid = classOf(progId);
    Held<IUnknown> running;
    const HRESULT hr = GetActiveObject(clsid, nullptr, running.address());
    if (FAILED(hr)) throw comError(hr, progId + " is not running");
    Held<IDispatch> application;
    const HRESULT queried = running.get()->QueryInterface(IID_IDispatch, application.receive());
    if (FAILED(queried)) throw comError(queried, progId + " offers no automation");
    return wrapApplication(Dispatch(application.get(), apartment_));
  }

  Ref<Application> Create(const std::string& progId) override {
    const CLSID clsid = classOf(progId);
    Held<IDispatch> application;
    const HRESULT hr =
        CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IDispatch, application.receive());
    if (FAILED(hr)) throw comError(hr, progId + " could not be started");
    return wrapApplication(Dispatch(application.get(), apartment_));
  }

 private:
  static CLSID classOf(const std::string& progId) {
    const std::wstring wide = toWide(progId);
    CLSID clsid{};
    const HRESULT hr = CLSIDFromProgID(wide.c_str(), &clsid);
    if (FAILED(hr)) throw comError(hr, progId + " is not installed");
    return clsid;
  }

  std::shared_ptr<Apartment> apartment_;
};

}  // namespace

std::unique_ptr<Launcher> makeLauncher() {
  return std::make_unique<ComLauncher>();
}

}  // namespace cad::com
