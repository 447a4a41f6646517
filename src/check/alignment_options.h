#pragma once

#include <optional>
#include <string>

#include "survey/alignment_check.h"

// The options of `kestova check --against alignment`.
namespace check {

struct AlignmentOptions {
  std::optional<std::string> name;          // --alignment: which alignment of a LandXML file
  std::optional<double> startChainage;      // --start-chainage: of the design's first point
  std::optional<std::string> layer;         // --layer: the drawing's layer with the polyline
  survey::CrossSection section;             // --design-offset, --crossfall, --max-offset
  std::optional<std::string> designOffset;  // --design-offset as given, to name it
};

// Whether `name` is an option of the alignment check that takes a value.
bool isAlignmentOption(const std::string& name);

// Sets the alignment option `name` from `value`. Throws UsageError for a bad value.
void applyAlignmentOption(AlignmentOptions& options, const std::string& name,
                          const std::string& value);

// The first alignment option given, to name when the check is not along an alignment; empty
// when none is.
std::string firstAlignmentOptionGiven(const AlignmentOptions& options);

}  // namespace check
