#include "check/alignment_command.h"

#include "check/alignment_outputs.h"
#include "check/alignment_run.h"
#include "check/alignment_xlsx.h"
#include "check/staged_outputs.h"

namespace check {

int runAlignmentCheck(const CheckOptions& options, const CheckRequest& request,
                      const AlignmentDrawingWriter& writeDxf, const AlignmentPdfWriter& writePdf,
                      std::ostream& out, std::ostream& err) {
  if (options.dxf && !writeDxf) throw std::runtime_error("this build cannot draw into drawings");
  if (options.pdf && !writePdf) throw std::runtime_error("this build cannot write PDF reports");
  const AlignmentRun run = checkAlongAlignment(request, options.alignment);
  for (const std::string& warning : run.warnings) {
    err << "kestova check: warning: " << warning << '\n';
  }
  StagedOutputs outputs;
  std::string leftOut;
  if (options.dxf) {
    outputs.write(*options.dxf, [&](const std::filesystem::path& path) {
      for (const std::string& item :
           writeDxf({path, options.drawing, host::geom::Frame(), options.vectors}, run)) {
        leftOut += (leftOut.empty() ? "" : ", ") + item;
      }
    });
  }
  CheckReport report = run.report();
  report.fields = options.report.fields;
  report.allPairs = options.report.allPairs;
  report.reportUnit = options.report.unit;
  report.exaggeration = options.report.exaggeration;
  if (options.pdf) {
    outputs.write(*options.pdf,
                  [&](const std::filesystem::path& path) { writePdf(path, run, report); });
  }
  if (options.csv) {
    outputs.write(*options.csv,
                  [&](const std::filesystem::path& path) { saveAlignmentCsv(path, run); });
  }
  if (options.xlsx) {
    outputs.write(*options.xlsx, [&](const std::filesystem::path& path) {
      writeAlignmentXlsx(path, run, report);
    });
  }
  outputs.commit();
  writeAlignmentSummary(out, run);
  if (!leftOut.empty()) out << "Left out of " << options.dxf->string() << ": " << leftOut << '\n';
  return run.allWithinTolerance() ? 0 : 1;
}

}  // namespace check
