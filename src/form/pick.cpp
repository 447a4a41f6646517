// Pick: the deviation of a survey point from its design point along each UCS axis, and the
// running average of the picked deviations.
#include <array>
#include <cstdint>

#include "cad/arithmetic.h"
#include "cad/automation_error.h"
#include "form/frm_kestova.h"
#include "insert/number_overflow.h"
#include "numbers/number_format.h"
#include "numbers/numeric_text.h"

namespace form {
namespace {

constexpr std::array<const char*, 3> kDeviationFields{"txtXerr", "txtYerr", "txtZerr"};
constexpr std::array<const char*, 3> kAverageFields{"txtXav", "txtYav", "txtZav"};

// Every field the program writes is read back by the numeric-value rule, which knows only the
// point, so the fields take a point whatever the user's locale.
constexpr const char* kFieldSeparator = ".";

// The pick count is a 16-bit count that never wraps.
std::int16_t incremented(std::int16_t count) {
  if (count == INT16_MAX) throw cad::overflowError();
  return static_cast<std::int16_t>(count + 1);
}

}  // namespace

void frmKestova::cmdPickDevs_Click() {
  insert::withOverflowAsAutomationError([&] {
    Hide();
    // Each point goes into the current UCS before the next one is asked for.
    vars_.PickPnt1 = vars_.utilObj->GetPoint(std::nullopt, "From Design Point ");
    vars_.PickPnt1 =
        vars_.utilObj->TranslateCoordinates(*vars_.PickPnt1, cad::kWorld, cad::kUcs, 0);
    vars_.PickPnt2 = vars_.utilObj->GetPoint(std::nullopt, "To Survey Point ");
    vars_.PickPnt2 =
        vars_.utilObj->TranslateCoordinates(*vars_.PickPnt2, cad::kWorld, cad::kUcs, 0);

    for (int axis = 0; axis < 3; ++axis) {
      const double deviation = cad::checked((*vars_.PickPnt2)[axis] - (*vars_.PickPnt1)[axis]);
      SetText(kDeviationFields[axis], numbers::formatWithDP(numbers::roundedTo15Digits(deviation),
                                                            vars_.DP, kFieldSeparator));
    }

    if (CheckValue("chkAvDevs") == 1) {
      if (Text("txtXav").empty()) {
        for (int axis = 0; axis < 3; ++axis) {
          SetText(kAverageFields[axis], Text(kDeviationFields[axis]));
        }
      } else {
        // The average lives only in its fields: each pick reads back the rounded texts, so a
        // typed average is taken as it stands.
        const double n = vars_.X1;
        const double nPlusOne = incremented(vars_.X1);
        std::array<double, 3> averages{};
        for (int axis = 0; axis < 3; ++axis) {
          const double average = numbers::numericValue(Text(kAverageFields[axis]));
          const double deviation = numbers::numericValue(Text(kDeviationFields[axis]));
          averages[axis] = numbers::roundedTo15Digits(
              cad::checkedDivide(cad::checked(deviation + cad::checked(n * average)), nPlusOne));
        }
        for (int axis = 0; axis < 3; ++axis) {
          SetText(kAverageFields[axis],
                  numbers::formatWithDP(averages[axis], vars_.DP, kFieldSeparator));
        }
      }
    }

    vars_.X1 = incremented(vars_.X1);
    Show();
  });
}

// A click on the Average box, in either direction, starts a new average.
void frmKestova::chkAvDevs_Click() {
  vars_.X1 = 0;
  if (CheckValue("chkAvDevs") == 1) {
    for (const char* field : kAverageFields) SetVisible(field, true);
    return;
  }
  for (const char* field : kAverageFields) SetVisible(field, false);
  for (const char* field : kAverageFields) SetText(field, "");
  for (const char* field : kDeviationFields) SetText(field, "");
}

}  // namespace form
