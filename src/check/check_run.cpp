#include "check/check_run.h"

#include <algorithm>

#include "numbers/number_format.h"
#include "survey/coordinate_transform.h"
#include "survey/design_points.h"
#include "survey/plausibility.h"
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

// Latitude and longitude cannot be compared with a grid without knowing both systems.
void requireSystemFor(const survey::PointFile& file, const std::optional<std::string>& crs,
                      const char* option) {
  if (!file.geographic || crs) return;
  throw survey::PointFileError(file.name, 0,
                               std::string("gives latitude and longitude: name its coordinate "
                                           "system with ") +
                                   option +
                                   " (such as EPSG:4979, WGS 84 with ellipsoidal "
                                   "heights) and the design's with --design-crs");
}

// The survey in the design's coordinate system; what cannot be said of heights is a warning.
void transformSurvey(const CheckRequest& request, survey::PointFile& surveyed,
                     std::vector<std::string>& warnings) {
  try {
    const survey::CoordinateTransform transform(*request.surveyCrs, *request.designCrs);
    transform.apply(surveyed.points);
    if (!transform.heightsLeftOut().empty()) warnings.push_back(transform.heightsLeftOut());
  } catch (const std::invalid_argument& e) {
    throw survey::PointFileError(surveyed.name, 0, e.what());
  }
}

// The survey in the design's units; a file whose unit is not given is in metres.
void convertUnits(const CheckRequest& request, survey::PointFile& surveyed) {
  const double factor =
      survey::conversionFactor(request.surveyUnit.value_or(survey::LengthUnit::Metre),
                               request.designUnit.value_or(survey::LengthUnit::Metre));
  if (factor == 1.0) return;
  for (survey::Point& point : surveyed.points) {
    point.x *= factor;
    point.y *= factor;
    if (point.z) *point.z *= factor;
  }
}

// The widest bound of any component's tolerance, 0 when none is tested.
double largestTolerance(const survey::Tolerances& tolerances, std::size_t components) {
  double largest = 0.0;
  for (std::size_t k = 0; k < components; ++k) {
    if (const std::optional<survey::Tolerance> tolerance = tolerances[k]) {
      largest = std::max({largest, -tolerance->lower, tolerance->upper});
    }
  }
  return largest;
}

void stopIfAsked(const std::stop_token& stop) {
  if (stop.stop_requested()) throw CheckCancelled();
}

}  // namespace

CheckReport CheckRun::report() const {
  return {design,   survey, pairing,  comparison,   tolerances,
          matching, frame,  decimals, numberFormat, warnings};
}

survey::PointFile readShots(const CheckRequest& request, std::vector<std::string>& warnings) {
  survey::PointFile shots = readPoints(request.survey, request.surveyReading);
  requireSystemFor(shots, request.surveyCrs, "--survey-crs");
  if (request.surveyCrs) {
    transformSurvey(request, shots, warnings);
  } else {
    convertUnits(request, shots);
  }
  return shots;
}

CheckRun checkSurvey(const CheckRequest& request, std::stop_token stop) {
  CheckRun run;
  run.design = readPoints(request.design, request.designReading);
  stopIfAsked(stop);
  std::vector<std::string> transformWarnings;
  run.survey = readShots(request, transformWarnings);
  requireSystemFor(run.design, request.designCrs, "--design-crs");
  stopIfAsked(stop);
  run.pairing =
      request.matching == Matching::ById
          ? survey::matchById(run.design, run.survey, request.idMatching)
          : survey::matchByProximity(run.design, run.survey, request.radius, request.idMatching);
  run.pairing = survey::filteredByCode(run.pairing, run.design.points, request.codes);
  stopIfAsked(stop);
  run.comparison =
      survey::compare(survey::DesignPoints(run.pairing, run.design.points, request.frame),
                      request.tolerances, request.decimals);
  run.tolerances = request.tolerances;
  run.matching = matchingText(request);
  run.frame = request.frameDescription;
  run.decimals = request.decimals;
  run.numberFormat = numbers::numberFormatFor(request.decimals);
  run.warnings = std::move(transformWarnings);
  const std::vector<std::string> plausibility = survey::plausibilityWarnings(
      run.design.points, run.survey.points, run.pairing,
      largestTolerance(request.tolerances, survey::pointComponents().size()));
  run.warnings.insert(run.warnings.end(), plausibility.begin(), plausibility.end());
  return run;
}

}  // namespace check
