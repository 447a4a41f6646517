#include "check/alignment_run.h"

#include "check/alignment_design.h"
#include "check/design_description.h"
#include "numbers/number_format.h"
#include "survey/code_filter.h"
#include "survey/code_tolerances.h"

namespace check {

CheckReport AlignmentRun::report() const {
  return {design,          survey,   noPairs,      comparison, tolerances,     "by chainage",
          "the alignment", decimals, numberFormat, warnings,   codeTolerances, unit};
}

AlignmentRun checkAlongAlignment(const CheckRequest& request, const AlignmentOptions& options) {
  AlignmentRun run;
  run.alignment = readAlignmentDesign(request.design, options);
  run.design.name = request.design.string();
  run.described = alignmentNamed(run.alignment, options);
  run.section = options.section;
  // Shots are placed along the line, not paired by id: survey files without ids are welcome.
  CheckRequest shotsOnly = request;
  shotsOnly.matching = Matching::ByProximity;
  run.survey = readShots(shotsOnly, run.warnings);
  run.survey.points = survey::shotsWithCodes(run.survey.points, request.codes);
  run.shots = survey::alignShots(run.alignment, run.survey.points, options.section);
  for (const survey::AlignedShot& shot : run.shots) run.outside += shot.outside ? 1 : 0;
  const survey::TolerancesByCode tolerances(request.tolerances, request.codeTolerances,
                                            survey::alignmentComponents().size());
  run.comparison = survey::compare(
      survey::AlignedShots(run.shots, run.survey.points),
      [&](std::size_t shot) -> const survey::Tolerances& {
        return tolerances.forCodes({}, run.survey.points[run.shots[shot].shot].code);
      },
      request.decimals);
  run.tolerances = request.tolerances;
  run.codeTolerances = tolerances.byCode();
  run.decimals = request.decimals;
  run.numberFormat = numbers::numberFormatFor(request.decimals);
  run.unit = request.designUnit.value_or(survey::LengthUnit::Metre);
  if (!run.alignment.profile) {
    run.warnings.push_back(run.design.name +
                           " gives no design levels along the alignment: dz is left out");
  }
  return run;
}

}  // namespace check
