#include "check/csv_report.h"

#include <optional>
#include <string>

#include "check/spreadsheet_text.h"
#include "check/whole_file.h"
#include "survey/joined_survey.h"

namespace check {
namespace {

// A text field (an id, a code): an apostrophe in front where a spreadsheet would take it for
// a formula, and quoted when it holds a delimiter, a quote or a line end (ids may).
void appendField(std::string& row, const std::string& text) {
  const bool quoted = text.find_first_of(",\"\r\n") != std::string::npos;
  if (quoted) row += '"';
  if (looksLikeFormula(text)) row += '\'';
  for (const char c : text) {
    if (c == '"') row += '"';
    row += c;
  }
  if (quoted) row += '"';
}

// "x,y,z" of a point, z empty without a height.
void appendCoordinates(std::string& row, const CheckReport& report, const survey::Point& point) {
  row += report.number(point.x);
  row += ',';
  row += report.number(point.y);
  row += ',';
  if (point.z) row += report.number(*point.z);
}

// ",design code,survey code" and, for a survey point, ",file,line" where it was read.
void appendCodes(std::string& row, const std::string& design, const std::string& survey) {
  row += ',';
  appendField(row, design);
  row += ',';
  appendField(row, survey);
}

void appendSource(std::string& row, const survey::PointFile& file, const survey::Point& point) {
  row += ',';
  appendField(row, survey::fileNameOf(file, point));
  row += ',';
  row += std::to_string(point.line);
}

// The spread of the repeated shots of pair `pair`, none for a single shot.
const survey::ComponentValues* spreadOf(const CheckReport& report, std::size_t pair) {
  if (pair >= report.spreads.size() || report.spreads[pair].empty()) return nullptr;
  return &report.spreads[pair];
}

// A comma and the spread per component (all empty without one), and the line end.
void appendSpread(std::string& row, std::size_t components, const survey::ComponentValues* spread,
                  const CheckReport& report) {
  for (std::size_t k = 0; k < components; ++k) {
    row += ',';
    if (spread && (*spread)[k]) row += report.number(*(*spread)[k]);
  }
  row += '\n';
}

}  // namespace

void writeCsvReport(std::ostream& out, const CheckReport& report) {
  const survey::ComponentSchema& schema = report.comparison.schema;
  out << "id,design_x,design_y,design_z,survey_x,survey_y,survey_z,shots";
  for (const survey::Component& component : schema) out << ',' << component.column;
  // Columns after `failing` are appended, so that scripts reading the first ones by place go on.
  out << ",status,failing,design_code,survey_code,survey_file,survey_line";
  for (const survey::Component& component : schema) out << ",spread_" << component.column;
  out << '\n';
  // An unmatched point has no values: a comma for each and one before its status.
  const std::string noValues(schema.size() + 1, ',');
  // Each row is put together first and written whole: a report has a row per point, and the
  // stream's own work per insertion would cost more than the numbers.
  std::string row;
  const auto writeRow = [&] {
    out.write(row.data(), static_cast<std::streamsize>(row.size()));
    row.clear();
  };
  const std::vector<survey::Point>& design = report.design.points;
  for (std::size_t i = 0; i < report.pairing.pairs.size(); ++i) {
    const survey::Pair& pair = report.pairing.pairs[i];
    const survey::ComparedPair& compared = report.comparison.pairs[i];
    appendField(row, design[pair.design].id);
    row += ',';
    appendCoordinates(row, report, design[pair.design]);
    row += ',';
    appendCoordinates(row, report, pair.survey.point);
    row += ',';
    row += std::to_string(pair.survey.shots);
    for (const std::optional<double>& value : compared.values) {
      row += ',';
      if (value) row += report.number(*value);
    }
    row += compared.failing.empty() ? ",pass," : ",fail,";
    row += survey::keysOf(schema, compared.failing);
    appendCodes(row, design[pair.design].code, pair.survey.point.code);
    appendSource(row, report.survey, pair.survey.point);
    appendSpread(row, schema.size(), spreadOf(report, i), report);
    writeRow();
  }
  for (const std::size_t i : report.pairing.unmatchedDesign) {
    appendField(row, design[i].id);
    row += ',';
    appendCoordinates(row, report, design[i]);
    row += ",,,,";
    row += noValues;
    row += "unmatched-design,";
    appendCodes(row, design[i].code, {});
    row += ",,";
    appendSpread(row, schema.size(), nullptr, report);
    writeRow();
  }
  for (const survey::Observation& observation : report.pairing.unmatchedSurvey) {
    appendField(row, observation.point.id);
    row += ",,,,";
    appendCoordinates(row, report, observation.point);
    row += ',';
    row += std::to_string(observation.shots);
    row += noValues;
    row += "unmatched-survey,";
    appendCodes(row, {}, observation.point.code);
    appendSource(row, report.survey, observation.point);
    appendSpread(row, schema.size(), nullptr, report);
    writeRow();
  }
}

void saveCsvReport(const std::filesystem::path& path, const CheckReport& report) {
  saveWholeFile(path, [&](std::ostream& out) { writeCsvReport(out, report); });
}

}  // namespace check
