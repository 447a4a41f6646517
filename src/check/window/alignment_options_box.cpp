#include "check/window/alignment_options_box.h"

#include <QLineEdit>

#include "survey/alignment_check.h"

namespace check {

AlignmentOptionsBox::AlignmentOptionsBox(QWidget* parent)
    : AgainstOptionsBox(survey::alignmentComponents(), parent) {
  addField("--alignment", "Alignment:", "the file's only alignment")
      ->setToolTip("The name of the alignment in a LandXML file that holds several");
  addField("--layer", "Line on layer:", "the drawing's only polyline")
      ->setToolTip("The layer of the drawing's polyline that is the alignment");
  addField("--start-chainage", "Start chainage:", "0")
      ->setToolTip("The chainage of the drawing's polyline at its first point");
  addField("--design-offset", "Design offset:", "0: on the line")
      ->setToolTip(
          "The offset of every shot (3.5), or by code (KERB-L=-3.5,KERB-R=3.5); right of the "
          "line is positive");
  addField("--crossfall", "Crossfall %:", "none")
      ->setToolTip("The design level falls (negative) or rises by this percent of the offset");
  addField("--max-offset", "Largest offset:", "no limit")
      ->setToolTip("Shots further from the line are outside the check");
}

AlignmentOptions AlignmentOptionsBox::options() const {
  AlignmentOptions options;
  applyFields([&options](const std::string& name, const std::string& value) {
    applyAlignmentOption(options, name, value);
  });
  return options;
}

}  // namespace check
