#include "check/window/window_size.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace check {
namespace {

QSettings userSettings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, "kestova", "windows");
}

QString keyOf(const QString& name) {
  return name + "/size";
}

// Stores the window's size as it closes.
class SizeKeeper : public QObject {
 public:
  SizeKeeper(QWidget& window, QString name) : QObject(&window), name_(std::move(name)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close) {
      userSettings().setValue(keyOf(name_), static_cast<QWidget*>(watched)->size());
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QString name_;
};

}  // namespace

void rememberSize(QWidget& window, const QString& name, QSize preferred) {
  QSize size = userSettings().value(keyOf(name), preferred).toSize();
  if (!size.isValid()) size = preferred;
  if (const QScreen* screen =
          window.screen() ? window.screen() : QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableGeometry().size());
  }
  window.resize(size);
  new SizeKeeper(window, name);
}

}  // namespace check
