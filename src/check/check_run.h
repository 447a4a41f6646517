#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <vector>

#include "check/check_report.h"
#include "host/geom/frame.h"
#include "survey/code_filter.h"
#include "survey/code_tolerances.h"
#include "survey/comparison.h"
#include "survey/length_unit.h"
#include "survey/pairing.h"
#include "survey/point.h"
#include "survey/point_file.h"
#include "survey/tolerance.h"

// One check of a survey against its design, as `kestova check` and the check window run it.
namespace check {

enum class Matching { ById, ByProximity };

// Everything a check needs, already read and validated from a command line or a window.
struct CheckRequest {
  std::filesystem::path design;
  std::filesystem::path survey;
  // Further survey files, checked together with the first as one survey.
  std::vector<std::filesystem::path> moreSurveys;
  survey::ReadOptions designReading;
  survey::ReadOptions surveyReading;
  // The units of each file's coordinates, metres where not given: the survey is converted to
  // the design's.
  std::optional<survey::LengthUnit> designUnit;
  std::optional<survey::LengthUnit> surveyUnit;
  // The coordinate systems of both files, or neither: the survey is transformed to the
  // design's, and units are then the systems' own.
  std::optional<std::string> designCrs;
  std::optional<std::string> surveyCrs;
  // Only the pairs and points of some codes, or all but some.
  survey::CodeFilter codes;
  Matching matching = Matching::ById;
  double radius = 0.0;  // for ByProximity
  survey::IdMatching idMatching;
  survey::Tolerances tolerances;
  // Tolerances of their own for the pairs of some codes, for the components each gives.
  std::vector<survey::CodeTolerances> codeTolerances;
  // The axes deviations are measured along, and how reports name them.
  host::geom::Frame frame;
  std::string frameDescription = "the world axes";
  int decimals = 3;
};

// What a check found. CheckReport refers into it, so it stays where it was made.
struct CheckRun {
  survey::PointFile design;
  survey::PointFile survey;  // all survey files as one (survey::joinedSurvey)
  survey::Pairing pairing;
  survey::Comparison comparison;
  survey::Tolerances tolerances;
  // The tolerances of the codes that have their own, the general ones filled in.
  std::vector<survey::CodeTolerances> codeTolerances;
  std::string matching;  // "by id", "by proximity within 0.5"
  std::string frame;     // "the world axes", "UCS 'SITE' of site.dxf"
  int decimals = 3;
  std::string numberFormat;
  survey::LengthUnit unit = survey::LengthUnit::Metre;  // the design's, which the survey is in
  // Per pair, how far its repeated shots lie apart per component (shot_spread.h).
  std::vector<survey::ComponentValues> spreads;
  host::geom::Frame axes;  // the deviations' axes
  // What looks wrong about the check although it ran: files in other units, easting and
  // northing swapped, a survey of another site.
  std::vector<std::string> warnings;

  CheckReport report() const;
};

// A check given up because its caller asked it to stop.
class CheckCancelled : public std::runtime_error {
 public:
  CheckCancelled() : std::runtime_error("the check was cancelled") {}
};

// The survey's shots, read and brought into the design's coordinate system and units, with
// what the user is warned of on the way. Every check reads its shots through here. Throws as
// checkSurvey does.
survey::PointFile readShots(const CheckRequest& request, std::vector<std::string>& warnings,
                            std::stop_token stop = {});

// Reads the point files, pairs them and compares each pair. Throws what the user is told
// about bad input (survey::PointFileError naming the file and line, std::runtime_error), and
// CheckCancelled when `stop` is requested between two steps.
CheckRun checkSurvey(const CheckRequest& request, std::stop_token stop = {});

}  // namespace check
