#pragma once

#include <QWidget>
#include <functional>

#include "check/preset.h"

class QComboBox;
class QPushButton;

namespace check {

// The presets of the check window: choosing one sets the window's options from it, "Save
// preset…" keeps the options set under a name, "Delete" removes the chosen one. They are the
// files `kestova check --preset` reads.
class PresetBar : public QWidget {
 public:
  // `current` gives the options set (and throws what is wrong with them), `apply` sets them.
  PresetBar(std::function<Preset()> current, std::function<void(const Preset&)> apply,
            QWidget* parent);

  QString chosen() const;
  // Chooses the preset `name` without applying it: the options are the window's own.
  void showChosen(const QString& name);

 private:
  void listPresets(const QString& chosen);
  void choose();
  void save();
  void remove();
  void showError(const QString& message);

  std::function<Preset()> current_;
  std::function<void(const Preset&)> apply_;
  QComboBox* presets_;
  QPushButton* delete_;
};

}  // namespace check
