#include "check/surface_command.h"

#include "check/staged_outputs.h"
#include "check/surface_csv.h"
#include "check/surface_run.h"
#include "check/surface_summary.h"

namespace check {
namespace {

constexpr int kDefaultDecimals = 3;

SurfaceRequest surfaceRequestFor(const CheckOptions& options) {
  SurfaceRequest request;
  request.design = options.design;
  request.survey = options.survey;
  request.designReading = options.designReading;
  request.surveyReading = options.surveyReading;
  request.designUnit = options.designUnit;
  request.surveyUnit = options.surveyUnit;
  request.codes = options.codes;
  request.surface = options.surface;
  request.tolerances = options.tolerances;
  request.decimals = options.decimals.value_or(kDefaultDecimals);
  return request;
}

}  // namespace

int runSurfaceCheck(const CheckOptions& options, std::ostream& out, std::ostream& err) {
  const SurfaceRun run = checkSurface(surfaceRequestFor(options));
  for (const std::string& warning : run.warnings) {
    err << "kestova check: warning: " << warning << '\n';
  }
  StagedOutputs outputs;
  if (options.csv) {
    outputs.write(*options.csv,
                  [&](const std::filesystem::path& path) { saveSurfaceCsv(path, run); });
  }
  outputs.commit();
  writeSurfaceSummary(out, run);
  return run.allWithinTolerance() ? 0 : 1;
}

}  // namespace check
