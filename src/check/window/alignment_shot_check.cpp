#include "check/window/alignment_shot_check.h"

#include <QDateTime>

#include "check/alignment_outputs.h"
#include "check/alignment_run.h"
#include "check/draw/alignment_drawing.h"
#include "check/report/alignment_pages.h"
#include "check/report/alignment_report.h"
#include "numbers/number_format.h"

namespace check {
namespace {

// The columns as the CSV report orders them, each difference after what it is measured from.
enum Column {
  Id,
  SurveyX,
  SurveyY,
  SurveyZ,
  Chainage,
  Offset,
  DesignOffset,
  OffsetDifference,
  DesignZ,
  LevelDifference,
  Status,
  Code
};

class AlignmentShotCheck : public ShotCheck {
 public:
  AlignmentShotCheck(const CheckRequest& request, const AlignmentOptions& options)
      : run_(checkAlongAlignment(request, options)) {}

  CheckReport report() const override { return run_.report(); }

  std::vector<QString> headers() const override {
    const survey::ComponentSchema& schema = run_.comparison.schema;
    return {"Id",
            "Survey x",
            "Survey y",
            "Survey z",
            "Chainage",
            "Offset",
            "Design offset",
            QString::fromStdString(schema[survey::kOffsetDifference].heading),
            "Design z",
            QString::fromStdString(schema[survey::kLevelDifference].heading),
            "Status",
            "Code"};
  }

  std::size_t rowCount() const override { return run_.shots.size(); }

  ShotCell cell(std::size_t row, std::size_t column) const override {
    const survey::AlignedShot& shot = run_.shots[row];
    const survey::Point& point = run_.survey.points[shot.shot];
    const survey::ComponentValues& values = run_.comparison.pairs[row].values;
    switch (column) {
      case Id:
        return {QString::fromStdString(point.id), {}};
      case SurveyX:
        return number(point.x);
      case SurveyY:
        return number(point.y);
      case SurveyZ:
        return number(point.z);
      case Chainage:
        return number(shot.station.chainage);
      case Offset:
        return number(shot.station.offset);
      case DesignOffset:
        return number(shot.designOffset);
      case OffsetDifference:
        return number(values[survey::kOffsetDifference]);
      case DesignZ:
        return number(shot.designLevel);
      case LevelDifference:
        return number(values[survey::kLevelDifference]);
      case Status:
        return {status(row), {}};
      default:
        return {QString::fromStdString(point.code), {}};
    }
  }

  bool failed(std::size_t row) const override {
    return run_.shots[row].outside || !run_.comparison.pairs[row].failing.empty();
  }

  QString counts() const override {
    const std::size_t along = run_.shots.size() - run_.outside;
    return QString("%1 shots: %2 pass, %3 fail, %4 outside the alignment")
        .arg(run_.shots.size())
        .arg(along - run_.comparison.failed)
        .arg(run_.comparison.failed)
        .arg(run_.outside);
  }

  void draw(cad::Document& drawing, const DrawSettings& settings) const override {
    draw::drawAlignmentShots(drawing, run_, settings);
  }

  void saveCsv(const std::filesystem::path& path) const override { saveAlignmentCsv(path, run_); }
  void savePdf(const std::filesystem::path& path, const CheckReport& signOff) const override {
    report::saveAlignmentPdfReport(path, run_, signOff, QDateTime::currentDateTime());
  }

  QString pictureCaption() const override { return "Long section"; }
  void drawPicture(report::ReportCanvas& canvas) const override {
    report::drawLongSectionPage(canvas, run_, run_.report());
  }

 private:
  ShotCell number(std::optional<double> value) const {
    if (!value) return {};
    return {QString::fromStdString(numbers::formatWithDP(*value, run_.numberFormat, ".")), value};
  }

  QString status(std::size_t row) const {
    if (run_.shots[row].outside) return "outside";
    const auto& failing = run_.comparison.pairs[row].failing;
    if (failing.empty()) return "pass";
    return "fail (" + QString::fromStdString(survey::keysOf(run_.comparison.schema, failing)) + ")";
  }

  const AlignmentRun run_;
};

}  // namespace

std::shared_ptr<const ShotCheck> checkShotsAlongAlignment(const CheckRequest& request,
                                                          const AlignmentOptions& options) {
  return std::make_shared<const AlignmentShotCheck>(request, options);
}

}  // namespace check
