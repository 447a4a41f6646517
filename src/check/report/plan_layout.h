#pragma once

#include <string>
#include <vector>

#include "check/check_report.h"
#include "check/report/plan_sheets.h"

// What the report's plan shows, in the axes the check measured along, and on which sheets.
namespace check::report {

// The plan's frame on the page and the margin inside it that a sheet's points keep from its
// edge, room for vectors and ids (millimetres).
constexpr double kPlanFrameWidth = 180.0;
constexpr double kPlanFrameHeight = 200.0;
constexpr double kPlanPadding = 12.0;

enum class PlanKind { Within, Outside, NeverSurveyed, NoDesign };

// A pair at its design point, or a point unmatched.
struct PlanItem {
  PlanKind kind;
  PlanPoint at;
  PlanPoint surveyed;  // a pair's surveyed point, else `at`
  std::string id;
};

struct PlanLayout {
  std::vector<PlanItem> items;  // the pairs, the design points never surveyed, the others
  PlanSheets sheets;            // of the items' places
  double mmPerUnit = 1.0;       // of the sheets
  double exaggeration = 1.0;    // of the vectors
  bool hasKeyPlan() const { return sheets.sheets.size() > 1; }
};

PlanLayout planLayout(const CheckReport& report);

}  // namespace check::report
