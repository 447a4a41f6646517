#pragma once

#include <optional>
#include <string_view>

#include "form/settings_store.h"

namespace form {

// The text height the dialog stored last, read in the user's decimal `separator`; nothing when
// the store cannot be read or holds no number. The dialog starts with it, and so do the other
// windows that draw labels the dialog's way.
std::optional<double> storedTextHeight(SettingsStore& settings, std::string_view separator);

}  // namespace form
