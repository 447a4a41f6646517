#pragma once

#include <vector>

#include "check/check_report.h"
#include "check/report/report_canvas.h"
#include "check/report/report_list.h"
#include "check/surface_run.h"

// The pages of a surface check's report that differ from a point check's.
namespace check::report {

// The shots in plan coloured on a diverging scale of dz over the surface's faces and boundary,
// with the scale's legend in the report's unit, a scale bar and a north arrow.
void drawSurfacePlanPage(ReportCanvas& canvas, const SurfaceRun& run, const CheckReport& report);

// The shots outside tolerance (with --all-pairs every shot on the surface), those outside it,
// and the volumes when computed; dz and dn in the report's unit.
std::vector<ReportList> surfaceLists(const SurfaceRun& run, const CheckReport& report);

}  // namespace check::report
