#pragma once

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "check/check_options.h"

class QComboBox;
class QLineEdit;
class QToolButton;

namespace check {

// The options a check needs less often, folded away until asked for: each file's unit and
// coordinate system, and the codes to keep or to leave out.
class OptionsPanel : public QWidget {
 public:
  explicit OptionsPanel(QWidget* parent);

  // The options set, as a preset keeps them ("survey-units", "ft").
  std::vector<std::pair<std::string, std::string>> presetLines() const;
  // Shows these options, unfolded when any of them is set.
  void showOptions(const CheckOptions& options);

 private:
  QToolButton* toggle_;
  QWidget* body_;
  QComboBox* designUnits_;
  QComboBox* surveyUnits_;
  QLineEdit* designCrs_;
  QLineEdit* surveyCrs_;
  QLineEdit* onlyCodes_;
  QLineEdit* leftOutCodes_;
};

}  // namespace check
