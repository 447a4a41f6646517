#include "check/check_run.h"

#include "numbers/number_format.h"
#include "survey/point_file_error.h"

namespace check {
namespace {

survey::PointFile readPoints(const std::filesystem::path& path,
                             const survey::ReadOptions& options) {
  survey::PointFile file = survey::readPointFile(path, options);
  if (file.points.empty()) throw survey::PointFileError(file.name, 0, "holds no points");
  return file;
}

std::string matchingText(const CheckRequest& request) {
  if (request.matching == Matching::ById) return "by id";
  return "by proximity within " + numbers::storedForm(request.radius, ".");
}

void stopIfAsked(const std::stop_token& stop) {
  if (stop.stop_requested()) throw CheckCancelled();
}

}  // namespace

CheckReport CheckRun::report() const {
  return {design, survey, pairing, comparison, tolerances, matching, frame, decimals, numberFormat};
}

CheckRun checkSurvey(const CheckRequest& request, std::stop_token stop) {
  CheckRun run;
  run.design = readPoints(request.design, request.designReading);
  stopIfAsked(stop);
  run.survey = readPoints(request.survey, request.surveyReading);
  stopIfAsked(stop);
  run.pairing = request.matching == Matching::ById
                    ? survey::matchById(run.design, run.survey, request.idMatching)
                    : survey::matchByProximity(run.design, run.survey, request.radius);
  stopIfAsked(stop);
  run.comparison = survey::compare(run.pairing, run.design.points, request.frame,
                                   request.tolerances, request.decimals);
  run.tolerances = request.tolerances;
  run.matching = matchingText(request);
  run.frame = request.frameDescription;
  run.decimals = request.decimals;
  run.numberFormat = numbers::numberFormatFor(request.decimals);
  return run;
}

}  // namespace check
