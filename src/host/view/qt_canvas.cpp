#include "host/view/qt_canvas.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>

namespace host::view {
namespace {

// Texts are laid out in a large font and scaled down, which keeps their shapes exact.
constexpr int kLayoutPixels = 100;
// Texts smaller than this on screen are not legible: each is drawn as a line through its
// middle, as long as the text would be, which keeps painting fast and shows where texts are.
constexpr double kSmallestTextPixels = 1.5;
// The advance of an average character in cap heights, for the length of such a line.
constexpr double kAverageAdvance = 0.85;
constexpr double kMarkerHalf = 5.0;
// How much of its colour a light fill shows over the background.
constexpr double kLightFill = 0.3;

QColor inkColour(Ink ink) {
  switch (ink) {
    case Ink::Entity:
      return QColor(230, 230, 230);
    case Ink::UcsIcon:
      return QColor(110, 200, 255);
    case Ink::SnapMarker:
      return QColor(255, 210, 0);
  }
  return Qt::white;
}

QPointF toQt(const Eigen::Vector2d& p) {
  return {p.x(), p.y()};
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, Surface surface)
    : painter_(painter),
      foreground_(surface == Surface::Paper ? QColor(Qt::black) : inkColour(Ink::Entity)),
      font_("DejaVu Sans") {
  font_.setPixelSize(kLayoutPixels);
  capHeight_ = QFontMetricsF(font_).capHeight();
  if (capHeight_ <= 0) capHeight_ = 0.7 * kLayoutPixels;
  painter_.setRenderHint(QPainter::Antialiasing);
}

QtCanvas::~QtCanvas() {
  paintDots();
}

void QtCanvas::paintDots() {
  if (dots_.empty()) return;
  paintPixelDots(painter_, dots_);
  dots_.clear();
}

void QtCanvas::dot(const Eigen::Vector2d& at) {
  dots_.push_back({QPointF(at.x(), at.y()), dotSide_});
}

QColor QtCanvas::background() {
  return QColor(33, 40, 48);
}

void QtCanvas::setInk(Ink ink) {
  paintDots();
  dotSide_ = 1;
  QPen pen(ink == Ink::Entity ? foreground_ : inkColour(ink));
  pen.setWidthF(ink == Ink::SnapMarker ? 2.0 : 1.0);
  pen.setCosmetic(true);
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
}

void QtCanvas::setColour(Rgb colour) {
  paintDots();
  QPen pen = painter_.pen();
  pen.setColor(colour == kForeground ? foreground_ : QColor::fromRgb(colour));
  painter_.setPen(pen);
}

void QtCanvas::setLineWidth(double pixels) {
  // Dots keep their own size: a drawing whose lineweights alternate paints them together still.
  dotSide_ = dotSide(pixels);
  QPen pen = painter_.pen();
  // The pen's square ends close the corners where separate lines meet; round ends would look
  // smoother but take about twice as long to paint.
  pen.setWidthF(pixels);
  painter_.setPen(pen);
}

void QtCanvas::polyline(const std::vector<Eigen::Vector2d>& points, bool closed) {
  paintDots();
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const auto& p : points) polygon << toQt(p);
  if (closed) {
    painter_.drawPolygon(polygon);
  } else {
    painter_.drawPolyline(polygon);
  }
}

void QtCanvas::fill(const std::vector<std::vector<Eigen::Vector2d>>& loops, bool light) {
  paintDots();
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  for (const auto& loop : loops) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(loop.size()));
    for (const auto& p : loop) polygon << toQt(p);
    path.addPolygon(polygon);
    path.closeSubpath();
  }
  QColor colour = painter_.pen().color();
  // A light fill lets the background through, so that it reads as a pattern's tone.
  if (light) colour.setAlphaF(kLightFill);
  painter_.save();
  painter_.setBrush(colour);
  if (light) painter_.setPen(Qt::NoPen);
  painter_.drawPath(path);
  painter_.restore();
}

void QtCanvas::text(const std::string& text, const Eigen::Affine2d& textToScreen,
                    const TextFit& fit) {
  paintDots();
  const Eigen::Matrix2d& m = textToScreen.linear();
  const bool legible = m.col(1).norm() >= kSmallestTextPixels;
  const QString line = QString::fromStdString(text);
  // Text units: the cap height is one.
  const double s = 1.0 / capHeight_;
  double stretch = 1.0;
  double lift = 1.0;
  double shift = 0.0;
  double natural = legible ? 0.0 : kAverageAdvance * static_cast<double>(line.size());
  if (fit.width > 0.0f || fit.anchor != 0.0f) {
    if (legible) natural = QFontMetricsF(font_).horizontalAdvance(line) * s;
    if (fit.width > 0.0f && natural > 0.0) stretch = fit.width / natural;
    if (fit.proportional) lift = stretch;
    shift = -fit.anchor * natural * stretch;
  }
  if (!legible) {
    painter_.drawLine(toQt(textToScreen * Eigen::Vector2d(shift, 0.5 * lift)),
                      toQt(textToScreen * Eigen::Vector2d(shift + natural * stretch, 0.5 * lift)));
    return;
  }
  // Qt lays text out with Y down from the baseline; text coordinates have Y up.
  const double sx = s * stretch;
  const double sy = s * lift;
  const Eigen::Vector2d origin = textToScreen * Eigen::Vector2d(shift, 0.0);
  const QTransform textToPixels(m(0, 0) * sx, m(1, 0) * sx, -m(0, 1) * sy, -m(1, 1) * sy,
                                origin.x(), origin.y());
  painter_.save();
  painter_.setTransform(textToPixels, true);
  painter_.setFont(font_);
  painter_.drawText(QPointF(0, 0), line);
  painter_.restore();
}

void QtCanvas::marker(const Eigen::Vector2d& at, Marker marker) {
  paintDots();
  const QPointF c = toQt(at);
  const double h = kMarkerHalf;
  switch (marker) {
    case Marker::Point:
      painter_.drawLine(c + QPointF(-2, 0), c + QPointF(2, 0));
      painter_.drawLine(c + QPointF(0, -2), c + QPointF(0, 2));
      break;
    case Marker::Endpoint:
      painter_.drawRect(QRectF(c - QPointF(h, h), c + QPointF(h, h)));
      break;
    case Marker::Centre:
      painter_.drawEllipse(c, h, h);
      break;
    case Marker::Insertion:
      painter_.drawRect(QRectF(c - QPointF(h, h), c + QPointF(h, h)));
      painter_.drawLine(c + QPointF(-h, -h), c + QPointF(h, h));
      painter_.drawLine(c + QPointF(-h, h), c + QPointF(h, -h));
      break;
  }
}

}  // namespace host::view
