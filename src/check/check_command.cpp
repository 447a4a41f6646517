#include "check/check_command.h"

#include <optional>

#include "check/check_options.h"
#include "check/csv_report.h"
#include "check/drawing_frame.h"
#include "check/summary.h"
#include "form/number_format.h"
#include "survey/comparison.h"
#include "survey/point_file.h"
#include "survey/point_file_error.h"

namespace check {
namespace {

constexpr int kDefaultDecimals = 3;

survey::PointFile readPoints(const std::filesystem::path& path,
                             const survey::ReadOptions& options) {
  survey::PointFile file = survey::readPointFile(path, options);
  if (file.points.empty()) throw survey::PointFileError(file.name, 0, "holds no points");
  return file;
}

std::string matchingText(const CheckOptions& options) {
  if (options.matching == Matching::ById) return "by id";
  return "by proximity within " + form::storedForm(options.radius, ".");
}

int runCheck(const CheckOptions& options, const PdfReportWriter& writePdf, std::ostream& out) {
  std::optional<DrawingFrame> drawing;
  if (options.drawing) drawing = drawingFrame(*options.drawing, options.ucs);
  const int decimals = options.decimals.value_or(drawing ? drawing->precision : kDefaultDecimals);

  const survey::PointFile design = readPoints(options.design, options.reading);
  const survey::PointFile surveyed = readPoints(options.survey, options.reading);
  const survey::Pairing pairing = options.matching == Matching::ById
                                      ? survey::matchById(design, surveyed, options.idMatching)
                                      : survey::matchByProximity(design, surveyed, options.radius);
  const survey::Frame frame = drawing ? drawing->frame : survey::Frame();
  const survey::Comparison comparison =
      survey::compare(pairing, design.points, frame, options.tolerances, decimals);

  const CheckReport report{design,
                           surveyed,
                           pairing,
                           comparison,
                           options.tolerances,
                           matchingText(options),
                           drawing ? drawing->description : "the world axes",
                           decimals,
                           form::numberFormatFor(decimals)};
  if (options.pdf) writePdf(*options.pdf, report);
  if (options.csv) saveCsvReport(*options.csv, report);
  writeSummary(out, report);
  return report.allWithinTolerance() ? 0 : 1;
}

}  // namespace

int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const PdfReportWriter& writePdf) {
  constexpr int kBadInput = 2;
  try {
    const CheckOptions options = parseCheckOptions(arguments);
    if (options.help) {
      out << checkUsage();
      return 0;
    }
    if (options.pdf && !writePdf) throw std::runtime_error("this build cannot write PDF reports");
    return runCheck(options, writePdf, out);
  } catch (const UsageError& e) {
    err << "kestova check: " << e.what() << "\nTry 'kestova check --help'.\n";
  } catch (const std::exception& e) {
    err << "kestova check: " << e.what() << '\n';
  }
  return kBadInput;
}

}  // namespace check
