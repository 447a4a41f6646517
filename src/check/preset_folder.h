#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "check/preset.h"

// Where presets live: one file per preset, "ROADS.txt", in the user's configuration folder,
// found without a toolkit so that `kestova check --preset` and the check window share them.
namespace check {

// $XDG_CONFIG_HOME/Kestova/presets, else ~/.config/Kestova/presets (%APPDATA%\Kestova\presets
// on Windows). Throws std::runtime_error when the environment names no home folder.
std::filesystem::path presetFolder();

// The file of the preset `name` in `folder`. Throws std::invalid_argument for a name that
// cannot be a file's: empty, starting with a dot, holding a slash or other such signs.
std::filesystem::path presetFile(const std::filesystem::path& folder, const std::string& name);

// The names of the presets in `folder`, sorted; none when it does not exist.
std::vector<std::string> presetNames(const std::filesystem::path& folder);

// Reads the preset `name` from `folder`. Throws PresetError naming the file and line, and
// std::invalid_argument naming the folder for a preset that is not there.
Preset readPreset(const std::filesystem::path& folder, const std::string& name);

// Saves `preset` as `name` in `folder`, made if need be, whole or not at all; throws
// std::runtime_error naming the file and the reason when it cannot.
void savePreset(const std::filesystem::path& folder, const std::string& name, const Preset& preset);

// Removes the preset `name` from `folder`; throws std::runtime_error when it cannot.
void deletePreset(const std::filesystem::path& folder, const std::string& name);

// `arguments` with "--preset NAME" taken out and the preset's options put first, so that
// options given on the command line win. Throws UsageError for a preset that is not in the
// preset folder, naming the folder, and PresetError for one that cannot be read.
std::vector<std::string> withPreset(const std::vector<std::string>& arguments);

}  // namespace check
