#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "check/check_options.h"

// A preset: the options of a kind of check kept under a name ("ROADS"), so that the window and
// `kestova check --preset ROADS` start from them. It is a small text file, one option of the
// command line a line without its leading dashes, such as "tolerance = x=0.02,h=0.025" or
// "survey-decimal-comma = yes"; blank lines and lines starting with '#' are passed over.
namespace check {

struct PresetLine {
  std::string key;    // "tolerance", "survey-decimal-comma"
  std::string value;  // "x=0.02,h=0.025"; "yes" or "no" for a switch
};
using Preset = std::vector<PresetLine>;

// A preset that cannot be read; what() says "file:line: reason".
class PresetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The text of a preset, `name` (its file) in messages. Each option is checked as the command
// line checks it. Throws PresetError for an unknown key, a key given twice, a bad value, one
// coordinate system without the other. `tolerance` may be given once in general and once for
// each code ("tolerance = KERB:z=0.005"), with the keys of the check that `against` names
// (design points where it names none), wherever that line stands.
Preset parsePreset(std::string_view text, const std::string& name);

// The text a preset file holds.
std::string presetText(const Preset& preset);

// The preset's options as the command line gives them: "--tolerance=x=0.02", "--ignore-case".
std::vector<std::string> presetArguments(const Preset& preset);

// The preset's options applied to the defaults of the command line, the tolerances last.
CheckOptions presetOptions(const Preset& preset);

}  // namespace check
