#include <QLineF>
#include <QPolygonF>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "check/deviation_scale.h"
#include "check/report/dz_colours.h"
#include "check/report/plan_marks.h"
#include "check/report/plan_scale.h"
#include "check/report/report_pages.h"
#include "check/report/surface_pages.h"
#include "numbers/number_format.h"

namespace check::report {
namespace {

constexpr double kFrameTop = ReportCanvas::kBodyTop + 20;
constexpr double kFrameHeight = 196.0;
constexpr double kPadding = 12.0;  // room inside the frame for the north arrow, dots and ids
// More faces than this are too small to tell apart on A4, and would make the file large and
// slow to open: only the surface's boundary is drawn then.
constexpr std::size_t kMostFacesDrawn = 20000;
// Ids beside the shots outside tolerance and outside the surface, when few enough to read.
constexpr std::size_t kMostLabels = 40;
// Up to this many shots are drawn as round dots, more as squares, which take less of the file.
constexpr std::size_t kMostRoundDots = 5000;
const QColor kOutside(200, 0, 200);
const QColor kFaceLines(205, 205, 205);
const QColor kBoundary(100, 100, 100);

// Eastings and northings onto the frame, north up, the surface and the shots centred.
class SurfaceProjection {
 public:
  explicit SurfaceProjection(const SurfaceRun& run) {
    for (const survey::SurfacePoint& p : run.design.points) include(p.x, p.y);
    for (const survey::Point& p : run.survey.points) include(p.x, p.y);
    const double width = ReportCanvas::kBodyWidth - 2 * kPadding;
    const double height = kFrameHeight - 2 * kPadding;
    const double span = std::max({maxX_ - minX_, maxY_ - minY_, 1e-6});
    mmPerUnit_ = std::min(width / std::max(maxX_ - minX_, span * 1e-3),
                          height / std::max(maxY_ - minY_, span * 1e-3));
    left_ = ReportCanvas::kMargin + kPadding + (width - (maxX_ - minX_) * mmPerUnit_) / 2;
    bottom_ = kFrameTop + kPadding + height - (height - (maxY_ - minY_) * mmPerUnit_) / 2;
  }

  double mmPerUnit() const { return mmPerUnit_; }
  QPointF mm(double x, double y) const {
    return {left_ + (x - minX_) * mmPerUnit_, bottom_ - (y - minY_) * mmPerUnit_};
  }

 private:
  void include(double x, double y) {
    minX_ = std::min(minX_, x);
    maxX_ = std::max(maxX_, x);
    minY_ = std::min(minY_, y);
    maxY_ = std::max(maxY_, y);
  }

  double minX_ = std::numeric_limits<double>::max();
  double maxX_ = std::numeric_limits<double>::lowest();
  double minY_ = std::numeric_limits<double>::max();
  double maxY_ = std::numeric_limits<double>::lowest();
  double mmPerUnit_ = 1.0;
  double left_ = 0.0;
  double bottom_ = 0.0;
};

// The faces' edges, each once, as its two points' indices in one number, sorted; an edge that
// only one face has lies on the surface's boundary.
struct SurfaceEdges {
  std::vector<std::uint64_t> inner;
  std::vector<std::uint64_t> boundary;
};

SurfaceEdges edgesOf(const survey::TinSurface& surface) {
  std::vector<std::uint64_t> all;
  all.reserve(surface.faces.size() * 3);
  for (const survey::SurfaceFace& face : surface.faces) {
    for (int k = 0; k < 3; ++k) {
      const std::uint64_t a = face[k], b = face[(k + 1) % 3];
      all.push_back(std::min(a, b) << 32 | std::max(a, b));
    }
  }
  std::sort(all.begin(), all.end());
  SurfaceEdges edges;
  for (std::size_t i = 0; i < all.size();) {
    std::size_t j = i + 1;
    while (j < all.size() && all[j] == all[i]) ++j;
    (j - i == 1 ? edges.boundary : edges.inner).push_back(all[i]);
    i = j;
  }
  return edges;
}

void drawEdges(ReportCanvas& canvas, const SurfaceRun& run, const SurfaceProjection& plan,
               const std::vector<std::uint64_t>& edges, const QColor& colour, double widthMm) {
  QVector<QLineF> lines;
  lines.reserve(static_cast<qsizetype>(edges.size()));
  const auto at = [&](std::uint64_t index) {
    const survey::SurfacePoint& p = run.design.points[index];
    const QPointF mm = plan.mm(p.x, p.y);
    return canvas.at(mm.x(), mm.y());
  };
  for (const std::uint64_t edge : edges)
    lines.append(QLineF(at(edge >> 32), at(edge & 0xffffffffu)));
  canvas.painter().setPen(QPen(colour, canvas.units(widthMm), Qt::SolidLine, Qt::RoundCap));
  canvas.painter().drawLines(lines);
}

// The rings of the design's boundaries: where it has them, they mark where the surface ends,
// for the faces they cross are kept whole.
void drawRings(ReportCanvas& canvas, const SurfaceRun& run, const SurfaceProjection& plan) {
  QPainter& painter = canvas.painter();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kBoundary, canvas.units(0.3), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  for (const survey::SurfaceBoundary& ring : run.design.boundaries) {
    QPolygonF corners;
    for (const survey::SurfacePoint& p : ring.points) {
      const QPointF mm = plan.mm(p.x, p.y);
      corners.append(canvas.at(mm.x(), mm.y()));
    }
    painter.drawPolygon(corners);
  }
}

// A dot in its class's colour at each shot on the surface, the outer classes over the neutral
// one; a ring at each shot outside the surface.
void drawShots(ReportCanvas& canvas, const SurfaceRun& run, const SurfaceProjection& plan,
               const DzColours& colours) {
  const auto& pairs = run.comparison.pairs;
  std::vector<std::vector<QPointF>> byClass(DzColours::kClasses);
  std::vector<QPointF> outside;
  for (std::size_t i = 0; i < run.places.size(); ++i) {
    const survey::Point& shot = run.survey.points[i];
    const QPointF mm = plan.mm(shot.x, shot.y);
    const QPointF at = canvas.at(mm.x(), mm.y());
    if (run.places[i] == survey::ShotPlace::Outside) outside.push_back(at);
    const std::optional<double>& dz = pairs[i].values[survey::kSurfaceDz];
    if (!dz) continue;
    const bool within = std::find(pairs[i].failing.begin(), pairs[i].failing.end(),
                                  survey::kSurfaceDz) == pairs[i].failing.end();
    byClass[colours.classOf(*dz, within)].push_back(at);
  }
  // Dots about as large as the shots leave room for, between 0.5 and 1.8 mm across.
  const double area = ReportCanvas::kBodyWidth * kFrameHeight;
  const double across = std::clamp(
      0.6 * std::sqrt(area / static_cast<double>(std::max<std::size_t>(run.places.size(), 1))), 0.5,
      1.8);
  const double r = canvas.units(across / 2);
  QPainter& painter = canvas.painter();
  const bool round = run.places.size() <= kMostRoundDots;
  std::vector<std::size_t> order{DzColours::kWithin, 2, 4, 1, 5, 0, 6};
  for (const std::size_t c : order) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.colour(c));
    if (round) {
      for (const QPointF& at : byClass[c]) painter.drawEllipse(at, r, r);
    } else {
      QVector<QRectF> squares;
      squares.reserve(static_cast<qsizetype>(byClass[c].size()));
      for (const QPointF& at : byClass[c])
        squares.append(QRectF(at - QPointF(r, r), QSizeF(2 * r, 2 * r)));
      painter.drawRects(squares);
    }
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kOutside, canvas.units(0.35)));
  for (const QPointF& at : outside) painter.drawEllipse(at, r * 1.5, r * 1.5);
}

void drawLabels(ReportCanvas& canvas, const SurfaceRun& run, const SurfaceProjection& plan) {
  if (run.comparison.failed + run.count(survey::ShotPlace::Outside) > kMostLabels) return;
  canvas.painter().setPen(Qt::black);
  canvas.painter().setFont(ReportCanvas::font(6));
  for (std::size_t i = 0; i < run.places.size(); ++i) {
    if (run.places[i] != survey::ShotPlace::Outside && run.comparison.pairs[i].failing.empty()) {
      continue;
    }
    const survey::Point& shot = run.survey.points[i];
    const QPointF at = plan.mm(shot.x, shot.y);
    canvas.text(at.x() + 1.5, at.y() - 3.5, 30, 3, QString::fromStdString(shot.id));
  }
}

// The colour classes in a row, each with its range of dz in the report's unit; below them the
// ring of a shot outside the surface and the lines of the surface.
void drawLegend(ReportCanvas& canvas, const SurfaceRun& run, const CheckReport& report,
                const DzColours& colours, double y) {
  const DeviationScale dz = deviationScale(report, survey::kSurfaceDz);
  const auto n = [&](double value) { return QString::fromStdString(dz.text(value)); };
  // Each range says its unit when the report names one: "-50 to -30 mm".
  const QString unit = dz.unit.empty() ? QString() : " " + QString::fromStdString(dz.unit);
  const auto& limits = colours.limits();
  const QString ranges[DzColours::kClasses] = {
      QStringLiteral("cut < %1").arg(n(limits[0])),
      QStringLiteral("%1 to %2").arg(n(limits[0]), n(limits[1])),
      QStringLiteral("%1 to %2").arg(n(limits[1]), n(limits[2])),
      QStringLiteral("%1 to %2").arg(n(limits[2]), n(limits[3])),
      QStringLiteral("%1 to %2").arg(n(limits[3]), n(limits[4])),
      QStringLiteral("%1 to %2").arg(n(limits[4]), n(limits[5])),
      QStringLiteral("fill > %1").arg(n(limits[5]))};
  QPainter& painter = canvas.painter();
  painter.setFont(ReportCanvas::font(7));
  const double width = ReportCanvas::kBodyWidth / DzColours::kClasses;
  for (std::size_t c = 0; c < DzColours::kClasses; ++c) {
    const double x = ReportCanvas::kMargin + static_cast<double>(c) * width;
    painter.fillRect(canvas.rect(x, y, width, 3), colours.colour(c));
    painter.setPen(Qt::black);
    canvas.text(x, y + 3.5, width, 4, ranges[c] + unit, Qt::AlignHCenter);
  }
  y += 10;
  const double r = canvas.units(0.9);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kOutside, canvas.units(0.35)));
  painter.drawEllipse(canvas.at(ReportCanvas::kMargin + 2, y + 2), r * 1.5, r * 1.5);
  painter.setPen(QPen(kFaceLines, canvas.units(0.3)));
  painter.drawLine(canvas.at(ReportCanvas::kMargin + 60, y + 2),
                   canvas.at(ReportCanvas::kMargin + 66, y + 2));
  painter.setPen(QPen(kBoundary, canvas.units(0.3)));
  painter.drawLine(canvas.at(ReportCanvas::kMargin + 120, y + 2),
                   canvas.at(ReportCanvas::kMargin + 126, y + 2));
  painter.setPen(Qt::black);
  painter.setFont(ReportCanvas::font(8));
  canvas.text(
      ReportCanvas::kMargin + 5, y, 54, 4,
      QStringLiteral("outside the surface (%1)").arg(run.count(survey::ShotPlace::Outside)));
  canvas.text(ReportCanvas::kMargin + 68, y, 50, 4, QStringLiteral("faces of the surface"));
  canvas.text(ReportCanvas::kMargin + 128, y, 50, 4, QStringLiteral("its boundary"));
}

}  // namespace

void drawSurfacePlanPage(ReportCanvas& canvas, const SurfaceRun& run, const CheckReport& report) {
  const SurfaceProjection plan(run);
  std::vector<double> dz;
  dz.reserve(run.comparison.pairs.size());
  for (const survey::ComparedPair& shot : run.comparison.pairs) {
    if (shot.values[survey::kSurfaceDz]) dz.push_back(*shot.values[survey::kSurfaceDz]);
  }
  const DzColours colours(dz, run.tolerances[survey::kSurfaceDz]);
  const SurfaceEdges edges = edgesOf(run.design);
  const bool facesDrawn = run.design.faces.size() <= kMostFacesDrawn;

  QPainter& painter = canvas.painter();
  painter.setFont(ReportCanvas::font(14, true));
  canvas.text(ReportCanvas::kMargin, ReportCanvas::kBodyTop, ReportCanvas::kBodyWidth, 8,
              QStringLiteral("Plan of the shots on the surface"));
  painter.setFont(ReportCanvas::font(9));
  canvas.wrappedText(
      ReportCanvas::kMargin, ReportCanvas::kBodyTop + 9, ReportCanvas::kBodyWidth, 4.5,
      QStringLiteral("Each shot coloured by dz: red where it lies below the design (cut), blue "
                     "where above (fill), grey within tolerance. %1")
          .arg(facesDrawn ? QStringLiteral("The surface's %1 faces in light grey.")
                                .arg(run.design.faces.size())
                          : QStringLiteral("The surface's %1 faces are too small to draw at "
                                           "this scale: its boundary only.")
                                .arg(run.design.faces.size())));

  const QRectF frame =
      canvas.rect(ReportCanvas::kMargin, kFrameTop, ReportCanvas::kBodyWidth, kFrameHeight);
  painter.save();
  painter.setClipRect(frame);
  if (facesDrawn) drawEdges(canvas, run, plan, edges.inner, kFaceLines, 0.1);
  if (run.design.boundaries.empty()) {
    drawEdges(canvas, run, plan, edges.boundary, kBoundary, 0.3);
  } else {
    if (facesDrawn) drawEdges(canvas, run, plan, edges.boundary, kFaceLines, 0.1);
    drawRings(canvas, run, plan);
  }
  drawShots(canvas, run, plan, colours);
  drawLabels(canvas, run, plan);
  painter.restore();
  painter.setPen(QPen(Qt::black, canvas.units(0.3)));
  painter.drawRect(frame);
  drawNorthArrow(canvas, ReportCanvas::kMargin + ReportCanvas::kBodyWidth - 10, kFrameTop + 4, 0.0);

  const double below = kFrameTop + kFrameHeight;
  drawLegend(canvas, run, report, colours, below + 3);
  const double bar = roundNumberAtMost(40.0 / plan.mmPerUnit());
  drawScaleBar(canvas, ReportCanvas::kMargin, below + 24, bar * plan.mmPerUnit(),
               QStringLiteral("Plan"), QString::fromStdString(numbers::storedForm(bar, ".")));
}

}  // namespace check::report
