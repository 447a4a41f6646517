#include "check/check_command.h"

#include <optional>

#include "check/check_options.h"
#include "check/check_run.h"
#include "check/csv_report.h"
#include "check/drawing_frame.h"
#include "check/summary.h"

namespace check {
namespace {

constexpr int kDefaultDecimals = 3;

CheckRequest requestFor(const CheckOptions& options, const std::optional<DrawingFrame>& drawing) {
  CheckRequest request;
  request.design = options.design;
  request.survey = options.survey;
  request.designReading = options.reading;
  request.surveyReading = options.reading;
  request.matching = options.matching;
  request.radius = options.radius;
  request.idMatching = options.idMatching;
  request.tolerances = options.tolerances;
  if (drawing) {
    request.frame = drawing->frame;
    request.frameDescription = drawing->description;
  }
  request.decimals = options.decimals.value_or(drawing ? drawing->precision : kDefaultDecimals);
  return request;
}

int runCheck(const CheckOptions& options, const PdfReportWriter& writePdf,
             const VectorDrawingWriter& writeDxf, std::ostream& out) {
  std::optional<DrawingFrame> drawing;
  if (options.drawing) drawing = drawingFrame(*options.drawing, options.ucs);
  const CheckRun run = checkSurvey(requestFor(options, drawing));
  const CheckReport report = run.report();
  if (options.dxf) {
    writeDxf({*options.dxf, options.drawing, drawing ? drawing->frame : host::geom::Frame(),
              options.vectors},
             report);
  }
  if (options.pdf) writePdf(*options.pdf, report);
  if (options.csv) saveCsvReport(*options.csv, report);
  writeSummary(out, report);
  return report.allWithinTolerance() ? 0 : 1;
}

}  // namespace

int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const PdfReportWriter& writePdf, const VectorDrawingWriter& writeDxf) {
  constexpr int kBadInput = 2;
  try {
    const CheckOptions options = parseCheckOptions(arguments);
    if (options.help) {
      out << checkUsage();
      return 0;
    }
    if (options.pdf && !writePdf) throw std::runtime_error("this build cannot write PDF reports");
    if (options.dxf && !writeDxf) throw std::runtime_error("this build cannot draw into drawings");
    return runCheck(options, writePdf, writeDxf, out);
  } catch (const UsageError& e) {
    err << "kestova check: " << e.what() << "\nTry 'kestova check --help'.\n";
  } catch (const std::exception& e) {
    err << "kestova check: " << e.what() << '\n';
  }
  return kBadInput;
}

}  // namespace check
