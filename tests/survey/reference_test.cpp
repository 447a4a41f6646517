#include "survey/reference.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "survey/comparison.h"
#include "survey/design_points.h"
#include "survey/tolerance.h"

// A check is a reference and its shots: the comparison, the tolerances and the statistics
// follow whatever components the reference names, here one with unequal bounds.
namespace survey {
namespace {

// A made-up reference: each shot a height above a level, the component "rise" allowed from
// 10 mm below to 30 mm above.
class LevelReference : public Reference {
 public:
  struct Shot {
    std::string id;
    std::optional<double> rise;
  };
  explicit LevelReference(std::vector<Shot> shots) : shots_(std::move(shots)) {}

  static const ComponentSchema& risesOnly() {
    static const ComponentSchema schema{
        {"r", "rise", "rise", "m", ToleranceRule::Bounds, "r (rise)", "", 0.01}};
    return schema;
  }
  const ComponentSchema& schema() const override { return risesOnly(); }
  std::size_t shotCount() const override { return shots_.size(); }
  const std::string& idOf(std::size_t shot) const override { return shots_[shot].id; }
  ComponentValues valuesOf(std::size_t shot) const override { return {shots_[shot].rise}; }

 private:
  std::vector<Shot> shots_;
};

struct BoundsCase {
  const char* name;
  double value;
  Tolerance tolerance;
  int decimals;
  bool within;
};

TEST(UnequalBounds, AreTestedOnTheNumberAsWritten) {
  const Tolerance kRise{-0.01, 0.03};
  const BoundsCase cases[] = {
      {"inside", 0.0, kRise, 3, true},
      {"on the upper bound", 0.03, kRise, 3, true},
      {"written 0.030", 0.03049, kRise, 3, true},
      {"written 0.031", 0.0305, kRise, 3, false},
      {"on the lower bound", -0.01, kRise, 3, true},
      {"written -0.010", -0.01049, kRise, 3, true},
      {"written -0.011, half away from zero", -0.0105, kRise, 3, false},
      {"a value the upper bound allows as a magnitude", -0.02, kRise, 3, false},
      {"both bounds below zero", -0.02, {-0.03, -0.01}, 3, true},
      {"zero above both bounds", 0.0, {-0.03, -0.01}, 3, false},
      {"written -0.00 at two places", -0.004, {0.0, 0.01}, 2, true},
  };
  for (const BoundsCase& c : cases) {
    EXPECT_EQ(withinTolerance(c.value, c.tolerance, c.decimals), c.within) << c.name;
  }
}

TEST(UnequalBounds, AreReadAsLowerColonUpper) {
  const Tolerances bounds = parseTolerances("r=-0.01:0.03", LevelReference::risesOnly());
  EXPECT_EQ(bounds[0]->lower, -0.01);
  EXPECT_EQ(bounds[0]->upper, 0.03);
  const Tolerances limit = parseTolerances("r=0.02", LevelReference::risesOnly());
  EXPECT_EQ(limit[0]->lower, -0.02);
  EXPECT_EQ(limit[0]->upper, 0.02);
}

TEST(Tolerances, NameTheKeysOfTheirSchemaWhenRefused) {
  const struct {
    const char* text;
    const ComponentSchema& schema;
    const char* message;
  } cases[] = {
      {"q=1", pointComponents(),
       "'q=1' is not a tolerance: write x=, y=, z= or h= and a value, such as x=0.02"},
      {"x=1", LevelReference::risesOnly(),
       "'x=1' is not a tolerance: write r= and a value, such as r=0.02"},
      {"x=-1:1", pointComponents(), "'x=-1:1': the tolerance must be a number, 0 or more"},
      {"r=0.03:-0.01", LevelReference::risesOnly(),
       "'r=0.03:-0.01': the bounds must be two numbers, the lower one first"},
      {"r=:0.01", LevelReference::risesOnly(),
       "'r=:0.01': the bounds must be two numbers, the lower one first"},
      {"r=-0.01", LevelReference::risesOnly(),
       "'r=-0.01': the tolerance must be a number, 0 or more"},
      {"r=0.01,r=0.02", LevelReference::risesOnly(), "the tolerance for r is given twice"},
  };
  for (const auto& c : cases) {
    try {
      parseTolerances(c.text, c.schema);
      ADD_FAILURE() << c.text << " was taken";
    } catch (const std::invalid_argument& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(Comparison, FollowsTheSchemaOfItsReference) {
  const LevelReference level({{"L1", 0.012}, {"L2", -0.015}, {"L3", std::nullopt}, {"L4", 0.031}});
  const Tolerances tolerances = parseTolerances("r=-0.01:0.03", level.schema());
  const Comparison comparison = compare(level, tolerances, 3);

  ASSERT_EQ(comparison.schema.size(), 1u);
  EXPECT_EQ(comparison.schema[0].heading, "rise");
  ASSERT_EQ(comparison.pairs.size(), 4u);
  EXPECT_EQ(comparison.failed, 2u);
  EXPECT_TRUE(comparison.pairs[0].failing.empty());
  EXPECT_EQ(comparison.pairs[1].failing, std::vector<std::size_t>{0});
  EXPECT_TRUE(comparison.pairs[2].failing.empty());  // no value, nothing to test
  EXPECT_EQ(comparison.pairs[3].failing, std::vector<std::size_t>{0});

  ASSERT_EQ(comparison.statistics.size(), 1u);
  const ComponentStatistics& rise = comparison[0];
  EXPECT_EQ(rise.count, 3u);
  EXPECT_NEAR(rise.mean, (0.012 - 0.015 + 0.031) / 3, 1e-15);
  EXPECT_EQ(rise.min, -0.015);
  EXPECT_EQ(rise.max, 0.031);
  EXPECT_EQ(rise.largestId, "L4");
  EXPECT_EQ(rise.withinTolerance, 1u);
}

TEST(Comparison, OfDesignPointsGivesTheFourComponentsInTheirOrder) {
  std::vector<std::string> keys;
  std::vector<ToleranceRule> rules;
  for (const Component& component : pointComponents()) {
    keys.push_back(component.key);
    rules.push_back(component.rule);
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"x", "y", "z", "h"}));
  EXPECT_EQ(rules, (std::vector{ToleranceRule::Symmetric, ToleranceRule::Symmetric,
                                ToleranceRule::Symmetric, ToleranceRule::Magnitude}));
  EXPECT_EQ(keysOf(pointComponents(), {kDx, kDz, kDh}, ", "), "x, z, h");
}

}  // namespace
}  // namespace survey
