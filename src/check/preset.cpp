#include "check/preset.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include "survey/code_filter.h"
#include "survey/code_tolerances.h"
#include "survey/coordinate_text.h"
#include "survey/point_file_error.h"

namespace check {
namespace {

// A preset is a file the user may write by hand; anything larger is not one.
constexpr std::size_t kLargestPreset = 64 * 1024;

struct Key {
  const char* name;
  bool isSwitch;  // "yes" or "no" rather than a value
};

// What a preset keeps: how the files are read and the points paired and tested, and what they
// are checked against. Outputs, the drawing and the decimals belong to one check, not to a kind
// of check.
constexpr std::array<Key, 21> kKeys{{{"match", false},
                                     {"tolerance", false},
                                     {"codes", false},
                                     {"exclude-codes", false},
                                     {"units", false},
                                     {"design-units", false},
                                     {"survey-units", false},
                                     {"columns", false},
                                     {"design-columns", false},
                                     {"survey-columns", false},
                                     {"decimal-comma", true},
                                     {"design-decimal-comma", true},
                                     {"survey-decimal-comma", true},
                                     {"design-crs", false},
                                     {"survey-crs", false},
                                     {"ignore-case", true},
                                     {"survey-prefix", false},
                                     {"survey-suffix", false},
                                     {"repeats", false},
                                     {"skip-bad-lines", true},
                                     {"against", false}}};

const Key* keyNamed(const std::string& name) {
  for (const Key& key : kKeys) {
    if (name == key.name) return &key;
  }
  return nullptr;
}

std::string knownKeys() {
  std::string names;
  for (const Key& key : kKeys) names += (names.empty() ? "" : ", ") + std::string(key.name);
  return names;
}

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string lowered(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// The option a line stands for, as applyOption takes it: no value for a switch that is on,
// nothing at all for one that is off.
std::optional<std::optional<std::string>> optionValue(const PresetLine& line) {
  const Key* key = keyNamed(line.key);
  if (key == nullptr || !key->isSwitch) return std::optional<std::string>(line.value);
  if (line.value == "yes") return std::optional<std::string>();
  return std::nullopt;
}

// Applies `line` as the command line applies its option.
void applyLine(CheckOptions& options, const PresetLine& line) {
  if (const auto option = optionValue(line)) applyOption(options, "--" + line.key, *option);
}

// The code a tolerance line is for ("KERB" of "KERB:z=0.005"), empty for the general one: a
// preset holds one line for each, so that no line is quietly overruled by a later one.
std::string toleranceCode(std::string_view value) {
  if (!survey::namesCode(value)) return {};
  return std::string(trimmed(value.substr(0, value.find(':'))));
}

// The key and value of a line that is neither blank nor a comment. Throws the reason.
PresetLine lineOf(std::string_view text, const Preset& before) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) {
    throw std::invalid_argument(survey::inQuotes(text) +
                                " is not an option and its value, such as \"match = near:0.5\"");
  }
  PresetLine line{lowered(trimmed(text.substr(0, equals))),
                  std::string(trimmed(text.substr(equals + 1)))};
  const Key* key = keyNamed(line.key);
  if (key == nullptr) {
    throw std::invalid_argument(survey::inQuotes(line.key) +
                                " is not kept in a preset; a preset keeps " + knownKeys());
  }
  for (const PresetLine& earlier : before) {
    if (earlier.key != line.key) continue;
    if (line.key != "tolerance") throw std::invalid_argument(line.key + " is given twice");
    const std::string code = toleranceCode(line.value);
    if (survey::sameCode(toleranceCode(earlier.value), code)) {
      throw std::invalid_argument(code.empty() ? "the general tolerance is given twice"
                                               : "the tolerance of " + code + " is given twice");
    }
  }
  if (key->isSwitch && line.value != "yes" && line.value != "no") {
    throw std::invalid_argument(line.key + " takes yes or no, not " + survey::inQuotes(line.value));
  }
  if (!key->isSwitch && line.value.empty())
    throw std::invalid_argument(line.key + " needs a value");
  return line;
}

}  // namespace

Preset parsePreset(std::string_view text, const std::string& name) {
  if (text.size() > kLargestPreset) {
    throw PresetError(survey::located(name, 0, "is too large for a preset"));
  }
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  Preset preset;
  std::vector<std::size_t> lineNumbers;
  CheckOptions checked;
  std::size_t number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view content = trimmed(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (content.empty() || content.front() == '#') continue;
    try {
      if (content.find('\0') != std::string_view::npos) {
        throw std::invalid_argument("holds a NUL byte: a preset is text");
      }
      const PresetLine line = lineOf(content, preset);
      if (line.key != "tolerance") applyLine(checked, line);
      preset.push_back(line);
      lineNumbers.push_back(number);
    } catch (const std::exception& e) {
      throw PresetError(survey::located(name, number, e.what()));
    }
  }
  // Tolerances take the keys of the check the preset is against, wherever it names it.
  for (std::size_t k = 0; k < preset.size(); ++k) {
    if (preset[k].key != "tolerance") continue;
    try {
      applyLine(checked, preset[k]);
    } catch (const std::exception& e) {
      throw PresetError(survey::located(name, lineNumbers[k], e.what()));
    }
  }
  // The command line takes both coordinate systems or neither; a preset is a whole check.
  if (checked.designCrs.has_value() != checked.surveyCrs.has_value()) {
    const std::string given = checked.designCrs ? "design-crs" : "survey-crs";
    const std::string missing = checked.designCrs ? "survey-crs" : "design-crs";
    for (std::size_t k = 0; k < preset.size(); ++k) {
      if (preset[k].key == given) {
        throw PresetError(survey::located(name, lineNumbers[k], given + " needs " + missing));
      }
    }
  }
  return preset;
}

std::string presetText(const Preset& preset) {
  std::string text = "# Options of kestova check, one a line without its leading dashes\n";
  for (const PresetLine& line : preset) text += line.key + " = " + line.value + '\n';
  return text;
}

std::vector<std::string> presetArguments(const Preset& preset) {
  std::vector<std::string> arguments;
  for (const PresetLine& line : preset) {
    if (const auto option = optionValue(line)) {
      arguments.push_back("--" + line.key + (*option ? "=" + **option : std::string()));
    }
  }
  return arguments;
}

CheckOptions presetOptions(const Preset& preset) {
  CheckOptions options;
  // The tolerances last, read with the keys of the check the preset is against.
  for (const PresetLine& line : preset) {
    if (line.key != "tolerance") applyLine(options, line);
  }
  for (const PresetLine& line : preset) {
    if (line.key == "tolerance") applyLine(options, line);
  }
  return options;
}

}  // namespace check
