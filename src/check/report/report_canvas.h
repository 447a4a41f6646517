#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>
#include <QString>

namespace check::report {

// The A4 pages of the report as its drawing code sees them: places in millimetres from the
// page's top left corner, a running head and "Page n of m" on every page.
class ReportCanvas {
 public:
  static constexpr double kPageWidth = 210.0;
  static constexpr double kPageHeight = 297.0;
  static constexpr double kMargin = 15.0;
  // Where a page's content goes, below the running head and above the page number.
  static constexpr double kBodyTop = 26.0;
  static constexpr double kBodyBottom = 278.0;
  static constexpr double kBodyWidth = kPageWidth - 2 * kMargin;

  // Begins painting on `writer`, whose pages are A4 without margins. Throws std::runtime_error
  // when the writer cannot be painted on.
  ReportCanvas(QPdfWriter& writer, int pageCount, QString runningHead);
  // Begins painting one page on `image`, of an A4 page's proportions, for the screen: white,
  // `caption` as its head and no page number. Sets the image's resolution so that fonts take the
  // room on it that they take on paper.
  ReportCanvas(QImage& image, QString caption);
  ReportCanvas(const ReportCanvas&) = delete;
  ReportCanvas& operator=(const ReportCanvas&) = delete;

  // Starts the next page (the first one is started by the constructor) with its head and number.
  // A PDF's only: an image has one page.
  void nextPage();
  void finish();

  QPainter& painter() { return painter_; }
  // Millimetres as the device's units.
  double units(double mm) const { return mm * unitsPerMm_; }
  QPointF at(double x, double y) const { return {units(x), units(y)}; }
  QRectF rect(double x, double y, double width, double height) const {
    return {at(x, y), at(x + width, y + height)};
  }

  // A font of the report's family, `points` high.
  static QFont font(double points, bool bold = false);
  // One line of text in the box at (x, y) `width` millimetres wide and `height` high, elided
  // when it does not fit.
  void text(double x, double y, double width, double height, const QString& text,
            Qt::Alignment alignment = Qt::AlignLeft);
  // Text wrapped at word boundaries in lines `lineHeight` high within `width` millimetres from
  // (x, y); returns the height it took.
  double wrappedText(double x, double y, double width, double lineHeight, const QString& text);
  // The width and the height of `text` in the painter's font, in millimetres.
  QSizeF textSize(const QString& text) const;

 private:
  ReportCanvas(QPaintDevice& device, QPdfWriter* writer, double unitsPerMm, int pageCount,
               QString runningHead);
  void drawFrame();

  QPaintDevice& device_;
  QPdfWriter* writer_;  // none for an image
  QPainter painter_;
  double unitsPerMm_;
  int pageCount_;  // none shown when 0
  int page_ = 1;
  QString runningHead_;
};

}  // namespace check::report
