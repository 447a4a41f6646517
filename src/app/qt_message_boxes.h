#pragma once

#include "form/message_boxes.h"

class QWidget;

namespace app {

// Message boxes as Qt shows them, modal, captioned "Kestova", without an icon.
class QtMessageBoxes : public form::MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  bool AskYesNo(const std::string& text) override;
  void Inform(const std::string& text) override;

 private:
  QWidget* parent_;
};

}  // namespace app
