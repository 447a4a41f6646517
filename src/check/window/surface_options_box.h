#pragma once

#include "check/surface_options.h"
#include "check/window/against_options_box.h"

class QCheckBox;
class QLineEdit;

namespace check {

// The options of a check against a design surface: which surface of a LandXML file, which
// layer's faces or breaklines of a drawing, the longest edge of a triangulated hull, and the
// volumes with their grid.
class SurfaceOptionsBox : public AgainstOptionsBox {
 public:
  explicit SurfaceOptionsBox(QWidget* parent);

  // Throws UsageError for a bad value, as the command line does.
  SurfaceOptions options() const;
  std::vector<PresetLine> lines() const override;
  void showLines(const std::vector<PresetLine>& lines) override;

 private:
  QCheckBox* volumes_;
  QLineEdit* grid_;
};

}  // namespace check
