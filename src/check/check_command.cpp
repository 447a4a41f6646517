#include "check/check_command.h"

#include <optional>
#include <string>
#include <vector>

#include "check/alignment_command.h"
#include "check/check_options.h"
#include "check/check_run.h"
#include "check/csv_report.h"
#include "check/drawing_frame.h"
#include "check/preset_folder.h"
#include "check/staged_outputs.h"
#include "check/summary.h"
#include "check/surface_command.h"
#include "check/xlsx_report.h"

namespace check {
namespace {

constexpr int kDefaultDecimals = 3;

CheckRequest requestFor(const CheckOptions& options, const std::optional<DrawingFrame>& drawing) {
  CheckRequest request;
  request.design = options.design;
  request.survey = options.survey;
  request.moreSurveys = options.moreSurveys;
  request.designReading = options.designReading;
  request.surveyReading = options.surveyReading;
  // A survey unit given alone is converted to the unit the design drawing's $INSUNITS names;
  // without one, files are taken to be in the same unit, and nothing is converted.
  request.designUnit = options.designUnit;
  if (!request.designUnit && options.surveyUnit && drawing) request.designUnit = drawing->unit;
  request.surveyUnit = options.surveyUnit;
  request.designCrs = options.designCrs;
  request.codes = options.codes;
  request.surveyCrs = options.surveyCrs;
  request.matching = options.matching;
  request.radius = options.radius;
  request.idMatching = options.idMatching;
  request.tolerances = options.tolerances;
  request.codeTolerances = options.codeTolerances;
  if (drawing) {
    request.frame = drawing->frame;
    request.frameDescription = drawing->description;
  }
  request.decimals = options.decimals.value_or(drawing ? drawing->precision : kDefaultDecimals);
  return request;
}

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

int runCheck(const CheckOptions& options, const PdfReportWriter& writePdf,
             const VectorDrawingWriter& writeDxf, const AlignmentDrawingWriter& writeAlignmentDxf,
             const AlignmentPdfWriter& writeAlignmentPdf, std::ostream& out, std::ostream& err) {
  std::optional<DrawingFrame> drawing;
  if (options.drawing) {
    drawing = drawingFrame(*options.drawing, options.ucs);
    for (const std::string& warning : drawing->warnings) {
      err << "kestova check: warning: " << options.drawing->string() << ": " << warning << '\n';
    }
  }
  if (options.against == Against::Alignment) {
    return runAlignmentCheck(options, requestFor(options, drawing), writeAlignmentDxf,
                             writeAlignmentPdf, out, err);
  }
  const CheckRun run = checkSurvey(requestFor(options, drawing));
  CheckReport report = run.report();
  report.fields = options.report.fields;
  report.allPairs = options.report.allPairs;
  report.reportUnit = options.report.unit;
  report.exaggeration = options.report.exaggeration;
  for (const std::string& warning : run.warnings) {
    err << "kestova check: warning: " << warning << '\n';
  }
  StagedOutputs outputs;
  std::string leftOut;
  if (options.dxf) {
    outputs.write(*options.dxf, [&](const std::filesystem::path& path) {
      leftOut =
          joined(writeDxf({path, options.drawing, drawing ? drawing->frame : host::geom::Frame(),
                           options.vectors, !options.textHeightGiven},
                          report));
    });
  }
  // Worded as the drawing window asks before such a save; here there is no one to ask.
  if (!leftOut.empty()) {
    err << "kestova check: warning: a drawing file cannot hold everything in "
        << options.drawing.value_or("the drawing").string() << ": " << options.dxf->string()
        << " is saved without " << leftOut << '\n';
  }
  if (options.pdf) {
    outputs.write(*options.pdf, [&](const std::filesystem::path& path) { writePdf(path, report); });
  }
  if (options.csv) {
    outputs.write(*options.csv,
                  [&](const std::filesystem::path& path) { saveCsvReport(path, report); });
  }
  if (options.xlsx) {
    outputs.write(*options.xlsx,
                  [&](const std::filesystem::path& path) { writeXlsxReport(path, report); });
  }
  outputs.commit();
  writeSummary(out, report);
  if (!leftOut.empty()) out << "Left out of " << options.dxf->string() << ": " << leftOut << '\n';
  return report.allWithinTolerance() ? 0 : 1;
}

}  // namespace

int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const PdfReportWriter& writePdf, const VectorDrawingWriter& writeDxf,
                    const SurfaceDrawingWriter& writeSurfaceDxf,
                    const AlignmentDrawingWriter& writeAlignmentDxf,
                    const SurfacePdfWriter& writeSurfacePdf,
                    const AlignmentPdfWriter& writeAlignmentPdf) {
  constexpr int kBadInput = 2;
  try {
    const CheckOptions options = parseCheckOptions(withPreset(arguments));
    if (options.help) {
      out << checkUsage();
      return 0;
    }
    if (options.pdf && !writePdf) throw std::runtime_error("this build cannot write PDF reports");
    if (options.dxf && !writeDxf) throw std::runtime_error("this build cannot draw into drawings");
    if (options.against == Against::Surface) {
      return runSurfaceCheck(options, {writeSurfaceDxf, writeSurfacePdf}, out, err);
    }
    return runCheck(options, writePdf, writeDxf, writeAlignmentDxf, writeAlignmentPdf, out, err);
  } catch (const UsageError& e) {
    err << "kestova check: " << e.what() << "\nTry 'kestova check --help'.\n";
  } catch (const std::exception& e) {
    err << "kestova check: " << e.what() << '\n';
  }
  return kBadInput;
}

}  // namespace check
