#include "check/alignment_run.h"

#include "check/alignment_design.h"
#include "numbers/number_format.h"
#include "survey/code_filter.h"

namespace check {

CheckReport AlignmentRun::report() const {
  return {design,        survey,          noPairs,  comparison,   tolerances,
          "by chainage", "the alignment", decimals, numberFormat, warnings};
}

AlignmentRun checkAlongAlignment(const CheckRequest& request, const AlignmentOptions& options) {
  AlignmentRun run;
  run.alignment = readAlignmentDesign(request.design, options);
  run.design.name = request.design.string();
  run.described = options.layer ? "the polyline on layer '" + *options.layer + "'"
                                : "alignment '" + run.alignment.name + "'";
  run.section = options.section;
  // Shots are placed along the line, not paired by id: survey files without ids are welcome.
  CheckRequest shotsOnly = request;
  shotsOnly.matching = Matching::ByProximity;
  run.survey = readShots(shotsOnly, run.warnings);
  run.survey.points = survey::shotsWithCodes(run.survey.points, request.codes);
  run.shots = survey::alignShots(run.alignment, run.survey.points, options.section);
  for (const survey::AlignedShot& shot : run.shots) run.outside += shot.outside ? 1 : 0;
  run.comparison = survey::compare(survey::AlignedShots(run.shots, run.survey.points),
                                   request.tolerances, request.decimals);
  run.tolerances = request.tolerances;
  run.decimals = request.decimals;
  run.numberFormat = numbers::numberFormatFor(request.decimals);
  if (!run.alignment.profile) {
    run.warnings.push_back(run.design.name +
                           " gives no design levels along the alignment: dz is left out");
  }
  return run;
}

}  // namespace check
