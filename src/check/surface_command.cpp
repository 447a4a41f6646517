#include "check/surface_command.h"

#include "check/drawing_frame.h"
#include "check/staged_outputs.h"
#include "check/surface_csv.h"
#include "check/surface_run.h"
#include "check/surface_summary.h"
#include "check/surface_xlsx.h"

namespace check {
namespace {

constexpr int kDefaultDecimals = 3;

SurfaceRequest surfaceRequestFor(const CheckOptions& options,
                                 const std::optional<DrawingFrame>& drawing) {
  SurfaceRequest request;
  request.design = options.design;
  request.survey = options.survey;
  request.moreSurveys = options.moreSurveys;
  request.designReading = options.designReading;
  request.surveyReading = options.surveyReading;
  request.designUnit = options.designUnit;
  request.surveyUnit = options.surveyUnit;
  request.codes = options.codes;
  request.surface = options.surface;
  request.tolerances = options.tolerances;
  request.codeTolerances = options.codeTolerances;
  request.decimals = options.decimals.value_or(drawing ? drawing->precision : kDefaultDecimals);
  return request;
}

}  // namespace

int runSurfaceCheck(const CheckOptions& options, const SurfaceWriters& writers, std::ostream& out,
                    std::ostream& err) {
  if (options.designCrs) {
    throw UsageError(
        "--design-crs and --survey-crs transform a survey checked against points; "
        "give the survey in the surface's coordinates");
  }
  if (options.dxf && !writers.dxf) throw std::runtime_error("this build cannot draw into drawings");
  if (options.pdf && !writers.pdf) throw std::runtime_error("this build cannot write PDF reports");
  // Said rather than refused: a script may give every kind of check the same report options,
  // and this one only changes how a plan is drawn.
  if (options.report.exaggeration) {
    err << "kestova check: warning: --exaggeration is not used with --against surface: the plan "
           "colours each shot by its dz\n";
  }
  std::optional<DrawingFrame> drawing;
  if (options.drawing) {
    drawing = drawingFrame(*options.drawing, options.ucs);
    for (const std::string& warning : drawing->warnings) {
      err << "kestova check: warning: " << options.drawing->string() << ": " << warning << '\n';
    }
  }
  const SurfaceRun run = checkSurface(surfaceRequestFor(options, drawing));
  for (const std::string& warning : run.warnings) {
    err << "kestova check: warning: " << warning << '\n';
  }
  StagedOutputs outputs;
  std::vector<std::string> leftOut;
  if (options.dxf) {
    outputs.write(*options.dxf, [&](const std::filesystem::path& path) {
      leftOut = writers.dxf({path, options.drawing, host::geom::Frame(), options.vectors}, run);
    });
  }
  CheckReport report = run.report();
  report.fields = options.report.fields;
  report.allPairs = options.report.allPairs;
  report.reportUnit = options.report.unit;
  if (options.pdf) {
    outputs.write(*options.pdf,
                  [&](const std::filesystem::path& path) { writers.pdf(path, run, report); });
  }
  if (options.csv) {
    outputs.write(*options.csv,
                  [&](const std::filesystem::path& path) { saveSurfaceCsv(path, run); });
  }
  if (options.xlsx) {
    outputs.write(*options.xlsx,
                  [&](const std::filesystem::path& path) { writeSurfaceXlsx(path, run, report); });
  }
  outputs.commit();
  writeSurfaceSummary(out, run);
  for (const std::string& item : leftOut) {
    out << "Left out of " << options.dxf->string() << ": " << item << '\n';
  }
  return run.allWithinTolerance() ? 0 : 1;
}

}  // namespace check
