#include "host/view-core/drawing_commands.h"

#include <array>
#include <cassert>
#include <numbers>

#include "host/geom/invalid_input.h"
#include "host/view-core/drawing_units.h"
#include "host/view-core/length_format.h"
#include "host/view-core/overloaded.h"

namespace host::view {
namespace {

// Places the entries one after the other, so that a relative entry is relative to the one
// before it. Fails at the first entry that cannot be placed, leaving `last` as it was.
template <std::size_t N>
std::array<Eigen::Vector3d, N> placeAll(const std::array<PointEntry, N>& entries,
                                        const geom::Frame& ucs,
                                        std::optional<Eigen::Vector3d>& last) {
  std::array<Eigen::Vector3d, N> placed;
  std::optional<Eigen::Vector3d> previous = last;
  for (std::size_t i = 0; i < N; ++i) {
    auto point = placePoint(entries[i], ucs, previous);
    if (auto* error = std::get_if<EntryError>(&point)) throw InvalidInput(error->message);
    placed[i] = std::get<Eigen::Vector3d>(point);
    previous = placed[i];
  }
  last = previous;
  return placed;
}

Eigen::Vector3d axisOf(const geom::Frame& ucs, command::Axis axis) {
  switch (axis) {
    case command::Axis::X:
      return ucs.xAxis();
    case command::Axis::Y:
      return ucs.yAxis();
    case command::Axis::Z:
      return ucs.zAxis();
  }
  return ucs.zAxis();
}

// "Undo Insert", or "Undo" for a step made by a lone automation call.
std::string stepName(const std::string& verb, const std::string& name) {
  return name.empty() ? verb : verb + " " + name;
}

void setUnnamedUcs(model::Document& document, const geom::Frame& frame) {
  document.setCurrentUcs(model::Ucs{"", frame});
}

class Applier {
 public:
  Applier(model::Document& document, std::optional<Eigen::Vector3d>& last)
      : document_(document), last_(last) {}

  std::optional<std::string> operator()(const command::Undo&) {
    if (!document_.canUndo()) return "Nothing to undo";
    const std::string undone = stepName("Undo", document_.undoName());
    document_.undo();
    return undone;
  }
  std::optional<std::string> operator()(const command::Redo&) {
    if (!document_.canRedo()) return "Nothing to redo";
    const std::string redone = stepName("Redo", document_.redoName());
    document_.redo();
    return redone;
  }
  std::optional<std::string> operator()(const command::SetPrecision& c) {
    model::HeaderVariables header = document_.header();
    header.luprec = c.decimals;
    document_.setHeader(header);
    return std::nullopt;
  }
  std::optional<std::string> operator()(const command::UcsWorld&) {
    setUnnamedUcs(document_, geom::Frame());
    return std::nullopt;
  }
  std::optional<std::string> operator()(const command::UcsOrigin& c) {
    const geom::Frame& ucs = ucsFrame();
    std::optional<Eigen::Vector3d> last = last_;
    const auto [origin] = placeAll<1>({c.origin}, ucs, last);
    setUnnamedUcs(document_, geom::Frame::fromDirections(origin, ucs.xAxis(), ucs.yAxis()));
    return std::nullopt;
  }
  std::optional<std::string> operator()(const command::UcsRotate& c) {
    const geom::Frame& ucs = ucsFrame();
    const Eigen::AngleAxisd turn(c.degrees * std::numbers::pi / 180.0, axisOf(ucs, c.axis));
    setUnnamedUcs(document_, geom::Frame::fromDirections(ucs.origin(), turn * ucs.xAxis(),
                                                         turn * ucs.yAxis()));
    return std::nullopt;
  }
  std::optional<std::string> operator()(const command::UcsThreePoint& c) {
    std::optional<Eigen::Vector3d> last = last_;
    const auto [origin, xPoint, yPoint] =
        placeAll<3>({c.origin, c.xPoint, c.yPoint}, ucsFrame(), last);
    setUnnamedUcs(document_, geom::Frame::fromPoints(origin, xPoint, yPoint));
    last_ = last;
    return std::nullopt;
  }
  std::optional<std::string> operator()(const command::UcsSave& c) {
    const geom::Frame frame = ucsFrame();
    const std::size_t index = document_.defineUcs(c.name, frame);
    document_.setCurrentUcs(document_.ucsTable()[index]);
    return std::nullopt;
  }
  std::optional<std::string> operator()(const command::UcsRestore& c) {
    const auto index = document_.ucsTable().find(c.name);
    if (!index) return "No UCS named \"" + c.name + "\"";
    document_.setCurrentUcs(document_.ucsTable()[*index]);
    return std::nullopt;
  }
  std::optional<std::string> operator()(const command::UcsDelete& c) {
    if (!document_.ucsTable().find(c.name)) return "No UCS named \"" + c.name + "\"";
    document_.deleteUcs(c.name);
    return std::nullopt;
  }
  std::optional<std::string> operator()(const command::SetElevation& c) {
    if (!c.height) {
      return "ELEVATION is " +
             formatLength(document_.header().elevation, document_.header().luprec);
    }
    model::HeaderVariables header = document_.header();
    header.elevation = *c.height;
    document_.setHeader(header);
    return std::nullopt;
  }
  std::optional<std::string> operator()(const command::Units& c) {
    model::HeaderVariables header = document_.header();
    header.insunits = c.insertionUnits.value_or(header.insunits);
    header.lunits = c.lengthFormat.value_or(header.lunits);
    header.luprec = c.decimals.value_or(header.luprec);
    if (!(header == document_.header())) document_.setHeader(header);
    return "Units: " + unitsName(header.insunits) + " (INSUNITS " +
           std::to_string(header.insunits) + "); lengths " + lengthFormatName(header.lunits) +
           " (LUNITS " + std::to_string(header.lunits) + ") with " + std::to_string(header.luprec) +
           " decimals (LUPREC)" + (header.lunits == 2 ? "" : "; this window writes them decimal");
  }
  std::optional<std::string> operator()(const command::AddPoint& c) {
    assert(c.at && "the window asks for the point");
    std::optional<Eigen::Vector3d> last = last_;
    const auto [at] = placeAll<1>({*c.at}, ucsFrame(), last);
    document_.addEntity(model::BlockTable::kModelSpace, model::Point{at}, currentLayer());
    last_ = last;
    return std::nullopt;
  }
  std::optional<std::string> operator()(const command::AddLine& c) {
    std::optional<Eigen::Vector3d> last = last_;
    const auto [from, to] = placeAll<2>({c.from, c.to}, ucsFrame(), last);
    document_.addEntity(model::BlockTable::kModelSpace, model::Line{from, to}, currentLayer());
    last_ = last;
    return std::nullopt;
  }
  template <class Other>
  std::optional<std::string> operator()(const Other&) {
    assert(false && "not a drawing command");
    return std::nullopt;
  }

 private:
  model::Document& document_;
  std::optional<Eigen::Vector3d>& last_;

  const geom::Frame& ucsFrame() const { return document_.currentUcs().frame; }
  // New entities go on the current layer, as in CAD programs.
  model::LayerIndex currentLayer() const { return document_.header().currentLayer; }
};

}  // namespace

std::string commandName(const Command& command) {
  return std::visit(Overloaded{[](const command::New&) { return "NEW"; },
                               [](const command::Open&) { return "OPEN"; },
                               [](const command::Save&) { return "SAVE"; },
                               [](const command::SaveAs&) { return "SAVEAS"; },
                               [](const command::Close&) { return "CLOSE"; },
                               [](const command::Quit&) { return "QUIT"; },
                               [](const command::Undo&) { return "UNDO"; },
                               [](const command::Redo&) { return "REDO"; },
                               [](const command::SetPrecision&) { return "LUPREC"; },
                               [](const command::SetElevation&) { return "ELEVATION"; },
                               [](const command::UcsWorld&) { return "UCS"; },
                               [](const command::UcsOrigin&) { return "UCS"; },
                               [](const command::UcsRotate&) { return "UCS"; },
                               [](const command::UcsThreePoint&) { return "UCS"; },
                               [](const command::UcsSave&) { return "UCS"; },
                               [](const command::UcsRestore&) { return "UCS"; },
                               [](const command::UcsDelete&) { return "UCS"; },
                               [](const command::AddPoint&) { return "POINT"; },
                               [](const command::AddLine&) { return "LINE"; },
                               [](const command::DrawLines&) { return "LINE"; },
                               [](const command::SetView&) { return "VIEW"; },
                               [](const command::Zoom&) { return "ZOOM"; },
                               [](const command::ShowLayers&) { return "LAYER"; },
                               [](const command::ShowLineWeights&) { return "LWT"; },
                               [](const command::Identify&) { return "ID"; },
                               [](const command::Measure&) { return "DIST"; },
                               [](const command::ListEntity&) { return "LIST"; },
                               [](const command::Station&) { return "STATION"; },
                               [](const command::Erase&) { return "ERASE"; },
                               [](const command::Units&) { return "UNITS"; },
                               [](const command::Plot&) { return "PLOT"; }},
                    command);
}

bool changesDrawing(const Command& command) {
  return std::visit(
      Overloaded{[](const command::Undo&) { return true; },
                 [](const command::Redo&) { return true; },
                 [](const command::SetPrecision&) { return true; },
                 [](const command::SetElevation&) { return true; },
                 [](const command::UcsWorld&) { return true; },
                 [](const command::UcsOrigin&) { return true; },
                 [](const command::UcsRotate&) { return true; },
                 [](const command::UcsThreePoint&) { return true; },
                 [](const command::UcsSave&) { return true; },
                 [](const command::UcsRestore&) { return true; },
                 [](const command::UcsDelete&) { return true; },
                 [](const command::Units&) { return true; },
                 [](const command::AddPoint& c) { return c.at.has_value(); },
                 [](const command::AddLine&) { return true; }, [](const auto&) { return false; }},
      command);
}

std::optional<std::string> applyToDrawing(model::Document& document, const Command& command,
                                          std::optional<Eigen::Vector3d>& lastPoint) {
  try {
    if (std::holds_alternative<command::Undo>(command) ||
        std::holds_alternative<command::Redo>(command)) {
      return std::visit(Applier(document, lastPoint), command);
    }
    model::Document::UndoGroup step(document, commandName(command));
    return std::visit(Applier(document, lastPoint), command);
  } catch (const InvalidInput& refused) {
    return refused.what();
  }
}

}  // namespace host::view
