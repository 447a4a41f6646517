#include "standin_process.h"

#include "standin/protocol.h"

namespace {

std::wstring serverPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring directory(path, length);
  directory.erase(directory.find_last_of(L"\\/") + 1);
  return directory + standin::kServerFileName;
}

}  // namespace

RunningStandIn::RunningStandIn(int release, const std::vector<std::wstring>& options)
    : release_(release) {
  quit_ = CreateEventW(nullptr, TRUE, FALSE, standin::quitEventName(release).c_str());
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, standin::readyEventName(release).c_str());
  ResetEvent(quit_);
  ResetEvent(ready);

  const std::wstring path = serverPath();
  std::wstring commandLine = L"\"" + path + L"\" " + standin::kReleaseOption + L" " +
                             std::to_wstring(release) + L" " + standin::kRunningOption;
  for (const std::wstring& option : options) commandLine += L" \"" + option + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process_)) {
    HANDLE waits[] = {ready, process_.hProcess};
    ready_ = WaitForMultipleObjects(2, waits, FALSE, 20000) == WAIT_OBJECT_0;
  }
  CloseHandle(ready);
}

RunningStandIn::~RunningStandIn() {
  if (process_.hProcess) {
    SetEvent(quit_);
    if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) {
      TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  CloseHandle(quit_);
}
