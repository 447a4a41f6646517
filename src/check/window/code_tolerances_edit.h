#pragma once

#include <QLineEdit>
#include <QString>
#include <vector>

#include "check/preset.h"
#include "survey/component.h"

namespace check {

// The tolerances of some codes on one line, "KERB: z=0.005; STK: x=0.01,y=0.01", each code's
// as `--tolerance KERB:z=0.005` gives them, with the keys of the chosen check. The text is
// checked as it is typed and again when the check changes: text that cannot be read turns red,
// with the reason in the tooltip, and nothing interrupts the typing.
class CodeTolerancesEdit : public QLineEdit {
 public:
  CodeTolerancesEdit(survey::ComponentSchema schema, QWidget* parent);

  // The components of the chosen check, whose keys the text gives; `example` shows them.
  void setSchema(survey::ComponentSchema schema, const QString& example);

  // A preset line for each code: {"tolerance", "KERB:z=0.005"}. Throws std::invalid_argument
  // saying what is wrong with the text.
  std::vector<PresetLine> presetLines() const;
  // Shows the tolerances of codes that `preset` holds; its other lines are passed over.
  void showPreset(const Preset& preset);
  // Why the text cannot be read; empty when it can.
  QString problem() const;

 private:
  void showProblem();

  survey::ComponentSchema schema_;
};

}  // namespace check
