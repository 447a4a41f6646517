#include "host/view-core/command_parser.h"

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "host/view-core/command_words.h"
#include "host/view-core/drawing_tool_parsers.h"

namespace host::view {
namespace {

using command_words::firstWord;
using command_words::unquoted;
using command_words::upper;
using command_words::words;

using Result = std::variant<Command, EntryError>;

std::vector<std::string_view> splitAtSemicolons(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const auto at = text.find(';', start);
    if (at == std::string_view::npos) break;
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

Result noArguments(std::string_view name, std::string_view rest, Command command) {
  if (!rest.empty()) return EntryError{std::string(name) + " takes no arguments"};
  return command;
}

Result pathCommand(std::string_view name, std::string_view rest,
                   const std::function<Command(std::string)>& make) {
  const std::string_view path = unquoted(rest);
  if (path.empty()) return EntryError{std::string(name) + " needs a file path"};
  return make(std::string(path));
}

// SAVEAS path, optionally followed by the release to write ("R2013").
Result saveAs(std::string_view rest, const ReleaseNamed& releaseNamed) {
  std::string release;
  const std::size_t lastBlank = rest.find_last_of(" \t");
  if (lastBlank != std::string_view::npos) {
    if (auto named = releaseNamed(rest.substr(lastBlank + 1))) {
      release = std::move(*named);
      rest = rest.substr(0, lastBlank);
    }
  }
  // Without a name the window asks for one.
  if (rest.empty()) return command::SaveAs{"", release};
  return pathCommand("SAVEAS", rest, [&](std::string path) {
    return command::SaveAs{path, release};
  });
}

// Parses a point of a command, prefixing the reason with what the point was for.
std::variant<PointEntry, EntryError> pointArgument(std::string_view text, std::string_view what) {
  auto parsed = parsePointEntry(text);
  if (auto* error = std::get_if<EntryError>(&parsed)) {
    return EntryError{std::string(what) + ": " + error->message};
  }
  return parsed;
}

Result precision(std::string_view rest) {
  const auto value = parseNumber(rest);
  if (!value || *value != std::floor(*value) || *value < 0 || *value > 8) {
    return EntryError{"LUPREC needs a whole number from 0 to 8"};
  }
  return command::SetPrecision{static_cast<int>(*value)};
}

Result point(std::string_view rest) {
  if (rest.empty()) return command::AddPoint{};
  auto at = pointArgument(rest, "POINT");
  if (auto* error = std::get_if<EntryError>(&at)) return *error;
  return command::AddPoint{std::get<PointEntry>(at)};
}

Result line(std::string_view rest) {
  const auto points = words(rest);
  if (points.empty()) return command::DrawLines{};
  if (points.size() != 2) {
    return EntryError{"LINE needs two points separated by a blank, as x1,y1,z1 x2,y2,z2"};
  }
  auto from = pointArgument(points[0], "LINE start");
  if (auto* error = std::get_if<EntryError>(&from)) return *error;
  auto to = pointArgument(points[1], "LINE end");
  if (auto* error = std::get_if<EntryError>(&to)) return *error;
  return command::AddLine{std::get<PointEntry>(from), std::get<PointEntry>(to)};
}

Result elevation(std::string_view rest) {
  if (rest.empty()) return command::SetElevation{};
  const auto height = parseNumber(rest);
  if (!height) return EntryError{"ELEVATION needs a height, as 45.2"};
  return command::SetElevation{*height};
}

// ZOOM E[XTENTS], ZOOM P[REVIOUS], ZOOM W[INDOW] with its two corners typed or asked for.
Result zoom(std::string_view rest) {
  using Kind = command::Zoom::Kind;
  const auto [option, arguments] = firstWord(rest);
  const std::string key = upper(option);
  if (key == "E" || key == "EXTENTS")
    return noArguments("ZOOM EXTENTS", arguments, command::Zoom{});
  if (key == "P" || key == "PREVIOUS") {
    return noArguments("ZOOM PREVIOUS", arguments, command::Zoom{Kind::Previous, {}, {}});
  }
  if (key == "W" || key == "WINDOW") {
    const auto corners = words(arguments);
    if (corners.empty()) return command::Zoom{Kind::Window, {}, {}};
    if (corners.size() != 2) {
      return EntryError{"ZOOM WINDOW needs two corners separated by a blank, as x1,y1 x2,y2"};
    }
    auto corner = pointArgument(corners[0], "ZOOM WINDOW corner");
    if (auto* error = std::get_if<EntryError>(&corner)) return *error;
    auto opposite = pointArgument(corners[1], "ZOOM WINDOW opposite corner");
    if (auto* error = std::get_if<EntryError>(&opposite)) return *error;
    return command::Zoom{Kind::Window, std::get<PointEntry>(corner),
                         std::get<PointEntry>(opposite)};
  }
  return EntryError{"ZOOM needs one of EXTENTS (E), WINDOW (W), PREVIOUS (P)"};
}

Result lineWeights(std::string_view rest) {
  const std::string key = upper(rest);
  if (key.empty()) return command::ShowLineWeights{};
  if (key == "ON") return command::ShowLineWeights{true};
  if (key == "OFF") return command::ShowLineWeights{false};
  return EntryError{"LWT needs ON or OFF, or nothing to switch lineweights the other way"};
}

// Short names CAD users type for the commands they use most.
std::string_view expandAlias(const std::string& name) {
  static const std::map<std::string, std::string_view> kAliases{
      {"DI", "DIST"},  {"E", "ERASE"}, {"L", "LINE"},   {"LA", "LAYER"}, {"LI", "LIST"},
      {"PO", "POINT"}, {"U", "UNDO"},  {"UN", "UNITS"}, {"Z", "ZOOM"}};
  const auto found = kAliases.find(name);
  return found == kAliases.end() ? std::string_view(name) : found->second;
}

Result ucsName(std::string_view option, std::string_view name,
               const std::function<Command(std::string)>& make) {
  if (name.empty() || words(name).size() != 1) {
    return EntryError{"UCS " + std::string(option) + " needs one name without blanks"};
  }
  return make(std::string(name));
}

Result ucs(std::string_view rest) {
  const auto [option, arguments] = firstWord(rest);
  const std::string key = upper(option);
  if (key == "WORLD") return noArguments("UCS WORLD", arguments, command::UcsWorld{});
  if (key == "ORIGIN") {
    if (arguments.empty()) return EntryError{"UCS ORIGIN needs a point, as x,y,z"};
    auto origin = pointArgument(arguments, "UCS ORIGIN");
    if (auto* error = std::get_if<EntryError>(&origin)) return *error;
    return command::UcsOrigin{std::get<PointEntry>(origin)};
  }
  if (key == "X" || key == "Y" || key == "Z") {
    const auto degrees = parseNumber(arguments);
    if (!degrees) return EntryError{"UCS " + key + " needs an angle in degrees"};
    const auto axis = key == "X"   ? command::Axis::X
                      : key == "Y" ? command::Axis::Y
                                   : command::Axis::Z;
    return command::UcsRotate{axis, *degrees};
  }
  if (key == "3P") {
    const auto parts = splitAtSemicolons(arguments);
    if (parts.size() != 3) {
      return EntryError{"UCS 3P needs three points separated by ';', as origin;xpoint;ypoint"};
    }
    PointEntry points[3];
    const char* names[3] = {"UCS 3P origin", "UCS 3P X-axis point", "UCS 3P Y-axis point"};
    for (int i = 0; i < 3; ++i) {
      auto parsed = pointArgument(parts[static_cast<std::size_t>(i)], names[i]);
      if (auto* error = std::get_if<EntryError>(&parsed)) return *error;
      points[i] = std::get<PointEntry>(parsed);
    }
    return command::UcsThreePoint{points[0], points[1], points[2]};
  }
  if (key == "SAVE") {
    return ucsName("SAVE", arguments, [](std::string n) { return command::UcsSave{n}; });
  }
  if (key == "RESTORE") {
    return ucsName("RESTORE", arguments, [](std::string n) { return command::UcsRestore{n}; });
  }
  if (key == "DELETE") {
    return ucsName("DELETE", arguments, [](std::string n) { return command::UcsDelete{n}; });
  }
  return EntryError{"UCS needs one of WORLD, ORIGIN, X, Y, Z, 3P, SAVE, RESTORE, DELETE"};
}

Result view(std::string_view rest) {
  static const std::map<std::string, StandardView> kViews{{"TOP", StandardView::Top},
                                                          {"FRONT", StandardView::Front},
                                                          {"RIGHT", StandardView::Right},
                                                          {"SWISO", StandardView::SouthWestIso},
                                                          {"SEISO", StandardView::SouthEastIso}};
  const std::string key = upper(rest);
  if (key == "PLAN") return command::SetView{command::PlanView{}};
  const auto found = kViews.find(key);
  if (found == kViews.end()) {
    return EntryError{"VIEW needs one of TOP, FRONT, RIGHT, SWISO, SEISO, PLAN"};
  }
  return command::SetView{found->second};
}

}  // namespace

std::variant<Command, EntryError> parseCommand(std::string_view text,
                                               const ReleaseNamed& releaseNamed) {
  const auto [word, rest] = firstWord(text);
  const std::string typed = upper(word);
  const std::string name(expandAlias(typed));
  if (name.empty()) return EntryError{"Type a command, or press Esc"};
  if (name == "NEW") return noArguments(name, rest, command::New{});
  if (name == "OPEN")
    return pathCommand(name, rest, [](std::string p) { return command::Open{p}; });
  if (name == "SAVE") return noArguments(name, rest, command::Save{});
  if (name == "SAVEAS") return saveAs(rest, releaseNamed);
  if (name == "CLOSE") return noArguments(name, rest, command::Close{});
  if (name == "QUIT") return noArguments(name, rest, command::Quit{});
  if (name == "UNDO") return noArguments(name, rest, command::Undo{});
  if (name == "REDO") return noArguments(name, rest, command::Redo{});
  if (name == "LUPREC") return precision(rest);
  if (name == "ELEVATION" || name == "ELEV") return elevation(rest);
  if (name == "UCS") return ucs(rest);
  if (name == "POINT") return point(rest);
  if (name == "LINE") return line(rest);
  if (name == "VIEW") return view(rest);
  if (name == "ZOOM") return zoom(rest);
  if (name == "LAYER") return noArguments(name, rest, command::ShowLayers{});
  if (name == "LWT") return lineWeights(rest);
  if (name == "ID") return identify(rest);
  if (name == "DIST") return measure(rest);
  if (name == "STATION") return station(rest);
  if (name == "LIST") return noArguments(name, rest, command::ListEntity{});
  if (name == "ERASE") return noArguments(name, rest, command::Erase{});
  if (name == "UNITS") return units(rest);
  if (name == "PLOT") return plot(rest);
  return EntryError{"Unknown command \"" + std::string(word) + "\""};
}

}  // namespace host::view
