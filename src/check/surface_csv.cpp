#include "check/surface_csv.h"

#include "check/whole_file.h"
#include "survey/joined_survey.h"

namespace check {
namespace {

// A field quoted when it holds a delimiter, a quote or a line end (ids and codes may).
void appendField(std::string& row, const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) {
    row += text;
    return;
  }
  row += '"';
  for (const char c : text) {
    if (c == '"') row += '"';
    row += c;
  }
  row += '"';
}

}  // namespace

const char* surfaceShotStatus(const SurfaceRun& run, std::size_t shot) {
  switch (run.places[shot]) {
    case survey::ShotPlace::Outside:
      return "outside";
    case survey::ShotPlace::NoHeight:
      return "no-level";
    case survey::ShotPlace::OnSurface:
      break;
  }
  return run.comparison.pairs[shot].failing.empty() ? "pass" : "fail";
}

void writeSurfaceCsv(std::ostream& out, const SurfaceRun& run) {
  const CheckReport report = run.report();
  const survey::ComponentSchema& schema = run.comparison.schema;
  out << "id,survey_x,survey_y,survey_z,design_z";
  for (const survey::Component& component : schema) out << ',' << component.column;
  out << ",status,failing,survey_code,survey_file,survey_line\n";
  std::string row;
  for (std::size_t i = 0; i < run.survey.points.size(); ++i) {
    const survey::Point& shot = run.survey.points[i];
    appendField(row, shot.id);
    row += ',' + report.number(shot.x) + ',' + report.number(shot.y) + ',';
    if (shot.z) row += report.number(*shot.z);
    row += ',';
    if (run.designZ[i]) row += report.number(*run.designZ[i]);
    for (const std::optional<double>& value : run.comparison.pairs[i].values) {
      row += ',';
      if (value) row += report.number(*value);
    }
    row += ',';
    row += surfaceShotStatus(run, i);
    row += ',';
    row += survey::keysOf(schema, run.comparison.pairs[i].failing);
    row += ',';
    appendField(row, shot.code);
    row += ',';
    appendField(row, survey::fileNameOf(run.survey, shot));
    row += ',' + std::to_string(shot.line) + '\n';
    out.write(row.data(), static_cast<std::streamsize>(row.size()));
    row.clear();
  }
}

void saveSurfaceCsv(const std::filesystem::path& path, const SurfaceRun& run) {
  saveWholeFile(path, [&](std::ostream& out) { writeSurfaceCsv(out, run); });
}

}  // namespace check
