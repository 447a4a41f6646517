#include "app/ini_settings_store.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <utility>

namespace app {
namespace {

QString keyPath(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

}  // namespace

IniSettingsStore::IniSettingsStore(QString configFolder) : configFolder_(std::move(configFolder)) {}

QString IniSettingsStore::userConfigFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString IniSettingsStore::fileFor(const std::string& application) const {
  const QString name = QString::fromStdString(application);
  return configFolder_ + '/' + name + '/' + name + ".ini";
}

std::optional<std::string> IniSettingsStore::Read(const std::string& application,
                                                  const std::string& section,
                                                  const std::string& key,
                                                  const std::string& defaultText) {
  const QSettings settings(fileFor(application), QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) return std::nullopt;
  const QVariant value = settings.value(keyPath(section, key));
  if (!value.isValid()) return defaultText;
  // An unquoted 1,2 in a hand-edited file comes back as a list; the text is what was written.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(',').toStdString();
  }
  return value.toString().toStdString();
}

bool IniSettingsStore::Write(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& text) {
  QSettings settings(fileFor(application), QSettings::IniFormat);
  settings.setValue(keyPath(section, key), QString::fromStdString(text));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace app
