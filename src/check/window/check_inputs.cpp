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

#include "check/window/point_file_box.h"
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

template <class W>
W* named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

CheckInputs::CheckInputs(std::vector<UcsChoice> ucsChoices, int decimals, double textHeight,
                         QWidget* parent)
    : QWidget(parent),
      ucsChoices_(ucsChoices.empty() ? std::vector<UcsChoice>{worldUcs()} : std::move(ucsChoices)),
      design_(named(new PointFileBox("Design file", this), "design")),
      survey_(named(new PointFileBox("Survey file", this), "survey")) {
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(design_, 0, 0, 1, 2);
  layout->addWidget(survey_, 0, 2, 1, 2);
  layout->addWidget(matchingBox(), 1, 0);
  layout->addWidget(toleranceBox(), 1, 1);
  layout->addWidget(frameBox(decimals), 1, 2);
  layout->addWidget(drawingBox(textHeight), 1, 3);
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
  auto* layout = new QGridLayout(box);
  const survey::ComponentSchema& schema = survey::pointComponents();
  for (std::size_t k = 0; k < schema.size(); ++k) {
    const QString key = QString::fromStdString(schema[k].key);
    auto* tested = new QCheckBox(QString::fromStdString(schema[k].label), box);
    auto* tolerance = lengthBox(schema[k].typicalTolerance, kLargestTolerance, 4, box);
    tolerance->setMinimum(0.0);
    tested->setObjectName("tested_" + key);
    tolerance->setObjectName("tolerance_" + key);
    tolerance->setEnabled(false);
    connect(tested, &QCheckBox::toggled, tolerance, &QWidget::setEnabled);
    layout->addWidget(tested, static_cast<int>(k), 0);
    layout->addWidget(tolerance, static_cast<int>(k), 1);
    tested_.push_back(tested);
    tolerance_.push_back(tolerance);
  }
  layout->setRowStretch(static_cast<int>(schema.size()), 1);
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
  CheckRequest request;
  request.design = design_->path();
  request.survey = survey_->path();
  request.designReading = design_->readOptions();
  request.surveyReading = survey_->readOptions();
  request.designReading.skipBadLines = request.surveyReading.skipBadLines =
      skipBadLines_->isChecked();
  request.matching = byId_->isChecked() ? Matching::ById : Matching::ByProximity;
  request.radius = radius_->value();
  request.idMatching.ignoreCase = ignoreCase_->isChecked();
  request.idMatching.surveyPrefix = surveyPrefix_->text().toStdString();
  request.idMatching.surveySuffix = surveySuffix_->text().toStdString();
  request.idMatching.repeats =
      repeats_->currentIndex() == 1 ? survey::Repeats::Last : survey::Repeats::Average;
  for (std::size_t k = 0; k < tested_.size(); ++k) {
    if (tested_[k]->isChecked()) {
      request.tolerances.set(k, survey::Tolerance::within(tolerance_[k]->value()));
    }
  }
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

void CheckInputs::proposeTextHeight(double height) {
  if (textHeight_->value() != untypedTextHeight_) return;
  textHeight_->setValue(height);
  untypedTextHeight_ = textHeight_->value();
  textHeight_->setToolTip(
      "Proposed from the spacing of the design points: a tenth of the usual "
      "distance between neighbours");
}

}  // namespace check
