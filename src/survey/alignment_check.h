#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "survey/alignment.h"
#include "survey/point.h"
#include "survey/reference.h"

// The check of shots along an alignment: each shot's chainage and offset, and how far its
// offset and level lie from the design's.
namespace survey {

// The components of a check along an alignment, as alignmentComponents() orders them.
enum AlignmentComponent : std::size_t { kOffsetDifference, kLevelDifference };

// doffset, the offset minus the design offset, and dz, the level minus the design level; each
// between bounds that need not mirror each other.
const ComponentSchema& alignmentComponents();

// What the design says across the alignment.
struct CrossSection {
  // The design offset of every shot, or of the shots of some codes (compared without regard
  // to case); 0 for the rest: the line itself.
  std::optional<double> offsetForAll;
  std::vector<std::pair<std::string, double>> offsetByCode;
  // The level falls (negative) or rises by this percent of the distance from the line, on
  // both sides of it.
  std::optional<double> crossfallPercent;
  // Shots further than this from the line are outside the check.
  std::optional<double> maxOffset;

  double designOffsetOf(const std::string& code) const;
};

// "0.5" for every shot, or "KERB-L=-3.5,KERB-R=3.5" by code. Throws std::invalid_argument
// saying what is wrong.
void parseDesignOffsets(std::string_view text, CrossSection& section);

// One shot against the alignment.
struct AlignedShot {
  std::size_t shot = 0;  // its index in the survey
  Station station;
  double designOffset = 0.0;
  std::optional<double> designLevel;  // none without a profile there
  // Beyond the alignment's ends or further than the largest offset from it: no differences.
  bool outside = false;
  std::optional<double> offsetDifference;
  std::optional<double> levelDifference;  // none without a height or a design level
};

// Every shot of `shots` against `alignment`, in order of chainage (shots at one chainage in
// the order of the survey).
std::vector<AlignedShot> alignShots(const Alignment& alignment, const std::vector<Point>& shots,
                                    const CrossSection& section);

// Aligned shots as a reference; it refers to both vectors, which outlive it.
class AlignedShots : public Reference {
 public:
  AlignedShots(const std::vector<AlignedShot>& aligned, const std::vector<Point>& shots)
      : aligned_(aligned), shots_(shots) {}

  const ComponentSchema& schema() const override { return alignmentComponents(); }
  std::size_t shotCount() const override { return aligned_.size(); }
  const std::string& idOf(std::size_t shot) const override {
    return shots_[aligned_[shot].shot].id;
  }
  ComponentValues valuesOf(std::size_t shot) const override {
    return {aligned_[shot].offsetDifference, aligned_[shot].levelDifference};
  }

 private:
  const std::vector<AlignedShot>& aligned_;
  const std::vector<Point>& shots_;
};

}  // namespace survey
