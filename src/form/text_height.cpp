// The text height: loaded from the settings store at start-up and written back on every change
// of the field, so the last value typed is the one the next start shows.
#include "form/frm_kestova.h"
#include "form/stored_text_height.h"
#include "insert/number_overflow.h"
#include "numbers/number_format.h"
#include "numbers/numeric_text.h"
#include "numbers/overflow.h"

namespace form {
namespace {

constexpr const char* kApplication = "Kestova";
constexpr const char* kSection = "startup";
constexpr const char* kKey = "Height";

}  // namespace

std::optional<double> storedTextHeight(SettingsStore& settings, std::string_view separator) {
  const std::optional<std::string> stored = settings.Read(kApplication, kSection, kKey, "1");
  if (!stored) return {};
  return numbers::localeNumber(*stored, separator);
}

void frmKestova::loadTextHeight() {
  const std::optional<double> height =
      storedTextHeight(*services_.settings, services_.decimalSeparator);
  if (!height) return;
  // The display form starts with a blank or a minus, so it always differs from the design
  // text "1" and the change handler stores the value back at once.
  insert::withOverflowAsAutomationError(
      [&] { SetText("txtTextHgt", numbers::signedDisplayForm(*height)); });
}

void frmKestova::txtTextHgt_Change() {
  double height = 0;
  try {
    height = numbers::numericValue(Text("txtTextHgt"));
    // Just below the top of the range a height rounds, at the 15 digits it is stored with, to
    // a number beyond it (1.79769313486232E+308), which would never load again.
    numbers::roundedTo15Digits(height);
  } catch (const numbers::Overflow&) {
    return;  // a number beyond the range of a double is not stored; the last good one stays
  }
  // A refused write is not worth interrupting the typing for.
  services_.settings->Write(kApplication, kSection, kKey,
                            numbers::storedForm(height, services_.decimalSeparator));
}

}  // namespace form
