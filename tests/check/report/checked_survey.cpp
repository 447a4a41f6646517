#include "checked_survey.h"

#include "numbers/number_format.h"
#include "survey/point_file.h"

namespace fixtures {

CheckedSurvey::CheckedSurvey(const std::string& design, const std::string& survey,
                             const std::string& tolerances, int decimals,
                             const host::geom::Frame& axes)
    : design_(survey::parsePoints(design, "design.csv", {})),
      survey_(survey::parsePoints(survey, "survey.csv", {})),
      pairing_(survey::matchById(design_, survey_, {})),
      frame_(axes),
      tolerances_(survey::parseTolerances(tolerances, survey::pointComponents())),
      comparison_(survey::compare(survey::DesignPoints(pairing_, design_.points, frame_),
                                  tolerances_, decimals)),
      report_{design_,          survey_,     pairing_,
              comparison_,      tolerances_, "by id",
              "the world axes", decimals,    numbers::numberFormatFor(decimals)} {
  report_.axes = frame_;
}

}  // namespace fixtures
