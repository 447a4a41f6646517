#include "check/alignment_command.h"

#include "check/alignment_outputs.h"
#include "check/alignment_run.h"
#include "check/staged_outputs.h"

namespace check {

int runAlignmentCheck(const CheckOptions& options, const CheckRequest& request,
                      const AlignmentDrawingWriter& writeDxf, std::ostream& out,
                      std::ostream& err) {
  if (options.pdf) {
    throw UsageError("--pdf is not written for a check along an alignment yet; use --csv");
  }
  if (options.dxf && !writeDxf) throw std::runtime_error("this build cannot draw into drawings");
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
  if (options.csv) {
    outputs.write(*options.csv,
                  [&](const std::filesystem::path& path) { saveAlignmentCsv(path, run); });
  }
  outputs.commit();
  writeAlignmentSummary(out, run);
  if (!leftOut.empty()) out << "Left out of " << options.dxf->string() << ": " << leftOut << '\n';
  return run.allWithinTolerance() ? 0 : 1;
}

}  // namespace check
