#include "app/form_layout.h"

#include <array>

namespace app {
namespace {

using K = ControlKind;

constexpr FormDefinition kForm{"AutoCAD Kestova 2007", 4785, 2175};

// Tab index is the position in this table. Captions are exact, blanks included.
constexpr std::array<ControlDefinition, 21> kControls{{
    {"optInSeperatly", K::OptionButton, "Frame2", "Separately", true, 0, 120, 240, 1095, 255},
    {"txtXerr", K::TextBox, "Frame1", "", true, 0, 600, 360, 615, 285},
    {"txtYerr", K::TextBox, "Frame1", "", true, 0, 600, 720, 615, 285},
    {"txtZerr", K::TextBox, "Frame1", "", true, 0, 600, 1080, 615, 285},
    {"chkXdev", K::CheckBox, "Frame1", "X", true, 1, 120, 360, 495, 255},
    {"chkYdev", K::CheckBox, "Frame1", "Y", true, 1, 120, 720, 495, 255},
    {"chkZdev", K::CheckBox, "Frame1", "Z", true, 1, 120, 1080, 495, 255},
    {"txtXav", K::TextBox, "Frame1", "", false, 0, 1320, 360, 615, 285},
    {"txtYav", K::TextBox, "Frame1", "", false, 0, 1320, 720, 615, 285},
    {"txtZav", K::TextBox, "Frame1", "", false, 0, 1320, 1080, 615, 285},
    {"optInGrouped", K::OptionButton, "Frame2", "Grouped", true, 1, 1320, 240, 975, 255},
    {"optZBubble", K::OptionButton, "Frame3", "Bubble", true, 1, 120, 240, 855, 255},
    {"optZVector", K::OptionButton, "Frame3", "Vector", true, 0, 1320, 240, 855, 255},
    {"cmdInsert", K::CommandButton, "", "Insert", true, 0, 2400, 1680, 855, 255},
    {"Frame2", K::Frame, "", "Insert vectors", true, 0, 2280, 120, 2415, 615},
    {"Frame3", K::Frame, "", "Z  Deviation", true, 0, 2280, 840, 2415, 615},
    {"Frame4", K::Frame, "", "Text Height", true, 0, 3480, 1440, 1095, 615},
    {"txtTextHgt", K::TextBox, "Frame4", "1", true, 0, 120, 240, 855, 315},
    {"Frame1", K::Frame, "", "Deviations    F1 for help", true, 0, 120, 120, 2055, 1935},
    {"chkAvDevs", K::CheckBox, "Frame1", "Average", true, 0, 120, 1560, 975, 255},
    {"cmdPickDevs", K::CommandButton, "Frame1", "Pick", true, 0, 1200, 1560, 735, 255},
}};

}  // namespace

const FormDefinition& formDefinition() {
  return kForm;
}

std::span<const ControlDefinition> controlDefinitions() {
  return kControls;
}

}  // namespace app
