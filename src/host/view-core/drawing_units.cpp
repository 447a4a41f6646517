#include "host/view-core/drawing_units.h"

#include <array>

#include "host/view-core/command_words.h"

namespace host::view {
namespace {

struct Unit {
  int code;
  std::string_view name;
  std::array<std::string_view, 3> words;  // what may be typed; empty where there are fewer
  double metres;                          // 0: none
};

// The codes a drawing file holds; the words are those surveyors and draughtsmen type.
constexpr std::array<Unit, 25> kUnits{{
    {0, "unitless", {"UNITLESS", "NONE"}, 0.0},
    {1, "inches", {"IN", "INCH", "INCHES"}, 0.0254},
    {2, "feet", {"FT", "FOOT", "FEET"}, 0.3048},
    {3, "miles", {"MI", "MILE", "MILES"}, 1609.344},
    {4, "millimetres", {"MM", "MILLIMETRES", "MILLIMETERS"}, 0.001},
    {5, "centimetres", {"CM", "CENTIMETRES", "CENTIMETERS"}, 0.01},
    {6, "metres", {"M", "METRES", "METERS"}, 1.0},
    {7, "kilometres", {"KM", "KILOMETRES", "KILOMETERS"}, 1000.0},
    {8, "microinches", {}, 0.0254e-6},
    {9, "mils", {}, 0.0254e-3},
    {10, "yards", {"YD", "YARD", "YARDS"}, 0.9144},
    {11, "angstroms", {}, 1e-10},
    {12, "nanometres", {}, 1e-9},
    {13, "microns", {}, 1e-6},
    {14, "decimetres", {"DM"}, 0.1},
    {15, "decametres", {}, 10.0},
    {16, "hectometres", {}, 100.0},
    {17, "gigametres", {}, 1e9},
    {18, "astronomical units", {}, 1.495978707e11},
    {19, "light years", {}, 9.4607304725808e15},
    {20, "parsecs", {}, 3.0856775814913673e16},
    {21, "US survey feet", {"USFT"}, 1200.0 / 3937.0},
    {22, "US survey inches", {}, 100.0 / 3937.0},
    {23, "US survey yards", {}, 3600.0 / 3937.0},
    {24, "US survey miles", {}, 6336000.0 / 3937.0},
}};

constexpr std::array<std::string_view, 5> kLengthFormats{"scientific", "decimal", "engineering",
                                                         "architectural", "fractional"};

const Unit* unitOf(int code) {
  for (const Unit& unit : kUnits) {
    if (unit.code == code) return &unit;
  }
  return nullptr;
}

}  // namespace

std::optional<int> unitsNamed(std::string_view word) {
  const std::string typed = command_words::upper(word);
  for (const Unit& unit : kUnits) {
    for (std::string_view name : unit.words) {
      if (!name.empty() && name == typed) return unit.code;
    }
  }
  return std::nullopt;
}

std::string unitsName(int code) {
  if (const Unit* unit = unitOf(code)) return std::string(unit->name);
  return "units of unknown code " + std::to_string(code);
}

std::optional<double> metresPerUnit(int code) {
  const Unit* unit = unitOf(code);
  if (!unit || unit->metres == 0.0) return std::nullopt;
  return unit->metres;
}

std::string_view unitWords() {
  return "MM, CM, DM, M, KM, IN, FT, USFT, YD, MI or UNITLESS";
}

std::optional<int> lengthFormatNamed(std::string_view word) {
  const std::string typed = command_words::upper(word);
  for (std::size_t i = 0; i < kLengthFormats.size(); ++i) {
    if (command_words::upper(kLengthFormats[i]) == typed) return static_cast<int>(i + 1);
  }
  return std::nullopt;
}

std::string lengthFormatName(int code) {
  if (code < 1 || code > static_cast<int>(kLengthFormats.size())) {
    return "of unknown code " + std::to_string(code);
  }
  return std::string(kLengthFormats[static_cast<std::size_t>(code - 1)]);
}

}  // namespace host::view
