#include "check/window/against_choice.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "check/window/alignment_options_box.h"
#include "check/window/surface_options_box.h"

namespace check {
namespace {

// Lines of one choice's options carry its name before theirs: "surface.max-edge".
constexpr char kAgainst[] = "against";
constexpr char kSurfacePrefix[] = "surface.";
constexpr char kAlignmentPrefix[] = "alignment.";

void addPrefixed(std::vector<PresetLine>& lines, const std::string& prefix,
                 const std::vector<PresetLine>& options) {
  for (const PresetLine& line : options) lines.push_back({prefix + line.key, line.value});
}

std::vector<PresetLine> withPrefix(const std::vector<PresetLine>& lines,
                                   const std::string& prefix) {
  std::vector<PresetLine> found;
  for (const PresetLine& line : lines) {
    if (line.key.starts_with(prefix)) found.push_back({line.key.substr(prefix.size()), line.value});
  }
  return found;
}

}  // namespace

AgainstChoice::AgainstChoice(QWidget* parent)
    : QGroupBox("Check against", parent),
      points_(new QRadioButton("Design points", this)),
      surface_(new QRadioButton("Surface", this)),
      alignment_(new QRadioButton("Alignment", this)),
      options_(new QStackedWidget(this)),
      surfaceOptions_(new SurfaceOptionsBox(this)),
      alignmentOptions_(new AlignmentOptionsBox(this)) {
  setObjectName("against");
  points_->setObjectName("againstPoints");
  surface_->setObjectName("againstSurface");
  alignment_->setObjectName("againstAlignment");
  surfaceOptions_->setObjectName("surfaceOptions");
  alignmentOptions_->setObjectName("alignmentOptions");
  points_->setToolTip("Pair each shot with a design point, by id or the nearest");
  surface_->setToolTip(
      "The design file is a LandXML surface, a drawing's 3D faces or points to triangulate");
  alignment_->setToolTip("The design file is a LandXML alignment or a drawing's polyline");
  points_->setChecked(true);
  options_->addWidget(new QWidget(options_));
  options_->addWidget(surfaceOptions_);
  options_->addWidget(alignmentOptions_);

  auto* choices = new QHBoxLayout;
  choices->addWidget(points_);
  choices->addWidget(surface_);
  choices->addWidget(alignment_);
  choices->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(options_);

  const auto show = [this] {
    options_->setCurrentIndex(static_cast<int>(against()));
    // Only the options of the choice take room.
    options_->setVisible(against() != Against::Points);
    emit againstChanged();
  };
  // The tolerances do not change what is read of the design.
  for (QLineEdit* field : options_->findChildren<QLineEdit*>()) {
    if (field->objectName() == "tolerance") continue;
    connect(field, &QLineEdit::editingFinished, this, &AgainstChoice::designOptionEdited);
  }
  for (QRadioButton* choice : {points_, surface_, alignment_}) {
    connect(choice, &QRadioButton::toggled, this, [show](bool on) {
      if (on) show();
    });
  }
  show();
}

Against AgainstChoice::against() const {
  if (surface_->isChecked()) return Against::Surface;
  if (alignment_->isChecked()) return Against::Alignment;
  return Against::Points;
}

SurfaceOptions AgainstChoice::surfaceOptions() const {
  return surfaceOptions_->options();
}

AlignmentOptions AgainstChoice::alignmentOptions() const {
  return alignmentOptions_->options();
}

survey::Tolerances AgainstChoice::tolerances() const {
  switch (against()) {
    case Against::Surface:
      return surfaceOptions_->tolerances();
    case Against::Alignment:
      return alignmentOptions_->tolerances();
    case Against::Points:
      break;
  }
  return {};
}

std::string AgainstChoice::toleranceText() const {
  switch (against()) {
    case Against::Surface:
      return surfaceOptions_->toleranceText();
    case Against::Alignment:
      return alignmentOptions_->toleranceText();
    case Against::Points:
      break;
  }
  return {};
}

void AgainstChoice::choose(Against against, const std::string& tolerances) {
  switch (against) {
    case Against::Surface:
      surfaceOptions_->setToleranceText(tolerances);
      surface_->setChecked(true);
      return;
    case Against::Alignment:
      alignmentOptions_->setToleranceText(tolerances);
      alignment_->setChecked(true);
      return;
    case Against::Points:
      points_->setChecked(true);
      return;
  }
}

std::vector<PresetLine> AgainstChoice::lines() const {
  const Against chosen = against();
  std::vector<PresetLine> lines{{kAgainst, chosen == Against::Surface     ? "surface"
                                           : chosen == Against::Alignment ? "alignment"
                                                                          : "points"}};
  addPrefixed(lines, kSurfacePrefix, surfaceOptions_->lines());
  addPrefixed(lines, kAlignmentPrefix, alignmentOptions_->lines());
  return lines;
}

void AgainstChoice::showLines(const std::vector<PresetLine>& lines) {
  surfaceOptions_->showLines(withPrefix(lines, kSurfacePrefix));
  alignmentOptions_->showLines(withPrefix(lines, kAlignmentPrefix));
  points_->setChecked(true);
  for (const PresetLine& line : lines) {
    if (line.key != kAgainst) continue;
    if (line.value == "surface") surface_->setChecked(true);
    if (line.value == "alignment") alignment_->setChecked(true);
  }
}

}  // namespace check
