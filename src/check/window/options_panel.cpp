#include "check/window/options_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QToolButton>
#include <QVBoxLayout>

namespace check {
namespace {

// The first choice gives no unit: the files are taken to be in the same one, or the survey's
// is converted to the design drawing's.
constexpr const char* kNoUnit = "Not given";

QComboBox* unitBox(const char* name, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->addItems({kNoUnit, "m", "ft", "usft"});
  box->setToolTip(
      "The unit of the file's coordinates: metres, feet or US survey feet; the survey is "
      "converted to the design's");
  return box;
}

QLineEdit* textBox(const char* name, const char* placeholder, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setPlaceholderText(placeholder);
  return edit;
}

std::string codeList(const std::vector<std::string>& codes) {
  std::string text;
  for (const std::string& code : codes) text += (text.empty() ? "" : ",") + code;
  return text;
}

}  // namespace

OptionsPanel::OptionsPanel(QWidget* parent)
    : QWidget(parent),
      toggle_(new QToolButton(this)),
      body_(new QWidget(this)),
      designUnits_(unitBox("designUnits", body_)),
      surveyUnits_(unitBox("surveyUnits", body_)),
      designCrs_(textBox("designCrs", "EPSG code or PROJ string, such as EPSG:25832", body_)),
      surveyCrs_(textBox("surveyCrs", "EPSG:4979 for latitude, longitude, height", body_)),
      onlyCodes_(textBox("onlyCodes", "All codes, or only these: STK,KERB", body_)),
      leftOutCodes_(textBox("leftOutCodes", "None, or these: CP", body_)) {
  toggle_->setObjectName("moreOptions");
  toggle_->setText("Units, coordinate systems, codes");
  toggle_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  toggle_->setCheckable(true);
  toggle_->setAutoRaise(true);
  designCrs_->setToolTip(
      "Coordinate systems of both files, or neither: the survey is transformed to the "
      "design's");
  surveyCrs_->setToolTip(designCrs_->toolTip());
  onlyCodes_->setToolTip("Only the pairs and points whose design or survey code is listed");
  leftOutCodes_->setToolTip("Leave out the pairs and points whose design or survey code is listed");

  auto* grid = new QGridLayout(body_);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(new QLabel("Unit", body_), 0, 1);
  grid->addWidget(new QLabel("Coordinate system", body_), 0, 2);
  grid->addWidget(new QLabel("Only codes:", body_), 0, 3);
  grid->addWidget(onlyCodes_, 0, 4);
  grid->addWidget(new QLabel("Design:", body_), 1, 0);
  grid->addWidget(designUnits_, 1, 1);
  grid->addWidget(designCrs_, 1, 2);
  grid->addWidget(new QLabel("Leave out codes:", body_), 1, 3);
  grid->addWidget(leftOutCodes_, 1, 4);
  grid->addWidget(new QLabel("Survey:", body_), 2, 0);
  grid->addWidget(surveyUnits_, 2, 1);
  grid->addWidget(surveyCrs_, 2, 2);
  grid->setColumnStretch(2, 2);
  grid->setColumnStretch(4, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(toggle_, 0, Qt::AlignLeft);
  layout->addWidget(body_);

  const auto fold = [this](bool open) {
    toggle_->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
    body_->setVisible(open);
  };
  connect(toggle_, &QToolButton::toggled, this, fold);
  fold(false);
}

std::vector<std::pair<std::string, std::string>> OptionsPanel::presetLines() const {
  std::vector<std::pair<std::string, std::string>> lines;
  const auto add = [&lines](const char* key, const QString& value) {
    if (!value.isEmpty() && value != kNoUnit) lines.emplace_back(key, value.toStdString());
  };
  add("design-units", designUnits_->currentText());
  add("survey-units", surveyUnits_->currentText());
  add("design-crs", designCrs_->text().trimmed());
  add("survey-crs", surveyCrs_->text().trimmed());
  add("codes", onlyCodes_->text().trimmed());
  add("exclude-codes", leftOutCodes_->text().trimmed());
  return lines;
}

void OptionsPanel::showOptions(const CheckOptions& options) {
  const auto showUnit = [](QComboBox* box, const std::optional<survey::LengthUnit>& unit) {
    box->setCurrentText(unit ? QString::fromStdString(survey::nameOf(*unit)) : kNoUnit);
  };
  showUnit(designUnits_, options.designUnit);
  showUnit(surveyUnits_, options.surveyUnit);
  designCrs_->setText(QString::fromStdString(options.designCrs.value_or("")));
  surveyCrs_->setText(QString::fromStdString(options.surveyCrs.value_or("")));
  onlyCodes_->setText(QString::fromStdString(codeList(options.codes.only)));
  leftOutCodes_->setText(QString::fromStdString(codeList(options.codes.except)));
  toggle_->setChecked(!presetLines().empty());
}

}  // namespace check
