#pragma once

#include <QString>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cad/automation.h"
#include "check/check_report.h"
#include "check/draw_settings.h"

namespace check::report {
class ReportCanvas;
}

namespace check {

// One cell of a shot's row: the text shown, and the number it sorts by where it holds one.
struct ShotCell {
  QString text;
  std::optional<double> number;
};

// A check of shots against something other than design points, a surface or an alignment, as
// the check window shows, draws and saves it: a row per shot with the columns of its CSV
// report.
class ShotCheck {
 public:
  virtual ~ShotCheck() = default;

  // The statistics and tolerances, as every check's outputs write them.
  virtual CheckReport report() const = 0;
  virtual std::vector<QString> headers() const = 0;
  virtual std::size_t rowCount() const = 0;
  virtual ShotCell cell(std::size_t row, std::size_t column) const = 0;
  // Outside tolerance, or off the surface or the alignment.
  virtual bool failed(std::size_t row) const = 0;
  // "120 shots: 100 pass, 15 fail, 5 outside the surface".
  virtual QString counts() const = 0;
  // Draws the shots as `kestova check --dxf` does. Throws cad::AutomationError.
  virtual void draw(cad::Document& drawing, const DrawSettings& settings) const = 0;
  // The CSV of `kestova check --csv`, whole or not at all.
  virtual void saveCsv(const std::filesystem::path& path) const = 0;
  // The PDF of `kestova check --pdf`, with the job's fields and report settings of `signOff`
  // (report() with what the user gave for sign-off), whole or not at all. Needs a QApplication.
  virtual void savePdf(const std::filesystem::path& path, const CheckReport& signOff) const = 0;
  // The picture that the PDF report gives a page to, shown beside the summary: its caption
  // ("Plan", "Long section"), and the page drawn on `canvas`.
  virtual QString pictureCaption() const = 0;
  virtual void drawPicture(report::ReportCanvas& canvas) const = 0;
};

}  // namespace check
