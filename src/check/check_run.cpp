#include "check/check_run.h"

#include <algorithm>

#include "check/shot_spread.h"
#include "numbers/number_format.h"
#include "survey/coordinate_transform.h"
#include "survey/design_points.h"
#include "survey/joined_survey.h"
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

// Every survey file as one survey. Pairing by id needs the ids of each file.
survey::PointFile readSurvey(const CheckRequest& request, const std::stop_token& stop) {
  std::vector<survey::PointFile> files;
  files.push_back(readPoints(request.survey, request.surveyReading));
  for (const std::filesystem::path& path : request.moreSurveys) {
    stopIfAsked(stop);
    files.push_back(readPoints(path, request.surveyReading));
  }
  for (const survey::PointFile& file : files) {
    if (request.matching == Matching::ById && !file.named && files.size() > 1) {
      throw survey::PointFileError(file.name, 0, "has no point ids to pair by (no column P)");
    }
  }
  return survey::joinedSurvey(std::move(files));
}

}  // namespace

CheckReport CheckRun::report() const {
  return {design,   survey,       pairing,  comparison,     tolerances, matching, frame,
          decimals, numberFormat, warnings, codeTolerances, unit,       spreads,  axes};
}

survey::PointFile readShots(const CheckRequest& request, std::vector<std::string>& warnings,
                            std::stop_token stop) {
  survey::PointFile shots = readSurvey(request, stop);
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
  run.survey = readShots(request, transformWarnings, stop);
  requireSystemFor(run.design, request.designCrs, "--design-crs");
  stopIfAsked(stop);
  run.pairing =
      request.matching == Matching::ById
          ? survey::matchById(run.design, run.survey, request.idMatching)
          : survey::matchByProximity(run.design, run.survey, request.radius, request.idMatching);
  run.pairing = survey::filteredByCode(run.pairing, run.design.points, request.codes);
  stopIfAsked(stop);
  const survey::TolerancesByCode tolerances(request.tolerances, request.codeTolerances,
                                            survey::pointComponents().size());
  const auto tolerancesOf = [&](std::size_t shot) -> const survey::Tolerances& {
    const survey::Pair& pair = run.pairing.pairs[shot];
    return tolerances.forCodes(run.design.points[pair.design].code, pair.survey.point.code);
  };
  run.comparison =
      survey::compare(survey::DesignPoints(run.pairing, run.design.points, request.frame),
                      tolerancesOf, request.decimals);
  run.spreads = shotSpreads(run.pairing, run.design, run.survey, request.frame);
  run.tolerances = request.tolerances;
  run.codeTolerances = tolerances.byCode();
  run.matching = matchingText(request);
  run.frame = request.frameDescription;
  run.axes = request.frame;
  run.decimals = request.decimals;
  run.numberFormat = numbers::numberFormatFor(request.decimals);
  run.unit = request.designUnit.value_or(survey::LengthUnit::Metre);
  run.warnings = std::move(transformWarnings);
  const std::vector<std::string> plausibility = survey::plausibilityWarnings(
      run.design.points, run.survey.points, run.pairing,
      largestTolerance(request.tolerances, survey::pointComponents().size()));
  run.warnings.insert(run.warnings.end(), plausibility.begin(), plausibility.end());
  return run;
}

}  // namespace check
