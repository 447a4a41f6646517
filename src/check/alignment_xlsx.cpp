#include "check/alignment_xlsx.h"

#include <string>

#include "check/alignment_outputs.h"
#include "check/workbook.h"
#include "check/workbook_cells.h"
#include "survey/joined_survey.h"

namespace check {
namespace {

void writeSummary(Workbook& workbook, const AlignmentRun& run, const CheckReport& report) {
  Sheet sheet = workbook.addSheet("Summary");
  Fields fields = summaryHead(sheet, "Survey check along the alignment", 20, report);
  const survey::HorizontalAlignment& plan = run.alignment.plan;
  fields.text("Design", run.design.name);
  fields.text("Alignment", run.described);
  fields.ownText("Chainage",
                 report.number(plan.startChainage()) + " to " + report.number(plan.endChainage()));
  fields.text("Survey", run.survey.name);
  fields.count("Survey shots", run.shots.size());
  fields.count("Along the alignment", run.shots.size() - run.outside);
  fields.count("Outside the alignment", run.outside);
  fields.ownText("Differences", "survey minus design, offsets positive to the right");
  toleranceRows(fields, report);
  summaryFoot(sheet, fields, report);
}

void writeShots(Workbook& workbook, const AlignmentRun& run, const CheckReport& report) {
  Sheet sheet = workbook.addSheet("Shots");
  const survey::ComponentSchema& schema = run.comparison.schema;
  const DeviationScale offsetScale = deviationScale(report, survey::kOffsetDifference);
  const DeviationScale levelScale = deviationScale(report, survey::kLevelDifference);
  std::size_t column = 0;
  for (const std::string& heading :
       {std::string("id"), std::string("survey_x"), std::string("survey_y"),
        std::string("survey_z"), std::string("chainage"), std::string("offset"),
        std::string("design_offset"), offsetScale.heading(schema[survey::kOffsetDifference].column),
        std::string("design_z"), levelScale.heading(schema[survey::kLevelDifference].column),
        std::string("status"), std::string("failing"), std::string("survey_code"),
        std::string("survey_file"), std::string("survey_line")}) {
    sheet.heading(0, column++, heading);
  }
  sheet.widen(0, 0, 14);
  sheet.widen(1, 9, 13);
  sheet.freeze(1, 1);
  for (std::size_t i = 0; i < run.shots.size(); ++i) {
    const survey::AlignedShot& shot = run.shots[i];
    const survey::Point& point = run.survey.points[shot.shot];
    const survey::ComparedPair& compared = run.comparison.pairs[i];
    const std::size_t row = i + 1;
    sheet.text(row, 0, point.id);
    writeNumber(sheet, row, 1, report, point.x);
    writeNumber(sheet, row, 2, report, point.y);
    writeNumber(sheet, row, 3, report, point.z);
    writeNumber(sheet, row, 4, report, shot.station.chainage);
    writeNumber(sheet, row, 5, report, shot.station.offset);
    writeNumber(sheet, row, 6, report, shot.designOffset);
    writeDeviation(sheet, row, 7, offsetScale, compared.values[survey::kOffsetDifference]);
    writeNumber(sheet, row, 8, report, shot.designLevel);
    writeDeviation(sheet, row, 9, levelScale, compared.values[survey::kLevelDifference]);
    sheet.ownText(row, 10, alignmentShotStatus(shot, compared));
    sheet.ownText(row, 11, survey::keysOf(schema, compared.failing));
    sheet.text(row, 12, point.code);
    sheet.text(row, 13, survey::fileNameOf(run.survey, point));
    sheet.count(row, 14, point.line);
  }
}

}  // namespace

void writeAlignmentXlsx(const std::filesystem::path& path, const AlignmentRun& run,
                        const CheckReport& report) {
  Workbook workbook(path);
  writeSummary(workbook, run, report);
  writeShots(workbook, run, report);
  workbook.close();
}

}  // namespace check
