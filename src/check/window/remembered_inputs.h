#pragma once

namespace check {

class CheckInputs;

// The check window's files, options and tolerances as the user left them, kept in the
// program's settings (QSettings with the names the program gives itself), so that the window
// opens again where the last check was set up. Without the program's names (QCoreApplication's
// organisation and application) nothing is kept.
void rememberInputs(const CheckInputs& inputs);
// Sets the inputs as they were remembered; a setting that cannot be read leaves the defaults.
void restoreInputs(CheckInputs& inputs);

}  // namespace check
