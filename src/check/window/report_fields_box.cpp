#include "check/window/report_fields_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace check {
namespace {

QLineEdit* lineEdit(QWidget* parent, const char* name, const char* placeholder) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setPlaceholderText(placeholder);
  return edit;
}

std::string textOf(const QLineEdit* edit) {
  return edit->text().trimmed().toStdString();
}

}  // namespace

ReportFieldsBox::ReportFieldsBox(QWidget* parent)
    : QGroupBox("Report", parent),
      project_(lineEdit(this, "project", "")),
      client_(lineEdit(this, "client", "")),
      surveyor_(lineEdit(this, "surveyor", "")),
      instrument_(lineEdit(this, "instrument", "")),
      coordinateSystem_(lineEdit(this, "coordinateSystem", "ETRS89 / UTM 32N, DHHN2016")),
      notes_(lineEdit(this, "notes", "")),
      allPairs_(new QCheckBox("List every pair", this)),
      unit_(new QComboBox(this)) {
  setObjectName("reportBox");
  allPairs_->setObjectName("allPairs");
  allPairs_->setToolTip("List every pair in the PDF, not only those outside tolerance");
  unit_->setObjectName("reportUnit");
  unit_->addItem("as checked");
  for (const ReportUnit unit : {ReportUnit::Millimetre, ReportUnit::Metre, ReportUnit::Foot}) {
    unit_->addItem(QString::fromStdString(nameOf(unit)), static_cast<int>(unit));
  }
  unit_->setToolTip(
      "The unit of the deviations in the PDF and the workbook; the CSV keeps the "
      "point files' unit");
  // Two label-and-field pairs a row, so that the group stays low.
  auto* grid = new QGridLayout(this);
  const auto add = [&](int row, int column, const char* label, QWidget* field) {
    grid->addWidget(new QLabel(label, this), row, 2 * column);
    grid->addWidget(field, row, 2 * column + 1);
  };
  add(0, 0, "Project", project_);
  add(0, 1, "Client", client_);
  add(1, 0, "Surveyor", surveyor_);
  add(1, 1, "Instrument", instrument_);
  add(2, 0, "Coordinate system", coordinateSystem_);
  add(2, 1, "Deviations in", unit_);
  add(3, 0, "Notes", notes_);
  grid->addWidget(allPairs_, 3, 2, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
}

void ReportFieldsBox::applyTo(CheckReport& report) const {
  report.fields = {textOf(project_),    textOf(client_),           textOf(surveyor_),
                   textOf(instrument_), textOf(coordinateSystem_), textOf(notes_)};
  report.allPairs = allPairs_->isChecked();
  report.reportUnit = unit_->currentData().isValid()
                          ? std::optional(static_cast<ReportUnit>(unit_->currentData().toInt()))
                          : std::nullopt;
}

}  // namespace check
