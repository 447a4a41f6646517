#include "check/window/preset_bar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "check/preset_folder.h"
#include "form/message_boxes.h"

namespace check {

PresetBar::PresetBar(std::function<Preset()> current, std::function<void(const Preset&)> apply,
                     QWidget* parent)
    : QWidget(parent),
      current_(std::move(current)),
      apply_(std::move(apply)),
      presets_(new QComboBox(this)),
      delete_(new QPushButton("Delete", this)) {
  auto* save = new QPushButton("Save preset…", this);
  presets_->setObjectName("presets");
  save->setObjectName("savePreset");
  delete_->setObjectName("deletePreset");
  presets_->setMinimumContentsLength(16);
  presets_->setToolTip(
      "Sets the options kept under this name; kestova check --preset NAME uses "
      "them too");
  save->setToolTip(
      "Keeps the tolerances, pairing, codes, units, columns, decimal comma and "
      "coordinate systems under a name");
  delete_->setToolTip("Removes the chosen preset");

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel("Preset:", this));
  layout->addWidget(presets_);
  layout->addWidget(save);
  layout->addWidget(delete_);
  layout->addStretch();

  connect(presets_, &QComboBox::activated, this, &PresetBar::choose);
  connect(save, &QPushButton::clicked, this, &PresetBar::save);
  connect(delete_, &QPushButton::clicked, this, &PresetBar::remove);
  listPresets({});
}

QString PresetBar::chosen() const {
  return presets_->currentIndex() > 0 ? presets_->currentText() : QString();
}

void PresetBar::showChosen(const QString& name) {
  listPresets(name);
}

void PresetBar::listPresets(const QString& chosen) {
  const QSignalBlocker quiet(presets_);
  presets_->clear();
  presets_->addItem("None");
  try {
    for (const std::string& name : presetNames(presetFolder())) {
      presets_->addItem(QString::fromStdString(name));
    }
  } catch (const std::exception&) {
    // Without a home folder there are no presets, and saving one says why.
  }
  presets_->setCurrentIndex(std::max(0, presets_->findText(chosen)));
  delete_->setEnabled(presets_->currentIndex() > 0);
}

void PresetBar::choose() {
  delete_->setEnabled(presets_->currentIndex() > 0);
  if (presets_->currentIndex() == 0) return;
  try {
    apply_(readPreset(presetFolder(), presets_->currentText().toStdString()));
  } catch (const std::exception& e) {
    showError(QString::fromStdString(e.what()));
    listPresets({});
  }
}

void PresetBar::save() {
  bool given = false;
  const QString name =
      QInputDialog::getText(this, "Save preset", "Name of the preset:", QLineEdit::Normal, chosen(),
                            &given)
          .trimmed();
  if (!given || name.isEmpty()) return;
  try {
    savePreset(presetFolder(), name.toStdString(), current_());
    listPresets(name);
  } catch (const std::exception& e) {
    showError(QString::fromStdString(e.what()));
  }
}

void PresetBar::remove() {
  const QString name = chosen();
  if (name.isEmpty()) return;
  QMessageBox ask(QMessageBox::Question, form::kApplicationTitle, "Delete the preset " + name + "?",
                  QMessageBox::Yes | QMessageBox::No, this);
  if (ask.exec() != QMessageBox::Yes) return;
  try {
    deletePreset(presetFolder(), name.toStdString());
  } catch (const std::exception& e) {
    showError(QString::fromStdString(e.what()));
  }
  listPresets({});
}

void PresetBar::showError(const QString& message) {
  QMessageBox box(QMessageBox::Warning, form::kApplicationTitle, message, QMessageBox::Ok, this);
  box.exec();
}

}  // namespace check
