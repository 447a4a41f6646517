#pragma once

#include <oaidl.h>
#include <windows.h>

#include <string_view>

#include "cad/automation_error.h"

namespace cad::com {

// A failed Invoke. The CAD program's own error number and text travel in EXCEPINFO; without
// them the HRESULT is the number and the system's text for it the description. Frees the
// strings held by `info`.
AutomationError invokeError(HRESULT hr, EXCEPINFO& info);

// Any other failing COM call: the HRESULT, with `context` saying what was attempted.
AutomationError comError(HRESULT hr, std::string_view context);

// What a value of the wrong kind gives, as in an automation script.
AutomationError typeMismatch();

}  // namespace cad::com
