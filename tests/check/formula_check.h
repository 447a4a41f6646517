#pragma once

#include "rise_check.h"

namespace check::fixtures {

// A check whose ids and codes a spreadsheet would take for formulas (and some it would not), to
// show that the reports keep them from being run: rises allowed from -0.010 to 0.030, so that F1
// fails with a negative number, which stays a number.
struct FormulaCheck {
  FormulaCheck() = default;
  FormulaCheck(const FormulaCheck&) = delete;
  FormulaCheck& operator=(const FormulaCheck&) = delete;

  survey::PointFile design = survey::parsePoints(
      "Point,Easting,Northing,Elevation,Code\n"
      "\"=HYPERLINK(\"\"http://x.example/\"\",\"\"see\"\")\",0,0,10,@SUM(1)\n"
      "+cmd|calc,5,0,10,KERB\n"
      "-2+3,10,0,10,-\n"
      "A=B,15,0,10,=1+1\n"
      "-7,20,0,10,+\n",
      "ids.csv", {});
  survey::PointFile surveyed = survey::parsePoints(
      "\"=HYPERLINK(\"\"http://x.example/\"\",\"\"see\"\")\",0,0,9.985\n"
      "+cmd|calc,5,0,10.001\n"
      "-2+3,10,0,10.002\n"
      "A=B,15,0,10.003\n"
      "-7,20,0,10.004\n",
      "shots.csv", {});
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
