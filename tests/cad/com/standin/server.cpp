#include "standin/server.h"

#include <windows.h>

#include "standin/protocol.h"

namespace standin {
namespace {

std::wstring logPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring directory(path, length);
  directory.erase(directory.find_last_of(L"\\/") + 1);
  return directory + kLogFileName;
}

}  // namespace

void Server::log(const std::string& line) const {
  // Opened for each line, so that several server processes can share the record.
  HANDLE file = CreateFileW(logPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = std::to_string(release) + "\t" + line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

void Server::objectReleased() {
  if (--liveObjects == 0 && quitWhenUnused) PostQuitMessage(0);
}

}  // namespace standin
