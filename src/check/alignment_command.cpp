#include "check/alignment_command.h"

#include "check/alignment_outputs.h"
#include "check/alignment_run.h"
#include "check/staged_outputs.h"

namespace check {

int runAlignmentCheck(const CheckOptions& options, const CheckRequest& request, std::ostream& out,
                      std::ostream& err) {
  if (options.pdf || options.dxf) {
    throw UsageError(std::string(options.pdf ? "--pdf" : "--dxf") +
                     " is not written for a check along an alignment yet; use --csv");
  }
  const AlignmentRun run = checkAlongAlignment(request, options.alignment);
  for (const std::string& warning : run.warnings) {
    err << "kestova check: warning: " << warning << '\n';
  }
  StagedOutputs outputs;
  if (options.csv) {
    outputs.write(*options.csv,
                  [&](const std::filesystem::path& path) { saveAlignmentCsv(path, run); });
  }
  outputs.commit();
  writeAlignmentSummary(out, run);
  return run.allWithinTolerance() ? 0 : 1;
}

}  // namespace check
