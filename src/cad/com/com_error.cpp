#include "cad/com/com_error.h"

#include <cstdio>
#include <string>

#include "cad/com/wide_text.h"

namespace cad::com {
namespace {

std::string systemMessage(HRESULT hr) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer ? buffer : L"", length);
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
    text.pop_back();
  }
  if (!text.empty()) return toUtf8(text);
  char fallback[40];
  std::snprintf(fallback, sizeof fallback, "Automation error 0x%08lX",
                static_cast<unsigned long>(hr));
  return fallback;
}

std::string takeText(BSTR& text) {
  std::string utf8 = text ? toUtf8(std::wstring_view(text, SysStringLen(text))) : std::string();
  SysFreeString(text);
  text = nullptr;
  return utf8;
}

}  // namespace

AutomationError invokeError(HRESULT hr, EXCEPINFO& info) {
  if (hr != DISP_E_EXCEPTION) return AutomationError(hr, systemMessage(hr));
  if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
  long number = hr;
  if (info.scode != 0) {
    number = info.scode;
  } else if (info.wCode != 0) {
    number = info.wCode;
  }
  std::string description = takeText(info.bstrDescription);
  takeText(info.bstrSource);
  takeText(info.bstrHelpFile);
  if (description.empty()) description = systemMessage(static_cast<HRESULT>(number));
  return AutomationError(number, description);
}

AutomationError comError(HRESULT hr, std::string_view context) {
  return AutomationError(hr, std::string(context) + ": " + systemMessage(hr));
}

AutomationError typeMismatch() {
  return AutomationError(13, "Type mismatch");
}

}  // namespace cad::com
