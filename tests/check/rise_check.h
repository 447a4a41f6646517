#pragma once

#include <optional>
#include <vector>

#include "check/check_report.h"
#include "numbers/number_format.h"
#include "survey/comparison.h"
#include "survey/pairing.h"
#include "survey/point.h"
#include "survey/point_file.h"
#include "survey/reference.h"

namespace check::fixtures {

// A made-up reference over paired points, to show that outputs follow any schema: only the rise
// of each survey point above its design point (none without both heights), a bounds tolerance
// keyed "r", in metres.
class RiseReference : public survey::Reference {
 public:
  // Refers to both; they outlive it.
  RiseReference(const survey::Pairing& pairing, const std::vector<survey::Point>& design)
      : pairing_(pairing), design_(design) {}

  const survey::ComponentSchema& schema() const override {
    static const survey::ComponentSchema schema{
        {"r", "rise", "rise", "m", survey::ToleranceRule::Bounds, "r", "", 0.01}};
    return schema;
  }
  std::size_t shotCount() const override { return pairing_.pairs.size(); }
  const std::string& idOf(std::size_t shot) const override {
    return design_[pairing_.pairs[shot].design].id;
  }
  survey::ComponentValues valuesOf(std::size_t shot) const override {
    const survey::Pair& pair = pairing_.pairs[shot];
    const std::optional<double>& from = design_[pair.design].z;
    const std::optional<double>& to = pair.survey.point.z;
    if (!from || !to) return {std::nullopt};
    return {*to - *from};
  }

 private:
  const survey::Pairing& pairing_;
  const std::vector<survey::Point>& design_;
};

// A check by id of four levels against four shots, rises allowed from -0.010 to 0.030: R1
// within, R2 below, R3 without a design height, R4 never surveyed and R9 without design point.
struct RiseCheck {
  RiseCheck() = default;
  RiseCheck(const RiseCheck&) = delete;
  RiseCheck& operator=(const RiseCheck&) = delete;

  survey::PointFile design = survey::parsePoints(
      "Point,Easting,Northing,Elevation\nR1,0,0,10\nR2,5,0,10\nR3,10,0,\nR4,15,0,10\n",
      "levels.csv", {});
  survey::PointFile surveyed = survey::parsePoints(
      "R1,0,0,10.012\nR2,5,0,9.985\nR3,10,0,10.5\nR9,30,0,10\n", "shots.csv", {});
  survey::Pairing pairing = survey::matchById(design, surveyed, {});
  RiseReference reference{pairing, design.points};
  survey::Tolerances tolerances = survey::parseTolerances("r=-0.01:0.03", reference.schema());
  survey::Comparison comparison = survey::compare(reference, tolerances, 3);
  CheckReport report{design,
                     surveyed,
                     pairing,
                     comparison,
                     tolerances,
                     "by id",
                     "the level of the site",
                     3,
                     numbers::numberFormatFor(3)};
};

}  // namespace check::fixtures
