#pragma once

#include <string>

#include "check/check_report.h"
#include "survey/comparison.h"
#include "survey/design_points.h"
#include "survey/pairing.h"
#include "survey/point.h"
#include "survey/tolerance.h"

namespace fixtures {

// Design and survey points given as the text of their files, checked by id along the world
// axes (or along `axes`, a UCS) as `kestova check` checks them.
class CheckedSurvey {
 public:
  CheckedSurvey(const std::string& design, const std::string& survey, const std::string& tolerances,
                int decimals = 3, const host::geom::Frame& axes = {});
  CheckedSurvey(const CheckedSurvey&) = delete;
  CheckedSurvey& operator=(const CheckedSurvey&) = delete;

  const check::CheckReport& report() const { return report_; }

 private:
  survey::PointFile design_;
  survey::PointFile survey_;
  survey::Pairing pairing_;
  host::geom::Frame frame_;
  survey::Tolerances tolerances_;
  survey::Comparison comparison_;
  check::CheckReport report_;
};

}  // namespace fixtures
