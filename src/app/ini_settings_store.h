#pragma once

#include <QString>

#include "form/settings_store.h"

namespace app {

// The settings store as INI files under the user's configuration folder: application A keeps
// its entries in <folder>/A/A.ini, one group per section.
class IniSettingsStore : public form::SettingsStore {
 public:
  explicit IniSettingsStore(QString configFolder);

  // The user's configuration folder, $XDG_CONFIG_HOME or ~/.config, looked up on every call.
  static QString userConfigFolder();
  QString fileFor(const std::string& application) const;

  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& defaultText) override;
  bool Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& text) override;

 private:
  QString configFolder_;
};

}  // namespace app
