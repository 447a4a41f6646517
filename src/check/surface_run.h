#pragma once

#include <filesystem>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "check/check_report.h"
#include "check/surface_options.h"
#include "survey/code_filter.h"
#include "survey/code_tolerances.h"
#include "survey/comparison.h"
#include "survey/length_unit.h"
#include "survey/pairing.h"
#include "survey/point_file.h"
#include "survey/surface_check.h"
#include "survey/surface_volumes.h"
#include "survey/tin_surface.h"
#include "survey/tolerance.h"

// A check of a survey against a design surface, as `kestova check --against surface` runs it.
namespace check {

struct SurfaceRequest {
  // A LandXML surface, a drawing's faces or points, or a point file to triangulate.
  std::filesystem::path design;
  std::filesystem::path survey;
  // Further survey files, checked together with the first as one survey.
  std::vector<std::filesystem::path> moreSurveys;
  survey::ReadOptions designReading;
  survey::ReadOptions surveyReading;
  // The survey is converted to the design's unit; metres where not given.
  std::optional<survey::LengthUnit> designUnit;
  std::optional<survey::LengthUnit> surveyUnit;
  survey::CodeFilter codes;  // of the shots
  SurfaceOptions surface;
  survey::Tolerances tolerances;
  std::vector<survey::CodeTolerances> codeTolerances;  // for the shots of some codes
  int decimals = 3;
};

// What a surface check found. The report refers into it, so it stays where it was made.
struct SurfaceRun {
  survey::TinSurface design;
  survey::PointFile survey;  // the shots checked, after the code filter; all files as one
  std::vector<survey::ShotPlace> places;
  std::vector<std::optional<double>> designZ;
  survey::Comparison comparison;
  survey::Tolerances tolerances;
  // Each code's tolerances, the general ones filled in, as the shots of the code were tested.
  std::vector<survey::CodeTolerances> codeTolerances;
  std::optional<survey::SurfaceVolumes> volumes;
  int decimals = 3;
  std::string numberFormat;
  survey::LengthUnit unit = survey::LengthUnit::Metre;  // the design's, which the shots are in
  std::vector<std::string> warnings;  // an overlapping face, shots without a level
  // The design as the point check's report names it: the file, no points and no pairs.
  survey::PointFile designFile;
  survey::Pairing noPairs;

  std::size_t count(survey::ShotPlace place) const;
  // Every shot on the surface and within tolerance.
  bool allWithinTolerance() const;
  // The shared statistics, tolerances and number format of the point check's report.
  CheckReport report() const;
};

// Reads the design surface and the shots, locates each shot on the surface and compares it.
// Throws what the user is told about bad input, as checkSurvey does.
SurfaceRun checkSurface(const SurfaceRequest& request, std::stop_token stop = {});

// The design surface of a request: read from a LandXML file, or triangulated from points.
survey::TinSurface readDesignSurface(const SurfaceRequest& request);

}  // namespace check
