#pragma once

#include <QGroupBox>

#include "check/check_report.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace check {

// "Report": what the saved report adds for sign-off, as `kestova check` takes it from
// --project, --client, --surveyor, --instrument, --coordinate-system, --notes, --all-pairs and
// --report-units.
class ReportFieldsBox : public QGroupBox {
 public:
  explicit ReportFieldsBox(QWidget* parent);

  // `report` with the fields, the list of every pair and the unit as the user set them.
  void applyTo(CheckReport& report) const;

 private:
  QLineEdit* project_;
  QLineEdit* client_;
  QLineEdit* surveyor_;
  QLineEdit* instrument_;
  QLineEdit* coordinateSystem_;
  QLineEdit* notes_;
  QCheckBox* allPairs_;
  QComboBox* unit_;
};

}  // namespace check
