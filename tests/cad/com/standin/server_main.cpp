// A stand-in for the CAD program's automation server, for the Wine tests of the COM backend.
// Started with --running it registers an application as the running instance of its release
// and waits for the test to end it; started by COM (-Embedding) it serves one client and ends
// with its last object. Every call is written to the call record.

#include <objbase.h>
#include <oleauto.h>
#include <shellapi.h>
#include <windows.h>

#include <string>

#include "standin/drawing_objects.h"
#include "standin/protocol.h"

namespace standin {
namespace {

// No server outlives a test run that lost track of it.
constexpr DWORD kLongestLife = 120000;

class ClassFactory : public IClassFactory {
 public:
  explicit ClassFactory(Server& server) : server_(server) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *object = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  // Lives on the stack of main, for as long as it is registered.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (outer) return CLASS_E_NOAGGREGATION;
    IDispatch* application = newApplication(server_);
    const HRESULT hr = application->QueryInterface(iid, object);
    application->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  Server& server_;
};

struct Options {
  Server server;
  bool running = false;
};

Options parse(int count, wchar_t** arguments) {
  Options options;
  for (int i = 1; i < count; ++i) {
    const std::wstring option = arguments[i];
    const bool hasValue = i + 1 < count;
    if (option == kReleaseOption && hasValue) {
      options.server.release = std::stoi(arguments[++i]);
    } else if (option == kRunningOption) {
      options.running = true;
    } else if (option == kCancelPicksOption) {
      options.server.cancelPicks = true;
    } else if (option == kUcsNameOption && hasValue) {
      options.server.ucsName = arguments[++i];
      options.server.ucsTable.push_back({options.server.ucsName, currentUcs()});
    } else if (option == kBlockOption && hasValue) {
      options.server.blockNames.push_back(arguments[++i]);
    }
  }
  return options;
}

// Handles COM's window messages until `stop` is set, WM_QUIT arrives, or time runs out.
void serve(HANDLE stop) {
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= kLongestLife) return;
    const DWORD waited = MsgWaitForMultipleObjects(stop ? 1 : 0, stop ? &stop : nullptr, FALSE,
                                                   kLongestLife - elapsed, QS_ALLINPUT);
    if (stop && waited == WAIT_OBJECT_0) return;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return;
      DispatchMessageW(&message);
    }
  }
}

int runAsRunningInstance(Server& server, const CLSID& clsid) {
  IDispatch* application = newApplication(server);
  DWORD cookie = 0;
  HRESULT hr = RegisterActiveObject(application, clsid, ACTIVEOBJECT_STRONG, &cookie);
  if (FAILED(hr)) {
    application->Release();
    return 3;
  }
  HANDLE quit = CreateEventW(nullptr, TRUE, FALSE, quitEventName(server.release).c_str());
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, readyEventName(server.release).c_str());
  SetEvent(ready);
  serve(quit);
  RevokeActiveObject(cookie, nullptr);
  application->Release();
  CloseHandle(ready);
  CloseHandle(quit);
  return 0;
}

int runAsCreatedInstance(Server& server, const CLSID& clsid) {
  ClassFactory factory(server);
  server.quitWhenUnused = true;
  DWORD cookie = 0;
  const HRESULT hr =
      CoRegisterClassObject(clsid, &factory, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE, &cookie);
  if (FAILED(hr)) return 3;
  serve(nullptr);
  CoRevokeClassObject(cookie);
  return 0;
}

}  // namespace
}  // namespace standin

int main() {
  using namespace standin;
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  Options options = parse(count, arguments);
  LocalFree(arguments);

  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
  CLSID clsid{};
  int exitCode = 2;
  if (SUCCEEDED(CLSIDFromProgID(progId(options.server.release).c_str(), &clsid))) {
    options.server.log(std::string("server\tstarted\t") +
                       (options.running ? "running" : "created"));
    exitCode = options.running ? runAsRunningInstance(options.server, clsid)
                               : runAsCreatedInstance(options.server, clsid);
    options.server.log("server\tstopped");
  }
  CoUninitialize();
  return exitCode;
}
