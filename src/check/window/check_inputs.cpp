#include "check/window/check_inputs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <cmath>
#include <stdexcept>

#include "check/window/against_choice.h"
#include "check/window/code_tolerances_edit.h"
#include "check/window/design_describer.h"
#include "check/window/options_panel.h"
#include "check/window/point_file_box.h"
#include "check/window/preset_bar.h"
#include "survey/code_tolerances.h"
#include "survey/design_points.h"

namespace check {
namespace {

// Values as a surveyor types them; the spin boxes only bound them.
constexpr double kLargestTolerance = 1000.0;
constexpr double kLargestRadius = 10000.0;
constexpr double kLargestTextHeight = 1e6;
constexpr int kLargestDecimals = 8;

QDoubleSpinBox* lengthBox(double value, double maximum, int decimals, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setDecimals(decimals);
  box->setRange(1.0 / std::pow(10.0, decimals), maximum);
  box->setValue(value);
  return box;
}

// Tolerances per code as the chosen check takes them.
QString perCodeExample(Against against) {
  switch (against) {
    case Against::Surface:
      return "KERB: z=-0.03:0.01";
    case Against::Alignment:
      return "KERB-L: offset=0.01,z=-0.015:0.015";
    case Against::Points:
      break;
  }
  return "KERB: z=0.005; STK: x=0.01,y=0.01";
}

template <class W>
W* named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// The general tolerances a preset gives, as written ("z=-0.03:0.01"); empty when it gives none.
std::string generalTolerance(const Preset& preset) {
  for (const PresetLine& line : preset) {
    if (line.key == "tolerance" && !survey::namesCode(line.value)) return line.value;
  }
  return {};
}

}  // namespace

CheckInputs::CheckInputs(std::vector<UcsChoice> ucsChoices, int decimals, double textHeight,
                         QWidget* parent)
    : QWidget(parent),
      ucsChoices_(ucsChoices.empty() ? std::vector<UcsChoice>{worldUcs()} : std::move(ucsChoices)),
      design_(named(new PointFileBox("Design file", this), "design")),
      survey_(named(new PointFileBox("Survey file", this, true), "survey")),
      against_(new AgainstChoice(this)),
      options_(new OptionsPanel(this)),
      presets_(new PresetBar([this] { return preset(); },
                             [this](const Preset& chosen) { applyPreset(chosen); }, this)) {
  auto* files = new QHBoxLayout;
  files->addWidget(design_);
  files->addWidget(survey_);
  // Three columns, so that the window fits a screen 800 wide.
  auto* deviations = new QVBoxLayout;
  deviations->addWidget(frameBox(decimals));
  deviations->addWidget(drawingBox(textHeight));
  QGroupBox* pairs = matchingBox();
  QGroupBox* tolerances = toleranceBox();
  auto* check = new QHBoxLayout;
  check->addWidget(pairs);
  check->addWidget(tolerances);
  check->addLayout(deviations);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(presets_);
  layout->addLayout(files);
  layout->addWidget(against_);
  layout->addLayout(check);
  layout->addWidget(options_);
  layout->addStretch();
  // A surface or an alignment is not paired with, and has general tolerances of its own; the
  // tolerances per code are given with the keys of the chosen check.
  connect(against_, &AgainstChoice::againstChanged, this, [this, pairs] {
    const Against against = against_->against();
    pairs->setEnabled(against == Against::Points);
    pointLimits_->setEnabled(against == Against::Points);
    codeTolerances_->setSchema(componentsOf(against), perCodeExample(against));
    // A surface's or an alignment's file is described rather than shown line by line.
    design_->describeWith(designDescriberFor(*against_));
  });
  connect(against_, &AgainstChoice::designOptionEdited, this,
          [this] { design_->describeWith(designDescriberFor(*against_)); });
}

QGroupBox* CheckInputs::matchingBox() {
  auto* box = new QGroupBox("Pairs", this);
  byId_ = named(new QRadioButton("By point id", box), "byId");
  byProximity_ = named(new QRadioButton("Nearest within", box), "byProximity");
  radius_ = named(lengthBox(0.5, kLargestRadius, 3, box), "radius");
  ignoreCase_ = named(new QCheckBox("Ignore case", box), "ignoreCase");
  surveyPrefix_ = named(new QLineEdit(box), "surveyPrefix");
  surveySuffix_ = named(new QLineEdit(box), "surveySuffix");
  repeats_ = named(new QComboBox(box), "repeats");
  skipBadLines_ = named(new QCheckBox("Skip lines that cannot be read", box), "skipBadLines");
  byId_->setChecked(true);
  radius_->setToolTip("Largest horizontal distance between a survey point and its design point");
  surveyPrefix_->setToolTip("Taken off the start of survey ids before matching");
  surveySuffix_->setToolTip("Taken off the end of survey ids before matching");
  repeats_->addItems({"Average", "Last"});
  repeats_->setToolTip("Several shots of one id: their mean, or the last shot");

  auto* proximity = new QHBoxLayout;
  proximity->addWidget(byProximity_);
  proximity->addWidget(radius_);
  auto* idOptions = new QFormLayout;
  idOptions->addRow(ignoreCase_);
  idOptions->addRow("Survey prefix:", surveyPrefix_);
  idOptions->addRow("Survey suffix:", surveySuffix_);
  idOptions->addRow("Repeated shots:", repeats_);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(byId_);
  layout->addLayout(idOptions);
  layout->addLayout(proximity);
  layout->addWidget(skipBadLines_);
  layout->addStretch();

  const auto showMode = [this] {
    const bool byId = byId_->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{ignoreCase_, surveyPrefix_, surveySuffix_, repeats_}) {
      w->setEnabled(byId);
    }
    radius_->setEnabled(!byId);
  };
  connect(byId_, &QRadioButton::toggled, this, showMode);
  showMode();
  return box;
}

QGroupBox* CheckInputs::toleranceBox() {
  auto* box = new QGroupBox("Tolerances", this);
  // The point check's limits, greyed out for another check; the tolerances per code below
  // them serve every check.
  pointLimits_ = new QWidget(box);
  auto* limits = new QGridLayout(pointLimits_);
  limits->setContentsMargins(0, 0, 0, 0);
  const survey::ComponentSchema& schema = survey::pointComponents();
  for (std::size_t k = 0; k < schema.size(); ++k) {
    const QString key = QString::fromStdString(schema[k].key);
    auto* tested = new QCheckBox(QString::fromStdString(schema[k].label), pointLimits_);
    auto* tolerance = lengthBox(schema[k].typicalTolerance, kLargestTolerance, 4, pointLimits_);
    tolerance->setMinimum(0.0);
    tested->setObjectName("tested_" + key);
    tolerance->setObjectName("tolerance_" + key);
    tolerance->setEnabled(false);
    connect(tested, &QCheckBox::toggled, tolerance, &QWidget::setEnabled);
    limits->addWidget(tested, static_cast<int>(k), 0);
    limits->addWidget(tolerance, static_cast<int>(k), 1);
    tested_.push_back(tested);
    tolerance_.push_back(tolerance);
  }
  codeTolerances_ = new CodeTolerancesEdit(schema, box);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(pointLimits_);
  layout->addWidget(new QLabel("Per code:", box));
  layout->addWidget(codeTolerances_);
  layout->addStretch();
  return box;
}

QGroupBox* CheckInputs::frameBox(int decimals) {
  auto* box = new QGroupBox("Deviations", this);
  ucs_ = named(new QComboBox(box), "ucs");
  for (const UcsChoice& choice : ucsChoices_) ucs_->addItem(QString::fromStdString(choice.label));
  decimals_ = named(new QSpinBox(box), "decimals");
  decimals_->setRange(0, kLargestDecimals);
  decimals_->setValue(decimals);
  decimals_->setToolTip("Decimals of the numbers; tolerances are tested on the numbers as shown");
  auto* layout = new QFormLayout(box);
  layout->addRow("Along UCS:", ucs_);
  layout->addRow("Decimals:", decimals_);
  return box;
}

QGroupBox* CheckInputs::drawingBox(double textHeight) {
  auto* box = new QGroupBox("Drawing the vectors", this);
  textHeight_ = named(lengthBox(textHeight, kLargestTextHeight, 4, box), "textHeight");
  untypedTextHeight_ = textHeight_->value();
  auto* axes = new QHBoxLayout;
  const std::array<const char*, 3> letters{"X", "Y", "Z"};
  for (std::size_t k = 0; k < axes_.size(); ++k) {
    axes_[k] = new QCheckBox(letters[k], box);
    axes_[k]->setObjectName(QString("axis") + letters[k]);
    axes_[k]->setChecked(true);
    axes->addWidget(axes_[k]);
  }
  zBubble_ = named(new QRadioButton("Bubble", box), "zBubble");
  auto* zVector = named(new QRadioButton("Vector", box), "zVector");
  zBubble_->setChecked(true);
  auto* z = new QHBoxLayout;
  z->addWidget(zBubble_);
  z->addWidget(zVector);
  auto* layout = new QFormLayout(box);
  layout->addRow("Text height:", textHeight_);
  layout->addRow("Axes:", axes);
  layout->addRow("Z deviation:", z);
  return box;
}

CheckRequest CheckInputs::request() const {
  if (!design_->pathGiven() || !survey_->pathGiven()) {
    throw std::invalid_argument("Choose the design file and the survey file.");
  }
  // The options go the command line's way, so that the window checks as `kestova check` does.
  const CheckOptions options = presetOptions(preset());
  if (options.designCrs.has_value() != options.surveyCrs.has_value()) {
    throw std::invalid_argument("Give the coordinate systems of both files, or of neither.");
  }
  CheckRequest request;
  request.design = design_->path();
  const std::vector<std::filesystem::path> surveys = survey_->paths();
  request.survey = surveys.front();
  request.moreSurveys.assign(surveys.begin() + 1, surveys.end());
  request.designReading = options.designReading;
  request.surveyReading = options.surveyReading;
  request.designUnit = options.designUnit;
  request.surveyUnit = options.surveyUnit;
  request.designCrs = options.designCrs;
  request.surveyCrs = options.surveyCrs;
  request.codes = options.codes;
  request.matching = options.matching;
  request.radius = options.radius;
  request.idMatching = options.idMatching;
  request.tolerances = options.tolerances;
  request.codeTolerances = options.codeTolerances;
  const UcsChoice& ucs = ucsChoices_[static_cast<std::size_t>(ucs_->currentIndex())];
  request.frame = ucs.frame;
  request.frameDescription = ucs.description;
  request.decimals = decimals_->value();
  return request;
}

DrawSettings CheckInputs::drawSettings() const {
  DrawSettings settings;
  settings.ucs = static_cast<std::size_t>(ucs_->currentIndex());
  settings.textHeight = textHeight_->value();
  settings.axisX = axes_[0]->isChecked();
  settings.axisY = axes_[1]->isChecked();
  settings.axisZ = axes_[2]->isChecked();
  settings.z = zBubble_->isChecked() ? ZStyle::Bubble : ZStyle::Vector;
  return settings;
}

Preset CheckInputs::preset() const {
  Preset preset;
  const auto add = [&preset](std::string key, std::string value) {
    preset.push_back({std::move(key), std::move(value)});
  };
  // The general tolerances of the chosen check, then those per code in its keys.
  if (against_->against() == Against::Points) {
    QStringList limits;
    for (std::size_t k = 0; k < tested_.size(); ++k) {
      if (!tested_[k]->isChecked()) continue;
      limits << QString::fromStdString(survey::pointComponents()[k].key) + '=' +
                    QString::number(tolerance_[k]->value(), 'g', 12);
    }
    if (!limits.isEmpty()) add("tolerance", limits.join(',').toStdString());
  } else {
    add("against", against_->against() == Against::Surface ? "surface" : "alignment");
    if (const std::string limits = against_->toleranceText(); !limits.empty()) {
      add("tolerance", limits);
    }
  }
  for (PresetLine& line : codeTolerances_->presetLines()) add(line.key, line.value);
  add("match", byId_->isChecked()
                   ? "id"
                   : "near:" + QString::number(radius_->value(), 'g', 12).toStdString());
  add("ignore-case", ignoreCase_->isChecked() ? "yes" : "no");
  if (!surveyPrefix_->text().isEmpty()) add("survey-prefix", surveyPrefix_->text().toStdString());
  if (!surveySuffix_->text().isEmpty()) add("survey-suffix", surveySuffix_->text().toStdString());
  add("repeats", repeats_->currentIndex() == 1 ? "last" : "average");
  add("skip-bad-lines", skipBadLines_->isChecked() ? "yes" : "no");
  for (auto& [key, value] : design_->presetLines("design")) add(key, value);
  for (auto& [key, value] : survey_->presetLines("survey")) add(key, value);
  for (auto& [key, value] : options_->presetLines()) add(key, value);
  return preset;
}

void CheckInputs::applyPreset(const Preset& preset) {
  const CheckOptions options = presetOptions(preset);
  (options.matching == Matching::ById ? byId_ : byProximity_)->setChecked(true);
  if (options.matching == Matching::ByProximity) radius_->setValue(options.radius);
  ignoreCase_->setChecked(options.idMatching.ignoreCase);
  surveyPrefix_->setText(QString::fromStdString(options.idMatching.surveyPrefix));
  surveySuffix_->setText(QString::fromStdString(options.idMatching.surveySuffix));
  repeats_->setCurrentIndex(options.idMatching.repeats == survey::Repeats::Last ? 1 : 0);
  skipBadLines_->setChecked(options.designReading.skipBadLines);
  // A surface's or an alignment's tolerances are typed as the preset gives them; the point
  // check's boxes then keep their limits for a later point check.
  against_->choose(options.against, generalTolerance(preset));
  for (std::size_t k = 0; k < tested_.size() && options.against == Against::Points; ++k) {
    const std::optional<survey::Tolerance> tolerance = options.tolerances[k];
    tested_[k]->setChecked(tolerance.has_value());
    // The window shows a limit either way of zero: the wider side of uneven bounds.
    if (tolerance) {
      tolerance_[k]->setValue(std::max(std::abs(tolerance->lower), std::abs(tolerance->upper)));
    }
  }
  codeTolerances_->showPreset(preset);
  design_->showReading(options.designReading);
  survey_->showReading(options.surveyReading);
  options_->showOptions(options);
}

QString CheckInputs::designPath() const {
  return design_->pathText();
}

QString CheckInputs::surveyPath() const {
  return survey_->pathText();
}

void CheckInputs::setPaths(const QString& design, const QString& survey) {
  design_->setPathText(design);
  survey_->setPathText(survey);
}

QString CheckInputs::chosenPreset() const {
  return presets_->chosen();
}

void CheckInputs::showChosenPreset(const QString& name) {
  presets_->showChosen(name);
}

void CheckInputs::proposeTextHeight(double height) {
  if (textHeight_->value() != untypedTextHeight_) return;
  textHeight_->setValue(height);
  untypedTextHeight_ = textHeight_->value();
  textHeight_->setToolTip(
      "Proposed from the spacing of the design points: a tenth of the usual "
      "distance between neighbours");
}

}  // namespace check
