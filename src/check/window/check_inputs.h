#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "check/check_run.h"
#include "check/draw_settings.h"
#include "check/preset.h"
#include "check/ucs_choice.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace check {

class AgainstChoice;
class CodeTolerancesEdit;
class OptionsPanel;
class PointFileBox;
class PresetBar;

// Where a check starts from: the design and survey files, how points are paired, the
// tolerances, the UCS and decimals the deviations are written in, and how they are drawn; the
// units, coordinate systems and codes folded away below them, and the presets above.
class CheckInputs : public QWidget {
 public:
  // `ucsChoices` empty: the world axes only.
  CheckInputs(std::vector<UcsChoice> ucsChoices, int decimals, double textHeight, QWidget* parent);

  // The check as the user set it up. Throws std::invalid_argument saying what is missing or
  // wrong.
  CheckRequest request() const;
  DrawSettings drawSettings() const;
  // Takes `height`, one that suits the layout, as the text height unless the user has typed a
  // height of their own.
  void proposeTextHeight(double height);

  // The options set, as a preset keeps them. Throws std::invalid_argument for a bad column
  // order or tolerances per code that cannot be read.
  Preset preset() const;
  // Sets every option a preset keeps, to the preset's value or the command line's default.
  void applyPreset(const Preset& preset);

  // What the window remembers besides the options: the files and the preset chosen.
  QString designPath() const;
  QString surveyPath() const;
  void setPaths(const QString& design, const QString& survey);
  QString chosenPreset() const;
  void showChosenPreset(const QString& name);

  // Points, a surface or an alignment, and the options of each.
  AgainstChoice& againstChoice() { return *against_; }
  const AgainstChoice& againstChoice() const { return *against_; }

 private:
  QGroupBox* matchingBox();
  QGroupBox* toleranceBox();
  QGroupBox* frameBox(int decimals);
  QGroupBox* drawingBox(double textHeight);

  std::vector<UcsChoice> ucsChoices_;
  PointFileBox* design_;
  PointFileBox* survey_;
  AgainstChoice* against_;
  OptionsPanel* options_;
  PresetBar* presets_;
  QRadioButton* byId_ = nullptr;
  QRadioButton* byProximity_ = nullptr;
  QDoubleSpinBox* radius_ = nullptr;
  QCheckBox* ignoreCase_ = nullptr;
  QLineEdit* surveyPrefix_ = nullptr;
  QLineEdit* surveySuffix_ = nullptr;
  QComboBox* repeats_ = nullptr;
  QCheckBox* skipBadLines_ = nullptr;
  // A box and a limit per component of the point check, in its order.
  std::vector<QCheckBox*> tested_;
  std::vector<QDoubleSpinBox*> tolerance_;
  QWidget* pointLimits_ = nullptr;  // the boxes and limits above
  CodeTolerancesEdit* codeTolerances_ = nullptr;
  QComboBox* ucs_ = nullptr;
  QSpinBox* decimals_ = nullptr;
  QDoubleSpinBox* textHeight_ = nullptr;
  double untypedTextHeight_ = 0;  // as given or proposed: the user has not typed one yet
  std::array<QCheckBox*, 3> axes_{};
  QRadioButton* zBubble_ = nullptr;
};

}  // namespace check
