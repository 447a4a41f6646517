#include "host/view-core/drawing_tool_parsers.h"

#include <cctype>
#include <cmath>
#include <string>
#include <utility>

#include "host/view-core/command_words.h"
#include "host/view-core/drawing_units.h"
#include "host/view-core/polyline_station.h"

namespace host::view {
namespace {

using command_words::upper;
using command_words::words;
using Result = std::variant<Command, EntryError>;

std::variant<PointEntry, EntryError> pointNamed(std::string_view text, std::string_view what) {
  auto parsed = parsePointEntry(text);
  if (auto* error = std::get_if<EntryError>(&parsed)) {
    return EntryError{std::string(what) + ": " + error->message};
  }
  return parsed;
}

std::optional<int> wholeNumber(std::string_view word) {
  const auto value = parseNumber(word);
  if (!value || *value != std::floor(*value) || std::abs(*value) > 1e6) return std::nullopt;
  return static_cast<int>(*value);
}

// "1:500" gives 500.
std::optional<double> scaleDenominator(std::string_view word) {
  if (!word.starts_with("1:")) return std::nullopt;
  const auto value = parseNumber(word.substr(2));
  if (!value || !(*value > 0.0) || !std::isfinite(*value)) return std::nullopt;
  return *value;
}

// Takes a quoted path out of `rest`; the path is empty when none is quoted.
std::string takeQuotedPath(std::string& rest) {
  const auto open = rest.find('"');
  if (open == std::string::npos) return {};
  const auto close = rest.find('"', open + 1);
  if (close == std::string::npos) return {};
  std::string path = rest.substr(open + 1, close - open - 1);
  rest.erase(open, close - open + 1);
  return path;
}

}  // namespace

Result identify(std::string_view rest) {
  if (rest.empty()) return command::Identify{};
  auto at = pointNamed(rest, "ID");
  if (auto* error = std::get_if<EntryError>(&at)) return *error;
  return command::Identify{std::get<PointEntry>(at)};
}

Result measure(std::string_view rest) {
  const auto points = words(rest);
  if (points.empty()) return command::Measure{};
  if (points.size() != 2) {
    return EntryError{"DIST needs two points separated by a blank, as x1,y1,z1 x2,y2,z2"};
  }
  auto from = pointNamed(points[0], "DIST first point");
  if (auto* error = std::get_if<EntryError>(&from)) return *error;
  auto to = pointNamed(points[1], "DIST second point");
  if (auto* error = std::get_if<EntryError>(&to)) return *error;
  return command::Measure{std::get<PointEntry>(from), std::get<PointEntry>(to)};
}

Result station(std::string_view rest) {
  if (rest.empty()) return command::Station{};
  const auto start = parseChainage(rest);
  if (!start) {
    return EntryError{
        "STATION: the start chainage is a number or kilometres+metres, as 1250 or "
        "1+250, or nothing to be asked for it"};
  }
  return command::Station{start};
}

Result units(std::string_view rest) {
  command::Units result;
  for (const std::string_view word : words(rest)) {
    if (const auto code = unitsNamed(word); code && !result.insertionUnits) {
      result.insertionUnits = code;
    } else if (const auto format = lengthFormatNamed(word); format && !result.lengthFormat) {
      result.lengthFormat = format;
    } else if (const auto decimals = wholeNumber(word); decimals && !result.decimals) {
      if (*decimals < 0 || *decimals > 8) return EntryError{"UNITS: decimals go from 0 to 8"};
      result.decimals = decimals;
    } else {
      return EntryError{"UNITS: \"" + std::string(word) + "\" is not one of " +
                        std::string(unitWords()) +
                        ", DECIMAL, ENGINEERING, ARCHITECTURAL, FRACTIONAL, SCIENTIFIC or the "
                        "decimals 0 to 8, each at most once"};
    }
  }
  return result;
}

Result plot(std::string_view typed) {
  std::string rest(typed);
  command::Plot result;
  result.path = takeQuotedPath(rest);
  bool areaGiven = false, sheetGiven = false, orientationGiven = false, scaleGiven = false;
  for (const std::string_view word : words(rest)) {
    const std::string key = upper(word);
    bool* given = nullptr;
    if (key == "EXTENTS" || key == "E" || key == "VIEW" || key == "V") {
      result.area = key.starts_with('E') ? command::Plot::Area::Extents : command::Plot::Area::View;
      given = &areaGiven;
    } else if (key.size() == 2 && key[0] == 'A' && key[1] >= '0' && key[1] <= '4') {
      result.sheet = key[1] - '0';
      given = &sheetGiven;
    } else if (key.size() == 2 && key[0] == 'A' &&
               std::isdigit(static_cast<unsigned char>(key[1]))) {
      return EntryError{"PLOT: the sheets go from A0 to A4"};
    } else if (key == "LANDSCAPE" || key == "PORTRAIT") {
      result.landscape = key == "LANDSCAPE";
      given = &orientationGiven;
    } else if (key == "FIT" || key.starts_with("1:")) {
      result.scale = key == "FIT" ? std::nullopt : scaleDenominator(key);
      if (key != "FIT" && !result.scale) {
        return EntryError{"PLOT: the scale is 1:N with N above 0, as 1:500, or FIT"};
      }
      given = &scaleGiven;
    } else if (result.path.empty()) {
      result.path = std::string(word);
      continue;
    } else {
      return EntryError{"PLOT: \"" + std::string(word) +
                        "\" is neither an option nor the one file (quote a path with blanks)"};
    }
    if (std::exchange(*given, true)) {
      return EntryError{"PLOT: \"" + std::string(word) + "\" says again what was given before"};
    }
  }
  if (result.path.empty()) {
    return EntryError{"PLOT needs a PDF file, as PLOT EXTENTS A3 LANDSCAPE 1:500 site.pdf"};
  }
  if (!upper(result.path).ends_with(".PDF")) result.path += ".pdf";
  return result;
}

}  // namespace host::view
