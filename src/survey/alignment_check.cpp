#include "survey/alignment_check.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "numbers/number_text.h"
#include "survey/code_filter.h"
#include "survey/coordinate_text.h"

namespace survey {
namespace {

double offsetIn(std::string_view text) {
  const std::optional<double> offset = numbers::numberIn(text, false);
  if (!offset) throw std::invalid_argument(inQuotes(std::string(text)) + " is not a distance");
  return *offset;
}

}  // namespace

const ComponentSchema& alignmentComponents() {
  static const ComponentSchema schema{
      {"offset", "doffset", "doffset", "", ToleranceRule::Bounds, "offset",
       "doffset is the offset minus the design offset, positive to the right of the line.", 0.02},
      {"z", "dz", "dz", "", ToleranceRule::Bounds, "z",
       "dz is the surveyed level minus the design level at the shot's chainage.", 0.01},
  };
  return schema;
}

double CrossSection::designOffsetOf(const std::string& code) const {
  for (const auto& [listed, offset] : offsetByCode) {
    if (sameCode(listed, code)) return offset;
  }
  return offsetForAll.value_or(0.0);
}

void parseDesignOffsets(std::string_view text, CrossSection& section) {
  if (text.find('=') == std::string_view::npos) {
    section.offsetForAll = offsetIn(text);
    return;
  }
  // parseCodeList splits at the commas and refuses empty items.
  for (const std::string& item : parseCodeList(text)) {
    const std::size_t equals = item.find('=');
    if (equals == std::string::npos || equals == 0) {
      throw std::invalid_argument("give CODE=OFFSET for each code, such as KERB-L=-3.5, not " +
                                  inQuotes(item));
    }
    section.offsetByCode.emplace_back(item.substr(0, equals), offsetIn(item.substr(equals + 1)));
  }
}

std::vector<AlignedShot> alignShots(const Alignment& alignment, const std::vector<Point>& shots,
                                    const CrossSection& section) {
  std::vector<AlignedShot> aligned;
  aligned.reserve(shots.size());
  for (std::size_t i = 0; i < shots.size(); ++i) {
    const Point& shot = shots[i];
    AlignedShot result;
    result.shot = i;
    result.station = alignment.plan.stationOf({shot.x, shot.y});
    result.designOffset = section.designOffsetOf(shot.code);
    result.outside = result.station.beyondEnds ||
                     (section.maxOffset && std::abs(result.station.offset) > *section.maxOffset);
    if (!result.outside) {
      result.offsetDifference = result.station.offset - result.designOffset;
      if (alignment.profile)
        result.designLevel = alignment.profile->levelAt(result.station.chainage);
      if (result.designLevel && section.crossfallPercent) {
        *result.designLevel += *section.crossfallPercent / 100.0 * std::abs(result.station.offset);
      }
      if (result.designLevel && shot.z) result.levelDifference = *shot.z - *result.designLevel;
    }
    aligned.push_back(result);
  }
  std::stable_sort(aligned.begin(), aligned.end(), [](const AlignedShot& a, const AlignedShot& b) {
    return a.station.chainage < b.station.chainage;
  });
  return aligned;
}

}  // namespace survey
