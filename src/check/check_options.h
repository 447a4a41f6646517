#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "check/alignment_options.h"
#include "check/check_run.h"
#include "check/draw_settings.h"
#include "check/report_options.h"
#include "check/surface_options.h"
#include "survey/code_tolerances.h"
#include "survey/component.h"
#include "survey/length_unit.h"
#include "survey/pairing.h"
#include "survey/point_file.h"
#include "survey/tolerance.h"

// The command line of `kestova check`, a stable contract that scripts call.
namespace check {

// A command line that cannot be run; what() says why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What the survey is checked against: design points (paired with the shots), a design
// surface, an alignment.
enum class Against { Points, Surface, Alignment };

struct CheckOptions {
  bool help = false;
  Against against = Against::Points;
  std::filesystem::path design;
  std::filesystem::path survey;
  std::vector<std::filesystem::path> moreSurveys;  // checked with the first as one survey
  Matching matching = Matching::ById;
  double radius = 0.0;  // for ByProximity
  // How each file is read: --columns and --decimal-comma set both, --design-... and
  // --survey-... one.
  survey::ReadOptions designReading;
  survey::ReadOptions surveyReading;
  // --units sets both, --design-units and --survey-units one.
  std::optional<survey::LengthUnit> designUnit;
  std::optional<survey::LengthUnit> surveyUnit;
  // --design-crs and --survey-crs, given together: the survey is transformed to the design's.
  std::optional<std::string> designCrs;
  std::optional<std::string> surveyCrs;
  survey::IdMatching idMatching;
  survey::CodeFilter codes;
  survey::Tolerances tolerances;
  std::vector<survey::CodeTolerances> codeTolerances;  // --tolerance KERB:z=0.005
  std::optional<std::filesystem::path> drawing;
  std::optional<std::string> ucs;
  std::optional<std::filesystem::path> csv;
  std::optional<std::filesystem::path> pdf;
  std::optional<std::filesystem::path> xlsx;
  ReportOptions report;  // what the PDF and the workbook add for sign-off
  std::optional<int> decimals;
  // --dxf: the pairs drawn into a copy of the drawing (or a new one), and how.
  std::optional<std::filesystem::path> dxf;
  DrawSettings vectors;
  bool textHeightGiven = false;  // else the height is proposed from the drawing and the points
  SurfaceOptions surface;
  AlignmentOptions alignment;
};

// The components of the check `against` names, which --tolerance gives the keys of.
const survey::ComponentSchema& componentsOf(Against against);

// The options of `kestova check` (the arguments after "check"). Long options take their value
// as the next argument or after '='. Throws UsageError.
CheckOptions parseCheckOptions(const std::vector<std::string>& arguments);

// Applies one option as the command line gives it, "--units" with "ft" or a switch such as
// "--ignore-case" without a value, to `options`. Throws UsageError. A preset is applied so.
void applyOption(CheckOptions& options, const std::string& name,
                 const std::optional<std::string>& value);

// What `kestova check --help` prints.
std::string checkUsage();

}  // namespace check
