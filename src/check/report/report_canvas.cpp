#include "check/report/report_canvas.h"

#include <QFontMetricsF>
#include <cmath>
#include <stdexcept>

namespace check::report {

namespace {

QImage& blank(QImage& image) {
  const double dotsPerMetre = image.width() / ReportCanvas::kPageWidth * 1000.0;
  image.setDotsPerMeterX(static_cast<int>(std::lround(dotsPerMetre)));
  image.setDotsPerMeterY(static_cast<int>(std::lround(dotsPerMetre)));
  image.fill(Qt::white);
  return image;
}

}  // namespace

ReportCanvas::ReportCanvas(QPdfWriter& writer, int pageCount, QString runningHead)
    : ReportCanvas(writer, &writer, writer.resolution() / 25.4, pageCount, std::move(runningHead)) {
}

ReportCanvas::ReportCanvas(QImage& image, QString caption)
    : ReportCanvas(blank(image), nullptr, image.width() / kPageWidth, 0, std::move(caption)) {}

ReportCanvas::ReportCanvas(QPaintDevice& device, QPdfWriter* writer, double unitsPerMm,
                           int pageCount, QString runningHead)
    : device_(device),
      writer_(writer),
      unitsPerMm_(unitsPerMm),
      pageCount_(pageCount),
      runningHead_(std::move(runningHead)) {
  if (!painter_.begin(&device_)) {
    throw std::runtime_error(writer_ != nullptr ? "the PDF report cannot be drawn"
                                                : "the picture cannot be drawn");
  }
  painter_.setRenderHint(QPainter::Antialiasing);
  drawFrame();
}

void ReportCanvas::nextPage() {
  if (writer_ == nullptr) throw std::logic_error("an image has one page");
  writer_->newPage();
  ++page_;
  drawFrame();
}

void ReportCanvas::finish() {
  painter_.end();
}

QFont ReportCanvas::font(double points, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

void ReportCanvas::text(double x, double y, double width, double height, const QString& text,
                        Qt::Alignment alignment) {
  const QRectF box = rect(x, y, width, height);
  const QString shown =
      QFontMetricsF(painter_.font(), &device_).elidedText(text, Qt::ElideRight, box.width());
  painter_.drawText(box, static_cast<int>(alignment | Qt::AlignVCenter), shown);
}

double ReportCanvas::wrappedText(double x, double y, double width, double lineHeight,
                                 const QString& text) {
  const QFontMetricsF metrics(painter_.font(), &device_);
  const double widthUnits = units(width);
  QStringList lines;
  QString line;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer) > widthUnits) {
      lines << line;
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.isEmpty()) lines << line;
  for (int k = 0; k < lines.size(); ++k)
    this->text(x, y + k * lineHeight, width, lineHeight, lines[k]);
  return static_cast<double>(lines.size()) * lineHeight;
}

QSizeF ReportCanvas::textSize(const QString& text) const {
  const QFontMetricsF metrics(painter_.font(), &device_);
  return QSizeF(metrics.horizontalAdvance(text), metrics.height()) / unitsPerMm_;
}

void ReportCanvas::drawFrame() {
  painter_.setPen(Qt::black);
  painter_.setFont(font(8));
  text(kMargin, 10, kBodyWidth, 6, runningHead_);
  if (pageCount_ > 0) {
    text(kMargin, kBodyBottom + 4, kBodyWidth, 6,
         QStringLiteral("Page %1 of %2").arg(page_).arg(pageCount_), Qt::AlignRight);
  }
  painter_.setPen(QPen(Qt::gray, units(0.2)));
  painter_.drawLine(at(kMargin, 17), at(kPageWidth - kMargin, 17));
  painter_.setPen(Qt::black);
}

}  // namespace check::report
