#pragma once

#include <windows.h>

#include <string>

// What the stand-in CAD server and the Wine test program agree on: where the call record
// goes, how a running instance is started and stopped, and the failures it reports.
namespace standin {

// The ProgID each release is registered under.
inline std::wstring progId(int release) {
  return L"AutoCAD.Application." + std::to_wstring(release);
}

// The call record, one line per call, in the directory of the server's executable.
inline constexpr wchar_t kLogFileName[] = L"standin-calls.log";
inline constexpr wchar_t kServerFileName[] = L"kestova_standin_server.exe";

// Command-line options of the server.
inline constexpr wchar_t kReleaseOption[] = L"--release";           // 15 to 20
inline constexpr wchar_t kRunningOption[] = L"--running";           // register as running
inline constexpr wchar_t kCancelPicksOption[] = L"--cancel-picks";  // every pick is cancelled
inline constexpr wchar_t kUcsNameOption[] = L"--ucs-name";          // the current UCS's name
inline constexpr wchar_t kBlockOption[] = L"--block";  // a block the drawing holds already

// Named events of a running instance: set once it is registered; set by the test to end it.
inline std::wstring readyEventName(int release) {
  return L"KestovaStandIn" + std::to_wstring(release) + L"Ready";
}
inline std::wstring quitEventName(int release) {
  return L"KestovaStandIn" + std::to_wstring(release) + L"Quit";
}

// A cancelled point request, reported through EXCEPINFO.
inline constexpr HRESULT kPickCancelled = static_cast<HRESULT>(0x80047A01);
inline constexpr char kPickCancelledText[] = "Point request cancelled";
// Any call on a deleted UCS: a bare HRESULT, no EXCEPINFO.
inline constexpr HRESULT kObjectDeleted = static_cast<HRESULT>(0x80047A02);
// GetVariable of a name the drawing does not know: E_INVALIDARG through EXCEPINFO with this
// text around the name (UTF-8 here, UTF-16 on the wire).
inline constexpr char kUnknownVariableText[] = "Unknown system variable \u201c";
inline constexpr char kUnknownVariableTextEnd[] = "\u201d";

// A layer name the drawing does not have, through EXCEPINFO.
inline constexpr HRESULT kKeyNotFound = static_cast<HRESULT>(0x80047A03);
inline constexpr char kKeyNotFoundText[] = "Key not found";
// A refused layer name or colour: E_INVALIDARG through EXCEPINFO with this text.
inline constexpr char kInvalidInputText[] = "Invalid input";

}  // namespace standin
