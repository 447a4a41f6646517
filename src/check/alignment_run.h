#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "check/alignment_options.h"
#include "check/check_report.h"
#include "check/check_run.h"
#include "survey/alignment.h"
#include "survey/alignment_check.h"
#include "survey/code_tolerances.h"
#include "survey/comparison.h"
#include "survey/length_unit.h"
#include "survey/pairing.h"
#include "survey/point.h"
#include "survey/tolerance.h"

// A check of a survey along an alignment, as `kestova check --against alignment` runs it.
namespace check {

// What a check along an alignment found. Its report refers into it, so it stays where it was
// made.
struct AlignmentRun {
  survey::Alignment alignment;
  std::string described;         // "alignment 'Main Road'", "the polyline on layer 'AXIS'"
  survey::CrossSection section;  // the design offsets, crossfall and largest offset checked
  survey::PointFile design;      // the design file's name; an alignment has no points
  survey::PointFile survey;
  std::vector<survey::AlignedShot> shots;  // in order of chainage
  std::size_t outside = 0;
  survey::Pairing noPairs;  // the report's pairs: shots are not paired with points here
  survey::Comparison comparison;
  survey::Tolerances tolerances;
  // Each code's tolerances, the general ones filled in, as the shots of the code were tested.
  std::vector<survey::CodeTolerances> codeTolerances;
  int decimals = 3;
  std::string numberFormat;
  survey::LengthUnit unit = survey::LengthUnit::Metre;  // the design's, which the shots are in
  std::vector<std::string> warnings;

  // The statistics and tolerances, as the outputs of every check write them.
  CheckReport report() const;
  bool allWithinTolerance() const { return comparison.failed == 0 && outside == 0; }
};

// Reads the alignment and the shots (through readShots, as every check does), finds each
// shot's chainage and offset and compares it with the design's. Throws what checkSurvey throws,
// and what readAlignmentDesign throws.
AlignmentRun checkAlongAlignment(const CheckRequest& request, const AlignmentOptions& options);

}  // namespace check
