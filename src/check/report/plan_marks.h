#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

#include "check/report/report_canvas.h"

// What every plan of the report draws with: the arrows of the deviations, the marks of points
// left out, a north arrow and scale bars. Places in millimetres on the page.
namespace check::report {

inline const QColor kPassColour(0, 160, 0);
inline const QColor kFailColour(220, 0, 0);
inline const QColor kUnmatchedColour(200, 0, 200);

// A dot at `from` and a line to `to` with a head, when it is long enough to carry one.
void drawVector(ReportCanvas& canvas, QPointF from, QPointF to, const QColor& colour);
// A design point never surveyed: a circle; a survey point without design point: a square.
void drawUnmatched(ReportCanvas& canvas, QPointF at, bool design);
// An arrow towards north, `clockwise` radians turned from the page's up, below an "N", its
// top `y` and its centre `x`.
void drawNorthArrow(ReportCanvas& canvas, double x, double y, double clockwise);
// A bar `lengthMm` long from (x, y), marked 0 and `label` at its ends, `caption` before it.
void drawScaleBar(ReportCanvas& canvas, double x, double y, double lengthMm, const QString& caption,
                  const QString& label);

}  // namespace check::report
