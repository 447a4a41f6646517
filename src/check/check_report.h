#pragma once

#include <string>
#include <vector>

#include "survey/code_tolerances.h"
#include "survey/comparison.h"
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

  bool allWithinTolerance() const {
    return comparison.failed == 0 && pairing.unmatchedDesign.empty() &&
           pairing.unmatchedSurvey.empty();
  }
  // A number as the report writes it: a point as separator and `decimals` places.
  std::string number(double value) const;
};

}  // namespace check
