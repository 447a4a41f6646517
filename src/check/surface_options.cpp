#include "check/surface_options.h"

#include "check/check_options.h"
#include "numbers/number_text.h"
#include "survey/coordinate_text.h"
#include "survey/point.h"

namespace check {
namespace {

double positiveLength(const std::string& name, const std::string& value) {
  const std::optional<double> length = numbers::numberIn(value, false);
  if (!length || !(*length > 0.0) || *length > survey::kCoordinateLimit) {
    throw UsageError(name + " takes a length greater than 0, not " + survey::inQuotes(value));
  }
  return *length;
}

}  // namespace

bool isSurfaceOption(const std::string& name) {
  return name == "--surface" || name == "--max-edge" || name == "--breaklines-layer" ||
         name == "--layer" || name == "--grid";
}

void applySurfaceOption(SurfaceOptions& options, const std::string& name,
                        const std::string& value) {
  if (name == "--surface") {
    options.name = value;
  } else if (name == "--max-edge") {
    options.maxEdge = positiveLength(name, value);
  } else if (name == "--breaklines-layer") {
    options.breaklinesLayer = value;
  } else if (name == "--layer") {
    options.layer = value;
  } else if (name == "--grid") {
    options.grid = positiveLength(name, value);
  }
}

std::string firstSurfaceOptionGiven(const SurfaceOptions& options) {
  if (options.name) return "--surface";
  if (options.maxEdge) return "--max-edge";
  if (options.breaklinesLayer) return "--breaklines-layer";
  if (options.layer) return "--layer";
  if (options.volumes) return "--volumes";
  if (options.grid) return "--grid";
  return {};
}

}  // namespace check
