#include "check/surface_run.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>
#include <fstream>
#include <future>
#include <stdexcept>

#include "check/check_run.h"
#include "check/drawing_surface.h"
#include "numbers/number_format.h"
#include "survey/joined_survey.h"
#include "survey/landxml_surface.h"
#include "survey/point_file_error.h"
#include "survey/surface_locator.h"
#include "survey/surface_triangulation.h"

namespace check {
namespace {

// The first bytes of a file, enough to tell XML from a point list.
std::string openingOf(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::string opening(4096, '\0');
  file.read(opening.data(), static_cast<std::streamsize>(opening.size()));
  opening.resize(static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0)));
  return opening;
}

void stopIfAsked(const std::stop_token& stop) {
  if (stop.stop_requested()) throw CheckCancelled();
}

// The shots of the survey files as one survey, in the design's unit, those the code filter
// keeps. Every shot of a surface check is read here.
survey::PointFile readShots(const SurfaceRequest& request, const std::stop_token& stop) {
  std::vector<survey::PointFile> files;
  files.push_back(survey::readPointFile(request.survey, request.surveyReading));
  for (const std::filesystem::path& path : request.moreSurveys) {
    stopIfAsked(stop);
    files.push_back(survey::readPointFile(path, request.surveyReading));
  }
  for (const survey::PointFile& file : files) {
    if (file.points.empty()) throw survey::PointFileError(file.name, 0, "holds no points");
  }
  survey::PointFile shots = survey::joinedSurvey(std::move(files));
  const double factor =
      survey::conversionFactor(request.surveyUnit.value_or(survey::LengthUnit::Metre),
                               request.designUnit.value_or(survey::LengthUnit::Metre));
  for (survey::Point& point : shots.points) {
    point.x *= factor;
    point.y *= factor;
    if (point.z) *point.z *= factor;
  }
  if (request.codes.empty()) return shots;
  std::erase_if(shots.points, [&](const survey::Point& point) {
    return !survey::codeKept(point.code, request.codes);
  });
  return shots;
}

// The levels of a survey or design given as points, as a surface through them.
survey::TinSurface surfaceThrough(const survey::PointFile& file, std::optional<double> maxEdge) {
  survey::TriangulationInput input{file.name, {}, {}, maxEdge};
  input.points.reserve(file.points.size());
  for (const survey::Point& point : file.points) {
    if (!point.z) {
      throw survey::PointFileError(survey::fileNameOf(file, point), point.line,
                                   "a point without a level");
    }
    input.points.push_back({point.x, point.y, *point.z});
  }
  return survey::triangulate(input);
}

}  // namespace

survey::TinSurface readDesignSurface(const SurfaceRequest& request) {
  std::string extension = request.design.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == ".dxf") return readDrawingSurface(request.design, request.surface);
  if (request.surface.layer || request.surface.breaklinesLayer) {
    throw std::runtime_error(std::string(request.surface.layer ? "--layer" : "--breaklines-layer") +
                             " takes a layer of a drawing (.dxf) as DESIGN, which " +
                             request.design.string() + " is not");
  }
  if (survey::looksLikeXml(openingOf(request.design))) {
    return survey::readLandXmlSurface(request.design, request.surface.name);
  }
  survey::PointFile points = survey::readPointFile(request.design, request.designReading);
  if (points.points.empty()) throw survey::PointFileError(points.name, 0, "holds no points");
  return surfaceThrough(points, request.surface.maxEdge);
}

std::size_t SurfaceRun::count(survey::ShotPlace place) const {
  return static_cast<std::size_t>(std::count(places.begin(), places.end(), place));
}

bool SurfaceRun::allWithinTolerance() const {
  return comparison.failed == 0 && count(survey::ShotPlace::Outside) == 0;
}

CheckReport SurfaceRun::report() const {
  return {designFile, survey,   noPairs,      comparison, tolerances,     "",
          "",         decimals, numberFormat, warnings,   codeTolerances, unit};
}

SurfaceRun checkSurface(const SurfaceRequest& request, std::stop_token stop) {
  SurfaceRun run;
  // The design and the shots are read at once, on two threads: on two cores the reading takes
  // the time of the longer file. A bad design is named first, as when they were read in turn.
  std::future<survey::TinSurface> design =
      std::async(std::launch::async, [&request] { return readDesignSurface(request); });
  std::exception_ptr badShots;
  try {
    run.survey = readShots(request, stop);
  } catch (...) {
    badShots = std::current_exception();
  }
  run.design = design.get();
  if (badShots) std::rethrow_exception(badShots);
  stopIfAsked(stop);
  // Half a unit of the last decimal: a shot on the surface's edge stays on it when its
  // coordinates were rounded to the decimals, or converted from another unit.
  const survey::SurfaceLocator locator(run.design, 0.5 * std::pow(10.0, -request.decimals));
  if (auto overlap = survey::overlapWarning(run.design, locator)) run.warnings.push_back(*overlap);
  const survey::SurfaceShots shots(locator, run.survey.points);
  const survey::TolerancesByCode tolerances(request.tolerances, request.codeTolerances,
                                            survey::surfaceComponents().size());
  run.comparison = survey::compare(
      shots,
      [&](std::size_t shot) -> const survey::Tolerances& {
        return tolerances.forCodes({}, run.survey.points[shot].code);
      },
      request.decimals);
  for (std::size_t i = 0; i < shots.shotCount(); ++i) {
    run.places.push_back(shots.placeOf(i));
    run.designZ.push_back(shots.designZ(i));
  }
  if (const std::size_t levelless = run.count(survey::ShotPlace::NoHeight); levelless > 0) {
    run.warnings.push_back(std::to_string(levelless) + " shots of " + run.survey.name +
                           " have no level and are not compared");
  }
  stopIfAsked(stop);
  if (request.surface.volumes || request.surface.grid) {
    try {
      run.volumes = survey::volumesBetween(surfaceThrough(run.survey, std::nullopt), run.design,
                                           locator, request.surface.grid);
    } catch (const std::invalid_argument& e) {
      throw std::runtime_error(std::string("--grid: ") + e.what());
    }
  }
  run.tolerances = request.tolerances;
  run.codeTolerances = tolerances.byCode();
  run.decimals = request.decimals;
  run.numberFormat = numbers::numberFormatFor(request.decimals);
  run.unit = request.designUnit.value_or(survey::LengthUnit::Metre);
  run.designFile.name = run.design.name;
  return run;
}

}  // namespace check
