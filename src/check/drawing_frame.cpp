#include "check/drawing_frame.h"

#include <stdexcept>

#include "host/dxf/dxf_error.h"
#include "host/dxf/reader.h"
#include "survey/measuring_frame.h"

namespace check {
namespace {

// The drawing units codes of $INSUNITS that are survey lengths.
std::optional<survey::LengthUnit> unitOf(int insunits) {
  switch (insunits) {
    case 2:
      return survey::LengthUnit::Foot;
    case 6:
      return survey::LengthUnit::Metre;
    case 21:
      return survey::LengthUnit::UsSurveyFoot;
    default:
      return std::nullopt;
  }
}

std::string namesOf(const host::model::UcsTable& table) {
  if (table.size() == 0) return "none";
  std::string names;
  for (const host::model::Ucs& ucs : table.all()) {
    if (!names.empty()) names += ", ";
    names += ucs.name;
  }
  return names;
}

// The drawing's reader names the file and line in its own errors; anything else it throws is
// given the file's name here.
std::unique_ptr<host::model::Document> readDrawing(const std::filesystem::path& drawing) {
  try {
    return host::dxf::readDxf(drawing);
  } catch (const host::dxf::DxfError&) {
    throw;
  } catch (const std::exception& e) {
    throw std::runtime_error(drawing.string() + ": " + e.what());
  }
}

}  // namespace

DrawingFrame drawingFrame(const std::filesystem::path& drawing,
                          const std::optional<std::string>& ucsName) {
  const std::string file = drawing.string();
  const std::unique_ptr<host::model::Document> document = readDrawing(drawing);
  const host::model::Ucs* ucs = &document->currentUcs();
  std::string description =
      ucs->name.empty() ? "the current UCS of " + file : "UCS '" + ucs->name + "' of " + file;
  if (ucsName) {
    const std::optional<std::size_t> index = document->ucsTable().find(*ucsName);
    if (!index) {
      throw std::runtime_error(file + " has no UCS named '" + *ucsName +
                               "' (its named UCSs: " + namesOf(document->ucsTable()) + ")");
    }
    ucs = &document->ucsTable()[*index];
    description = "UCS '" + ucs->name + "' of " + file;
  }
  const host::geom::Frame& frame = ucs->frame;
  try {
    return {survey::measuringFrame(frame.origin(), frame.xAxis(), frame.yAxis()),
            document->header().luprec, description, host::dxf::readingWarnings(*document),
            unitOf(document->header().insunits)};
  } catch (const std::invalid_argument& e) {
    throw std::runtime_error(file + ": " + description + ": " + e.what());
  }
}

}  // namespace check
