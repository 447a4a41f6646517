#pragma once

#include <optional>
#include <string>
#include <vector>

#include "check/report_fields.h"
#include "check/report_unit.h"
#include "host/geom/frame.h"
#include "survey/code_tolerances.h"
#include "survey/comparison.h"
#include "survey/length_unit.h"
#include "survey/pairing.h"
#include "survey/point.h"
#include "survey/tolerance.h"

namespace check {

// Everything a check found, as the summary and the CSV report write it.
struct CheckReport {
  const survey::PointFile& design;
  const survey::PointFile& survey;
  const survey::Pairing& pairing;
  const survey::Comparison& comparison;
  const survey::Tolerances& tolerances;
  std::string matching;  // "by id", "by proximity within 0.5"
  std::string frame;     // "the world axes", "UCS 'SITE' of site.dxf"
  int decimals = 3;
  std::string numberFormat;  // the format `DP` for `decimals`, "###0.000"
  // What looks wrong about the check although it ran (see CheckRun::warnings).
  std::vector<std::string> warnings = {};
  // The codes with tolerances of their own, and those tolerances (see CheckRun).
  std::vector<survey::CodeTolerances> codeTolerances = {};
  // The unit of the point files' coordinates, and of the deviations as the check wrote them.
  survey::LengthUnit inputUnit = survey::LengthUnit::Metre;
  // Per pair, how far its repeated shots lie apart per component; empty for a single shot.
  std::vector<survey::ComponentValues> spreads = {};
  // The axes the deviations were measured along, which the plan is drawn in.
  host::geom::Frame axes = {};
  // What the PDF and the workbook add for sign-off: the job's fields, every pair listed and
  // not only those outside tolerance, deviations in another unit (deviation_scale.h).
  ReportFields fields = {};
  bool allPairs = false;
  std::optional<ReportUnit> reportUnit = {};
  std::optional<double> exaggeration = {};  // of the plan's vectors; none: chosen to suit them

  bool allWithinTolerance() const {
    return comparison.failed == 0 && pairing.unmatchedDesign.empty() &&
           pairing.unmatchedSurvey.empty();
  }
  // A number as the report writes it: a point as separator and `decimals` places.
  std::string number(double value) const;
};

}  // namespace check
