#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "check/alignment_run.h"

// The summary and the CSV report of a check along an alignment.
namespace check {

// A shot's status as the reports write it: pass, fail or outside.
std::string alignmentShotStatus(const survey::AlignedShot& shot,
                                const survey::ComparedPair& compared);

// One row per shot in order of chainage, under the header id,survey_x,survey_y,survey_z,
// chainage,offset,design_offset,doffset,design_z,dz,status,failing,survey_code; status is pass,
// fail or outside. A shot outside has its chainage and offset, and no differences.
void writeAlignmentCsv(std::ostream& out, const AlignmentRun& run);

// Writes the CSV report to `path` whole or not at all. Throws std::runtime_error naming the
// file when it cannot be written.
void saveAlignmentCsv(const std::filesystem::path& path, const AlignmentRun& run);

// The summary on the terminal: the alignment and the survey, the statistics of doffset and dz,
// the shots outside tolerance and those outside the alignment, in order of chainage.
void writeAlignmentSummary(std::ostream& out, const AlignmentRun& run);

}  // namespace check
