#include "app/run_kestova.h"

#include <QApplication>
#include <QLocale>
#include <utility>

#include "app/app_icon.h"
#include "app/ini_settings_store.h"
#include "app/kestova_dialog.h"
#include "app/qt_message_boxes.h"
#include "form/frm_kestova.h"

namespace app {

int runKestova(cad::Launcher& launcher, std::function<void()> showHelp,
               CommandBoundaries* boundaries) {
  CommandBoundaries justRun;
  CommandBoundaries& around = boundaries ? *boundaries : justRun;
  QApplication::setWindowIcon(kestovaIcon());  // the help window shows it too
  IniSettingsStore settings(IniSettingsStore::userConfigFolder());
  QtMessageBoxes messages;

  form::FormServices services;
  services.launcher = &launcher;
  services.messages = &messages;
  services.settings = &settings;
  services.decimalSeparator = QLocale::system().decimalPoint().toStdString();
  services.showHelp = std::move(showHelp);

  form::frmKestova form(std::move(services));
  KestovaDialog dialog(form, around);
  // The start-up questions come before the dialog appears, so they have no parent yet.
  around.startUp([&form] { form.runReported([&form] { form.Form_Load(); }); });
  messages.setParent(&dialog);
  form.Show();
  return QApplication::exec();
}

}  // namespace app
