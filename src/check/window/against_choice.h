#pragma once

#include <QGroupBox>
#include <vector>

#include "check/alignment_options.h"
#include "check/check_options.h"
#include "check/preset.h"
#include "check/surface_options.h"
#include "survey/tolerance.h"

class QRadioButton;
class QStackedWidget;

namespace check {

class AlignmentOptionsBox;
class SurfaceOptionsBox;

// What the survey is checked against: the design points, a design surface or an alignment,
// with the options of the surface or the alignment below the choice.
class AgainstChoice : public QGroupBox {
  Q_OBJECT

 public:
  explicit AgainstChoice(QWidget* parent);

  Against against() const;
  // The options of the choice; each throws UsageError or std::invalid_argument for a bad value.
  SurfaceOptions surfaceOptions() const;
  AlignmentOptions alignmentOptions() const;
  // The tolerances of the surface's or the alignment's components.
  survey::Tolerances tolerances() const;
  // Those tolerances as typed, as a preset keeps them; empty for the design points.
  std::string toleranceText() const;
  // Chooses `against`, a surface's or an alignment's with `tolerances` typed, as a preset does.
  void choose(Against against, const std::string& tolerances);

  // The choice and the options of both, as the window remembers them ("against", "surface").
  std::vector<PresetLine> lines() const;
  void showLines(const std::vector<PresetLine>& lines);

 signals:
  void againstChanged();
  // An option that says which surface or alignment of the design file is read was edited.
  void designOptionEdited();

 private:
  QRadioButton* points_;
  QRadioButton* surface_;
  QRadioButton* alignment_;
  QStackedWidget* options_;
  SurfaceOptionsBox* surfaceOptions_;
  AlignmentOptionsBox* alignmentOptions_;
};

}  // namespace check
