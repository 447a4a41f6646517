#include "form/form_layout.h"

#include <array>

namespace form {
namespace {

using K = ControlKind;
using C = ControlId;

constexpr FormDefinition kForm{"AutoCAD Kestova 2007", 4785, 2175};

// Tab index is the position in this table. Captions are exact, blanks included.
constexpr std::array<ControlDefinition, insert::kControlCount> kControls{{
    {C::optInSeperatly, K::OptionButton, C::Frame2, "Separately", true, 0, 120, 240, 1095, 255},
    {C::txtXerr, K::TextBox, C::Frame1, "", true, 0, 600, 360, 615, 285},
    {C::txtYerr, K::TextBox, C::Frame1, "", true, 0, 600, 720, 615, 285},
    {C::txtZerr, K::TextBox, C::Frame1, "", true, 0, 600, 1080, 615, 285},
    {C::chkXdev, K::CheckBox, C::Frame1, "X", true, 1, 120, 360, 495, 255},
    {C::chkYdev, K::CheckBox, C::Frame1, "Y", true, 1, 120, 720, 495, 255},
    {C::chkZdev, K::CheckBox, C::Frame1, "Z", true, 1, 120, 1080, 495, 255},
    {C::txtXav, K::TextBox, C::Frame1, "", false, 0, 1320, 360, 615, 285},
    {C::txtYav, K::TextBox, C::Frame1, "", false, 0, 1320, 720, 615, 285},
    {C::txtZav, K::TextBox, C::Frame1, "", false, 0, 1320, 1080, 615, 285},
    {C::optInGrouped, K::OptionButton, C::Frame2, "Grouped", true, 1, 1320, 240, 975, 255},
    {C::optZBubble, K::OptionButton, C::Frame3, "Bubble", true, 1, 120, 240, 855, 255},
    {C::optZVector, K::OptionButton, C::Frame3, "Vector", true, 0, 1320, 240, 855, 255},
    {C::cmdInsert, K::CommandButton, std::nullopt, "Insert", true, 0, 2400, 1680, 855, 255},
    {C::Frame2, K::Frame, std::nullopt, "Insert vectors", true, 0, 2280, 120, 2415, 615},
    {C::Frame3, K::Frame, std::nullopt, "Z  Deviation", true, 0, 2280, 840, 2415, 615},
    {C::Frame4, K::Frame, std::nullopt, "Text Height", true, 0, 3480, 1440, 1095, 615},
    {C::txtTextHgt, K::TextBox, C::Frame4, "1", true, 0, 120, 240, 855, 315},
    {C::Frame1, K::Frame, std::nullopt, "Deviations    F1 for help", true, 0, 120, 120, 2055, 1935},
    {C::chkAvDevs, K::CheckBox, C::Frame1, "Average", true, 0, 120, 1560, 975, 255},
    {C::cmdPickDevs, K::CommandButton, C::Frame1, "Pick", true, 0, 1200, 1560, 735, 255},
}};

constexpr bool inOrderOfTheIds() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    if (insert::indexOf(kControls[i].id) != i) return false;
  }
  return true;
}
static_assert(inOrderOfTheIds());

}  // namespace

const FormDefinition& formDefinition() {
  return kForm;
}

std::span<const ControlDefinition> controlDefinitions() {
  return kControls;
}

const ControlDefinition& definitionOf(ControlId id) {
  return kControls[insert::indexOf(id)];
}

}  // namespace form
