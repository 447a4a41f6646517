#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "check/preset.h"
#include "survey/component.h"
#include "survey/tolerance.h"

class QFormLayout;
class QLineEdit;

namespace check {

// The options of a check against a surface or along an alignment, each typed as the command
// line takes it and read by the command line's own rules, and the tolerances of the check's
// components ("z=-0.03:0.01,n=0.02").
class AgainstOptionsBox : public QWidget {
 public:
  AgainstOptionsBox(const survey::ComponentSchema& schema, QWidget* parent);

  // Throws std::invalid_argument saying what is wrong.
  survey::Tolerances tolerances() const;
  // The tolerances as typed ("z=-0.03:0.01"), as a preset keeps them.
  std::string toleranceText() const;
  void setToleranceText(const std::string& text);
  // The options typed, as a preset keeps them ("max-edge", "2").
  virtual std::vector<PresetLine> lines() const;
  // Shows the options of `lines`, and nothing in the fields they do not name.
  virtual void showLines(const std::vector<PresetLine>& lines);

 protected:
  // A field for the command line's option `option` ("--max-edge"), named after it.
  QLineEdit* addField(const std::string& option, const QString& label, const QString& placeholder);
  // Calls `apply` with each option typed and its value ("--max-edge", "2").
  void applyFields(const std::function<void(const std::string&, const std::string&)>& apply) const;

  QFormLayout* form_;

 private:
  const survey::ComponentSchema& schema_;
  std::vector<std::pair<std::string, QLineEdit*>> fields_;
  QLineEdit* tolerance_;
};

}  // namespace check
