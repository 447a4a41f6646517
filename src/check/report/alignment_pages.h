#pragma once

#include <QDateTime>
#include <cstddef>
#include <vector>

#include "check/alignment_run.h"
#include "check/check_report.h"
#include "check/report/alignment_sheets.h"
#include "check/report/report_canvas.h"
#include "check/report/report_list.h"

// The pages of the PDF report of a check along an alignment, each drawn on the canvas's
// current page. `report` is the run's, with what the PDF adds for sign-off.
namespace check::report {

// The files, the alignment, the cross section, the tolerances and the statistics.
void drawAlignmentFirstPage(ReportCanvas& canvas, const AlignmentRun& run,
                            const CheckReport& report, const QDateTime& date);

// The plan along the alignment: its sheets, and how many times their length the offset
// differences are drawn (one factor on every sheet).
struct AlignmentPlan {
  std::vector<AlignmentSheet> sheets;
  double exaggeration = 1.0;
};

AlignmentPlan alignmentPlan(const AlignmentRun& run, const CheckReport& report);
// Sheet `sheet` of the plan: the line with its chainage, each shot's offset difference across
// it, the shots outside it; a north arrow and scale bars.
void drawAlignmentSheet(ReportCanvas& canvas, const AlignmentRun& run, const CheckReport& report,
                        const AlignmentPlan& plan, std::size_t sheet);

// doffset and dz against chainage, within their tolerance bands.
void drawLongSectionPage(ReportCanvas& canvas, const AlignmentRun& run, const CheckReport& report);

// The shots outside tolerance (with --all-pairs every shot along the alignment), then those
// outside the alignment, in order of chainage.
std::vector<ReportList> alignmentLists(const AlignmentRun& run, const CheckReport& report);

}  // namespace check::report
