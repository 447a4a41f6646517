#include "check/window/remembered_inputs.h"

#include <QSettings>
#include <cstring>

#include "check/window/against_choice.h"
#include "check/window/check_inputs.h"

namespace check {
namespace {

constexpr const char* kDesign = "CheckWindow/design";
constexpr const char* kSurvey = "CheckWindow/survey";
constexpr const char* kOptions = "CheckWindow/options";
constexpr const char* kPreset = "CheckWindow/preset";
// Points, a surface or an alignment, and the options of each, a key each: the options a preset
// keeps name the choice and its tolerances, but not the surface's or the alignment's others.
constexpr const char* kAgainst = "CheckWindow/against";

}  // namespace

void rememberInputs(const CheckInputs& inputs) {
  QSettings settings;
  if (settings.status() != QSettings::NoError) return;  // a program without names keeps none
  settings.setValue(kDesign, inputs.designPath());
  settings.setValue(kSurvey, inputs.surveyPath());
  settings.setValue(kPreset, inputs.chosenPreset());
  settings.remove(kAgainst);
  settings.beginGroup(kAgainst);
  for (const PresetLine& line : inputs.againstChoice().lines()) {
    settings.setValue(QString::fromStdString(line.key), QString::fromStdString(line.value));
  }
  settings.endGroup();
  try {
    settings.setValue(kOptions, QString::fromStdString(presetText(inputs.preset())));
  } catch (const std::invalid_argument&) {
    // A column order that cannot be read is not kept; the one before it stays.
  }
}

void restoreInputs(CheckInputs& inputs) {
  const QSettings settings;
  if (settings.status() != QSettings::NoError) return;
  inputs.setPaths(settings.value(kDesign).toString(), settings.value(kSurvey).toString());
  if (settings.contains(kOptions)) {
    try {
      inputs.applyPreset(
          parsePreset(settings.value(kOptions).toString().toStdString(), "the settings"));
    } catch (const std::exception&) {
      // Settings edited by hand into nonsense: the window starts from its defaults.
    }
  }
  inputs.showChosenPreset(settings.value(kPreset).toString());
  std::vector<PresetLine> against;
  for (const QString& key : settings.allKeys()) {
    if (!key.startsWith(QString(kAgainst) + '/')) continue;
    against.push_back({key.mid(static_cast<int>(std::strlen(kAgainst)) + 1).toStdString(),
                       settings.value(key).toString().toStdString()});
  }
  inputs.againstChoice().showLines(against);
}

}  // namespace check
