#pragma once

#include <optional>
#include <string>

namespace form {

// The per-user settings store: texts under an application, a section and a key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, `defaultText` when the entry is absent, nothing when the store could not
  // be read.
  virtual std::optional<std::string> Read(const std::string& application,
                                          const std::string& section, const std::string& key,
                                          const std::string& defaultText) = 0;
  // Whether the text was written.
  virtual bool Write(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& text) = 0;
};

}  // namespace form
