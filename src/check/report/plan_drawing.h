#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

#include "check/check_report.h"
#include "check/report/plan_layout.h"
#include "check/report/plan_marks.h"
#include "check/report/report_canvas.h"

// What the plan pages (the key plan and the sheets) draw alike.
namespace check::report {

constexpr double kPlanFrameTop = ReportCanvas::kBodyTop + 20;

QColor colourOf(PlanKind kind);

// A part of the plan in the frame: `window`'s centre at the frame's centre, at `mmPerUnit`.
class PlanView {
 public:
  PlanView(const PlanWindow& window, double mmPerUnit);

  double mmPerUnit() const { return mmPerUnit_; }
  // The page's millimetres of a point in the check's axes.
  QPointF mm(PlanPoint p) const;
  // All that the frame shows, in the check's axes.
  PlanWindow visible() const;

 private:
  PlanPoint centre_;
  double mmPerUnit_;
};

// The frame of the plan, in the canvas's units.
QRectF planFrame(const ReportCanvas& canvas);

// The page's title and a line under it.
void drawPlanHeading(ReportCanvas& canvas, const QString& title, const QString& description);

// Towards world north (+Y) as the check's axes turn it, in the frame's top right corner.
void drawNorthArrow(ReportCanvas& canvas, const host::geom::Frame& axes);
// The corner of the frame the north arrow takes (page millimetres, y down).
QRectF northArrowBox();
// The longest round length a bar of at most `mostMm` shows at `mmPerUnit`, drawn at (x, y).
void drawRoundScaleBar(ReportCanvas& canvas, double x, double y, double mostMm, double mmPerUnit,
                       const QString& caption);
// The symbols and how many pairs and points each stands for.
void drawLegend(ReportCanvas& canvas, const CheckReport& report, double y);

}  // namespace check::report
