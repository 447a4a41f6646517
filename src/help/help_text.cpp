#include "help/help_text.h"

#include <array>
#include <string_view>

namespace help {
namespace {

// One entry per line of the notes. The trailing blanks after "Deviations - " and
// "proportionately " are part of the text, as are both empty lines before "3) Z Deviation -".
constexpr std::array<std::string_view, 35> kLines = {
    "",
    "Kestova insert to AutoCAD 2007",
    "",
    "Description:-",
    "",
    "This VB macro inserts a vector deviation ( i.e. an arrow and a number denoting the direction "
    "and magnitude of the vector ) into AutoCAD in the X, Y & Z directions and draws an optional "
    "leader to a picked point.",
    "",
    "Inputs:-",
    "",
    "1) Deviations - ",
    "The macro will accept two types of coordinate input:-",
    "",
    "a) Typed directly onto the form.",
    "",
    "b) Picked from an AutoCad 2004 model using the pick button on the form. The number of "
    "displayed decimals will be that set in the AutoCAD units length precision.",
    "",
    "Check the box for each deviation you want to insert.",
    "",
    "The Average check box is used in conjunction with the pick function. If checked another set "
    "of deviations will be displayed showing the average of any number of points picked. These "
    "average deviations will be inserted.",
    "To clear the averages deselect the average check box.",
    "",
    "2) Inset vectors -",
    "If the Grouped button is selected ( default ) the deviations will be inserted grouped "
    "together and a leader drawn from the grouping to a point you have been prompted to pick. If "
    "the Separately button is selected the individual vector can be inserted separately (used "
    "when only one vector is required).",
    "",
    "",
    "3) Z Deviation -",
    "The Z vector can be inserted as an arrow along the Z axis (for viewing in 3D) or as the "
    "deviation value in a bubble on the XY plane (for viewing in 2D).",
    "",
    "4) Text Height -",
    "Enter the required text height, the vector arrows will be scaled proportionately ",
    "",
    "Outputs:-",
    "",
    "Click the Insert button. You will be prompted to pick an insert point and an end point for "
    "the leader if the grouped button is selected.",
    "",
};

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

std::string helpText() {
  std::string text;
  for (std::string_view line : kLines) {
    text += line;
    text += kLineBreak;
  }
  return text;
}

}  // namespace help
