#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace insert {

// Every control of the main dialog, in tab order. The one table through which a control is
// found by its name: the dialog, its window and the test doubles all look names up here.
enum class ControlId {
  optInSeperatly,
  txtXerr,
  txtYerr,
  txtZerr,
  chkXdev,
  chkYdev,
  chkZdev,
  txtXav,  // the averages of the picks, shown while the Average box is ticked
  txtYav,
  txtZav,
  optInGrouped,
  optZBubble,
  optZVector,
  cmdInsert,
  Frame2,  // "Insert vectors"
  Frame3,  // "Z  Deviation"
  Frame4,  // "Text Height"
  txtTextHgt,
  Frame1,  // "Deviations"
  chkAvDevs,
  cmdPickDevs,
};

inline constexpr std::size_t kControlCount = 21;
static_assert(static_cast<std::size_t>(ControlId::cmdPickDevs) + 1 == kControlCount);

// The names as the design spells them, in the order of ControlId.
inline constexpr std::array<std::string_view, kControlCount> kControlNames{
    "optInSeperatly", "txtXerr",   "txtYerr",    "txtZerr", "chkXdev",      "chkYdev",
    "chkZdev",        "txtXav",    "txtYav",     "txtZav",  "optInGrouped", "optZBubble",
    "optZVector",     "cmdInsert", "Frame2",     "Frame3",  "Frame4",       "txtTextHgt",
    "Frame1",         "chkAvDevs", "cmdPickDevs"};

constexpr std::string_view nameOf(ControlId id) {
  return kControlNames[static_cast<std::size_t>(id)];
}

constexpr std::size_t indexOf(ControlId id) {
  return static_cast<std::size_t>(id);
}

// The control called `name`. Naming a control the dialog lacks is a programming error
// (std::logic_error), so that a misspelt name fails wherever it is used.
ControlId controlNamed(std::string_view name);

}  // namespace insert
