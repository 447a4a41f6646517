// Deviations in the unit the report asks for: converted only where the component is a length,
// never with fewer places than the check wrote.
#include "check/deviation_scale.h"

#include <gtest/gtest.h>

#include "rise_check.h"

namespace check {
namespace {

struct ScaleCase {
  const char* componentUnit;  // empty: the point files' unit
  survey::LengthUnit inputUnit;
  std::optional<ReportUnit> reportUnit;
  int decimals;
  const char* heading;
  const char* text;  // of -0.0125 checked
};

void PrintTo(const ScaleCase& c, std::ostream* os) {
  *os << "'" << c.componentUnit << "' in " << survey::nameOf(c.inputUnit) << " as "
      << (c.reportUnit ? nameOf(*c.reportUnit) : "checked");
}

class DeviationScales : public testing::TestWithParam<ScaleCase> {};

TEST_P(DeviationScales, ConvertLengthsWithTheCheckPrecision) {
  const ScaleCase& c = GetParam();
  const fixtures::RiseCheck check;
  survey::Comparison comparison = check.comparison;
  comparison.schema[0].unit = c.componentUnit;
  CheckReport report{check.design,     check.surveyed, check.pairing, comparison,
                     check.tolerances, "by id",        "the level",   4,
                     "###0.0000"};
  report.inputUnit = c.inputUnit;
  report.reportUnit = c.reportUnit;
  const DeviationScale scale = deviationScale(report, 0);
  EXPECT_EQ(scale.decimals, c.decimals);
  EXPECT_EQ(scale.heading("rise"), c.heading);
  EXPECT_EQ(scale.text(-0.0125), c.text);
}

using survey::LengthUnit;
INSTANTIATE_TEST_SUITE_P(
    Units, DeviationScales,
    testing::Values(
        ScaleCase{"", LengthUnit::Metre, std::nullopt, 4, "rise", "-0.0125"},
        ScaleCase{"", LengthUnit::Metre, ReportUnit::Millimetre, 1, "rise (mm)", "-12.5"},
        ScaleCase{"", LengthUnit::Metre, ReportUnit::Metre, 4, "rise (m)", "-0.0125"},
        ScaleCase{"", LengthUnit::Metre, ReportUnit::Foot, 4, "rise (ft)", "-0.0410"},
        ScaleCase{"", LengthUnit::Foot, ReportUnit::Millimetre, 2, "rise (mm)", "-3.81"},
        ScaleCase{"", LengthUnit::Foot, ReportUnit::Metre, 5, "rise (m)", "-0.00381"},
        ScaleCase{"", LengthUnit::UsSurveyFoot, ReportUnit::Foot, 4, "rise (ft)", "-0.0125"},
        // A component that names its unit is in it, whatever the files' unit.
        ScaleCase{"m", LengthUnit::Foot, ReportUnit::Millimetre, 1, "rise (mm)", "-12.5"},
        // A component that is not a length keeps its values.
        ScaleCase{"%", LengthUnit::Metre, ReportUnit::Millimetre, 4, "rise", "-0.0125"}));

}  // namespace
}  // namespace check
