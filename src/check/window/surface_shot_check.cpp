#include "check/window/surface_shot_check.h"

#include <QDateTime>

#include "check/draw/surface_drawing.h"
#include "check/report/surface_pages.h"
#include "check/report/surface_report.h"
#include "check/surface_csv.h"
#include "numbers/number_format.h"

namespace check {
namespace {

// The columns before those of the components; the status and the code follow them.
enum Column { Id, SurveyX, SurveyY, SurveyZ, DesignZ, kFirstComponent };

class SurfaceShotCheck : public ShotCheck {
 public:
  SurfaceShotCheck(const SurfaceRequest& request, std::stop_token stop)
      : run_(checkSurface(request, stop)) {}

  CheckReport report() const override { return run_.report(); }

  std::vector<QString> headers() const override {
    std::vector<QString> headers{"Id", "Survey x", "Survey y", "Survey z", "Design z"};
    for (const survey::Component& component : run_.comparison.schema) {
      headers.push_back(QString::fromStdString(component.heading));
    }
    headers.insert(headers.end(), {"Status", "Code"});
    return headers;
  }

  std::size_t rowCount() const override { return run_.survey.points.size(); }

  ShotCell cell(std::size_t row, std::size_t column) const override {
    const survey::Point& shot = run_.survey.points[row];
    const std::size_t components = run_.comparison.schema.size();
    switch (column) {
      case Id:
        return {QString::fromStdString(shot.id), {}};
      case SurveyX:
        return number(shot.x);
      case SurveyY:
        return number(shot.y);
      case SurveyZ:
        return number(shot.z);
      case DesignZ:
        return number(run_.designZ[row]);
      default:
        break;
    }
    if (column < kFirstComponent + components) {
      return number(run_.comparison.pairs[row].values[column - kFirstComponent]);
    }
    if (column == kFirstComponent + components) return {status(row), {}};
    return {QString::fromStdString(shot.code), {}};
  }

  bool failed(std::size_t row) const override {
    return run_.places[row] == survey::ShotPlace::Outside ||
           !run_.comparison.pairs[row].failing.empty();
  }

  QString counts() const override {
    const std::size_t on = run_.count(survey::ShotPlace::OnSurface);
    QString text = QString("%1 shots: %2 pass, %3 fail, %4 outside the surface")
                       .arg(run_.survey.points.size())
                       .arg(on - run_.comparison.failed)
                       .arg(run_.comparison.failed)
                       .arg(run_.count(survey::ShotPlace::Outside));
    if (const std::size_t levelless = run_.count(survey::ShotPlace::NoHeight); levelless > 0) {
      text += QString(", %1 without a level").arg(levelless);
    }
    return text;
  }

  void draw(cad::Document& drawing, const DrawSettings& settings) const override {
    draw::drawSurfaceShots(drawing, run_, settings);
  }

  void saveCsv(const std::filesystem::path& path) const override { saveSurfaceCsv(path, run_); }
  void savePdf(const std::filesystem::path& path, const CheckReport& signOff) const override {
    report::saveSurfacePdfReport(path, run_, signOff, QDateTime::currentDateTime());
  }

  QString pictureCaption() const override { return "Plan"; }
  void drawPicture(report::ReportCanvas& canvas) const override {
    report::drawSurfacePlanPage(canvas, run_, run_.report());
  }

 private:
  ShotCell number(std::optional<double> value) const {
    if (!value) return {};
    return {QString::fromStdString(numbers::formatWithDP(*value, run_.numberFormat, ".")), value};
  }

  QString status(std::size_t row) const {
    switch (run_.places[row]) {
      case survey::ShotPlace::Outside:
        return "outside";
      case survey::ShotPlace::NoHeight:
        return "no level";
      case survey::ShotPlace::OnSurface:
        break;
    }
    const auto& failing = run_.comparison.pairs[row].failing;
    if (failing.empty()) return "pass";
    return "fail (" + QString::fromStdString(survey::keysOf(run_.comparison.schema, failing)) + ")";
  }

  const SurfaceRun run_;
};

}  // namespace

std::shared_ptr<const ShotCheck> checkShotsOnSurface(const SurfaceRequest& request,
                                                     std::stop_token stop) {
  return std::make_shared<const SurfaceShotCheck>(request, stop);
}

}  // namespace check
