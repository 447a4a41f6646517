#include "app/qt_message_boxes.h"

#include <QMessageBox>

namespace app {

bool QtMessageBoxes::AskYesNo(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, form::kApplicationTitle, QString::fromStdString(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

void QtMessageBoxes::Inform(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, form::kApplicationTitle, QString::fromStdString(text),
                  QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace app
