#include "check/xlsx_report.h"

#include <string>

#include "check/deviation_scale.h"
#include "check/staged_outputs.h"
#include "check/workbook.h"
#include "check/workbook_cells.h"

namespace check {
namespace {

void writeSummary(Workbook& workbook, const CheckReport& report) {
  Sheet sheet = workbook.addSheet("Summary");
  Fields fields = summaryHead(sheet, "Survey check", 18, report);
  fields.text("Design", report.design.name);
  fields.count("Design points", report.design.points.size());
  fields.text("Survey", report.survey.name);
  fields.count("Survey shots", report.survey.points.size());
  fields.count("Pairs", report.pairing.pairs.size());
  fields.ownText("Matched", report.matching);
  fields.text("Deviations", "survey minus design along " + report.frame);
  toleranceRows(fields, report);
  fields.count("Never surveyed", report.pairing.unmatchedDesign.size());
  fields.count("No design point", report.pairing.unmatchedSurvey.size());
  summaryFoot(sheet, fields, report);
}

void writePoint(Sheet& sheet, std::size_t row, std::size_t column, const CheckReport& report,
                const survey::Point& point) {
  writeNumber(sheet, row, column, report, point.x);
  writeNumber(sheet, row, column + 1, report, point.y);
  writeNumber(sheet, row, column + 2, report, point.z);
}

void writePairs(Workbook& workbook, const CheckReport& report) {
  Sheet sheet = workbook.addSheet("Pairs");
  const survey::ComponentSchema& schema = report.comparison.schema;
  std::size_t column = 0;
  for (const char* heading :
       {"id", "design x", "design y", "design z", "survey x", "survey y", "survey z", "shots"}) {
    sheet.heading(0, column++, heading);
  }
  std::vector<DeviationScale> scales;
  for (std::size_t k = 0; k < schema.size(); ++k) {
    scales.push_back(deviationScale(report, k));
    sheet.heading(0, column++, scales.back().heading(schema[k].heading));
  }
  for (const char* heading : {"status", "failing", "design code", "survey code"}) {
    sheet.heading(0, column++, heading);
  }
  for (std::size_t k = 0; k < schema.size(); ++k) {
    sheet.heading(0, column++, "spread " + scales[k].heading(schema[k].heading));
  }
  sheet.widen(0, 0, 14);
  sheet.widen(1, 6, 13);
  sheet.freeze(1, 1);
  const std::vector<survey::Point>& design = report.design.points;
  for (std::size_t i = 0; i < report.pairing.pairs.size(); ++i) {
    const survey::Pair& pair = report.pairing.pairs[i];
    const survey::ComparedPair& compared = report.comparison.pairs[i];
    const std::size_t row = i + 1;
    sheet.text(row, 0, design[pair.design].id);
    writePoint(sheet, row, 1, report, design[pair.design]);
    writePoint(sheet, row, 4, report, pair.survey.point);
    sheet.count(row, 7, pair.survey.shots);
    column = 8;
    for (std::size_t k = 0; k < compared.values.size(); ++k) {
      writeDeviation(sheet, row, column++, scales[k], compared.values[k]);
    }
    sheet.ownText(row, column++, compared.failing.empty() ? "pass" : "fail");
    sheet.ownText(row, column++, survey::keysOf(schema, compared.failing));
    sheet.text(row, column++, design[pair.design].code);
    sheet.text(row, column++, pair.survey.point.code);
    if (i < report.spreads.size() && !report.spreads[i].empty()) {
      for (std::size_t k = 0; k < schema.size(); ++k) {
        writeDeviation(sheet, row, column++, scales[k], report.spreads[i][k]);
      }
    }
  }
}

void writeUnmatched(Workbook& workbook, const CheckReport& report) {
  Sheet sheet = workbook.addSheet("Unmatched");
  std::size_t column = 0;
  for (const char* heading : {"id", "status", "x", "y", "z", "shots", "code"}) {
    sheet.heading(0, column++, heading);
  }
  sheet.widen(0, 1, 16);
  sheet.widen(2, 4, 13);
  sheet.freeze(1, 1);
  std::size_t row = 1;
  for (const std::size_t i : report.pairing.unmatchedDesign) {
    const survey::Point& point = report.design.points[i];
    sheet.text(row, 0, point.id);
    sheet.ownText(row, 1, "never surveyed");
    writePoint(sheet, row, 2, report, point);
    sheet.text(row++, 6, point.code);
  }
  for (const survey::Observation& observation : report.pairing.unmatchedSurvey) {
    sheet.text(row, 0, observation.point.id);
    sheet.ownText(row, 1, "no design point");
    writePoint(sheet, row, 2, report, observation.point);
    sheet.count(row, 5, observation.shots);
    sheet.text(row++, 6, observation.point.code);
  }
}

}  // namespace

void writeXlsxReport(const std::filesystem::path& path, const CheckReport& report) {
  Workbook workbook(path);
  writeSummary(workbook, report);
  writePairs(workbook, report);
  writeUnmatched(workbook, report);
  workbook.close();
}

void saveXlsxReport(const std::filesystem::path& path, const CheckReport& report) {
  StagedOutputs staged;
  staged.write(path, [&](const std::filesystem::path& hidden) { writeXlsxReport(hidden, report); });
  staged.commit();
}

}  // namespace check
