#include "check/preset_folder.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <system_error>

#include "check/whole_file.h"
#include "survey/coordinate_text.h"

namespace check {
namespace {

constexpr const char* kExtension = ".txt";
constexpr std::size_t kLongestName = 100;

std::optional<std::filesystem::path> environmentFolder(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr || *value == '\0') return std::nullopt;
  std::filesystem::path folder(value);
  // The XDG rules ignore a relative folder: it would move with the working folder.
  if (!folder.is_absolute()) return std::nullopt;
  return folder;
}

// "--preset" and its name, wherever the command line gave them.
struct PresetArgument {
  std::size_t first = 0;
  std::size_t count = 0;  // 1 for "--preset=NAME", 2 for "--preset NAME"
  std::string name;
};

std::optional<PresetArgument> presetArgument(const std::vector<std::string>& arguments) {
  std::optional<PresetArgument> found;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    PresetArgument here{i, 1, {}};
    if (argument.rfind("--preset=", 0) == 0) {
      here.name = argument.substr(9);
    } else if (argument == "--preset") {
      if (i + 1 == arguments.size()) throw UsageError("--preset needs a value");
      here = {i, 2, arguments[i + 1]};
    } else {
      continue;
    }
    if (found) throw UsageError("--preset is given twice; one check takes one preset");
    found = here;
    i += here.count - 1;
  }
  return found;
}

}  // namespace

std::filesystem::path presetFolder() {
  if (const auto config = environmentFolder("XDG_CONFIG_HOME"))
    return *config / "Kestova" / "presets";
#ifdef _WIN32
  if (const auto appData = environmentFolder("APPDATA")) return *appData / "Kestova" / "presets";
#endif
  if (const auto home = environmentFolder("HOME")) {
    return *home / ".config" / "Kestova" / "presets";
  }
  throw std::runtime_error("presets have no folder: neither XDG_CONFIG_HOME nor HOME is set");
}

std::filesystem::path presetFile(const std::filesystem::path& folder, const std::string& name) {
  const bool badSign = std::any_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 ||
           std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
  });
  if (name.empty() || name.front() == '.' || name.front() == ' ' || name.back() == ' ' ||
      name.size() > kLongestName || badSign) {
    throw std::invalid_argument(
        "a preset's name is its file's: up to 100 letters, digits, blanks or dashes, not " +
        survey::inQuotes(name));
  }
  return folder / (name + kExtension);
}

std::vector<std::string> presetNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::filesystem::path& path = entry.path();
    if (entry.is_regular_file(error) && path.extension() == kExtension) {
      names.push_back(path.stem().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

Preset readPreset(const std::filesystem::path& folder, const std::string& name) {
  const std::filesystem::path file = presetFile(folder, name);
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::string known;
    for (const std::string& other : presetNames(folder))
      known += (known.empty() ? "" : ", ") + other;
    throw std::invalid_argument("no preset " + survey::inQuotes(name) + " in " + folder.string() +
                                " (presets there: " + (known.empty() ? "none" : known) + ")");
  }
  std::ostringstream text;
  text << in.rdbuf();
  return parsePreset(text.str(), file.string());
}

void savePreset(const std::filesystem::path& folder, const std::string& name,
                const Preset& preset) {
  const std::filesystem::path file = presetFile(folder, name);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    throw std::runtime_error(folder.string() + ": cannot be made (" + error.message() + ")");
  }
  saveWholeFile(file, [&](std::ostream& out) { out << presetText(preset); });
}

void deletePreset(const std::filesystem::path& folder, const std::string& name) {
  const std::filesystem::path file = presetFile(folder, name);
  std::error_code error;
  if (!std::filesystem::remove(file, error) || error) {
    throw std::runtime_error(
        file.string() + ": cannot be removed" +
        (error ? " (" + error.message() + ")" : std::string(" (no such file)")));
  }
}

std::vector<std::string> withPreset(const std::vector<std::string>& arguments) {
  const std::optional<PresetArgument> preset = presetArgument(arguments);
  if (!preset) return arguments;
  Preset options;
  try {
    options = readPreset(presetFolder(), preset->name);
  } catch (const std::invalid_argument& e) {
    throw UsageError(std::string("--preset: ") + e.what());
  }
  std::vector<std::string> expanded = presetArguments(options);
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i < preset->first || i >= preset->first + preset->count) expanded.push_back(arguments[i]);
  }
  return expanded;
}

}  // namespace check
