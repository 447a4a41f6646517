#include "check/surface_xlsx.h"

#include <string>
#include <vector>

#include "check/surface_csv.h"
#include "check/workbook.h"
#include "check/workbook_cells.h"
#include "survey/joined_survey.h"

namespace check {
namespace {

void writeSummary(Workbook& workbook, const SurfaceRun& run, const CheckReport& report) {
  Sheet sheet = workbook.addSheet("Summary");
  Fields fields = summaryHead(sheet, "Survey check against the surface", 20, report);
  fields.text("Design", run.design.name);
  fields.count("Design faces", run.design.faces.size());
  fields.text("Survey", run.survey.name);
  fields.count("Survey shots", run.survey.points.size());
  fields.count("On the surface", run.count(survey::ShotPlace::OnSurface));
  fields.count("Outside the surface", run.count(survey::ShotPlace::Outside));
  fields.count("Without a level", run.count(survey::ShotPlace::NoHeight));
  fields.ownText("Deviations", "survey minus design, positive above the design (fill)");
  toleranceRows(fields, report);
  summaryFoot(sheet, fields, report);
}

void writeShots(Workbook& workbook, const SurfaceRun& run, const CheckReport& report) {
  Sheet sheet = workbook.addSheet("Shots");
  const survey::ComponentSchema& schema = run.comparison.schema;
  std::size_t column = 0;
  for (const char* heading : {"id", "survey_x", "survey_y", "survey_z", "design_z"}) {
    sheet.heading(0, column++, heading);
  }
  std::vector<DeviationScale> scales;
  for (std::size_t k = 0; k < schema.size(); ++k) {
    scales.push_back(deviationScale(report, k));
    sheet.heading(0, column++, scales.back().heading(schema[k].column));
  }
  for (const char* heading : {"status", "failing", "survey_code", "survey_file", "survey_line"}) {
    sheet.heading(0, column++, heading);
  }
  sheet.widen(0, 0, 14);
  sheet.widen(1, 4, 13);
  sheet.freeze(1, 1);
  for (std::size_t i = 0; i < run.survey.points.size(); ++i) {
    const survey::Point& shot = run.survey.points[i];
    const survey::ComparedPair& compared = run.comparison.pairs[i];
    const std::size_t row = i + 1;
    sheet.text(row, 0, shot.id);
    writeNumber(sheet, row, 1, report, shot.x);
    writeNumber(sheet, row, 2, report, shot.y);
    writeNumber(sheet, row, 3, report, shot.z);
    writeNumber(sheet, row, 4, report, run.designZ[i]);
    column = 5;
    for (std::size_t k = 0; k < compared.values.size(); ++k) {
      writeDeviation(sheet, row, column++, scales[k], compared.values[k]);
    }
    sheet.ownText(row, column++, surfaceShotStatus(run, i));
    sheet.ownText(row, column++, survey::keysOf(schema, compared.failing));
    sheet.text(row, column++, shot.code);
    sheet.text(row, column++, survey::fileNameOf(run.survey, shot));
    sheet.count(row, column, shot.line);
  }
}

}  // namespace

void writeSurfaceXlsx(const std::filesystem::path& path, const SurfaceRun& run,
                      const CheckReport& report) {
  Workbook workbook(path);
  writeSummary(workbook, run, report);
  writeShots(workbook, run, report);
  workbook.close();
}

}  // namespace check
