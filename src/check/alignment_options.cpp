#include "check/alignment_options.h"

#include <stdexcept>

#include "check/check_options.h"
#include "numbers/number_text.h"
#include "survey/coordinate_text.h"

namespace check {
namespace {

double numberOf(const std::string& name, const std::string& value, bool positive) {
  const std::optional<double> number = numbers::numberIn(value, false);
  if (!number || (positive && *number <= 0.0)) {
    throw UsageError(name + " takes " + (positive ? "a distance greater than 0" : "a number") +
                     ", not " + survey::inQuotes(value));
  }
  return *number;
}

}  // namespace

bool isAlignmentOption(const std::string& name) {
  return name == "--alignment" || name == "--start-chainage" || name == "--layer" ||
         name == "--design-offset" || name == "--crossfall" || name == "--max-offset";
}

void applyAlignmentOption(AlignmentOptions& options, const std::string& name,
                          const std::string& value) {
  if (name == "--alignment") {
    options.name = value;
  } else if (name == "--start-chainage") {
    options.startChainage = numberOf(name, value, false);
  } else if (name == "--layer") {
    options.layer = value;
  } else if (name == "--crossfall") {
    options.section.crossfallPercent = numberOf(name, value, false);
  } else if (name == "--max-offset") {
    options.section.maxOffset = numberOf(name, value, true);
  } else if (name == "--design-offset") {
    options.section.offsetForAll.reset();
    options.section.offsetByCode.clear();
    try {
      survey::parseDesignOffsets(value, options.section);
    } catch (const std::invalid_argument& e) {
      throw UsageError(name + ": " + e.what());
    }
    options.designOffset = value;
  }
}

std::string firstAlignmentOptionGiven(const AlignmentOptions& options) {
  if (options.name) return "--alignment";
  if (options.startChainage) return "--start-chainage";
  if (options.layer) return "--layer";
  if (options.designOffset) return "--design-offset";
  if (options.section.crossfallPercent) return "--crossfall";
  if (options.section.maxOffset) return "--max-offset";
  return {};
}

}  // namespace check
