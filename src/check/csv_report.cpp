#include "check/csv_report.h"

#include "check/whole_file.h"

namespace check {
namespace {

// A field quoted when it holds a delimiter, a quote or a line end (ids may).
std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quotedText = "\"";
  for (const char c : text) quotedText += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quotedText + "\"";
}

// "x,y,z" of a point, z empty without a height.
void writeCoordinates(std::ostream& out, const CheckReport& report, const survey::Point& point) {
  out << report.number(point.x) << ',' << report.number(point.y) << ',';
  if (point.z) out << report.number(*point.z);
}

}  // namespace

void writeCsvReport(std::ostream& out, const CheckReport& report) {
  out << "id,design_x,design_y,design_z,survey_x,survey_y,survey_z,shots,dx,dy,dz,dh,status,"
         "failing\n";
  const std::vector<survey::Point>& design = report.design.points;
  for (std::size_t i = 0; i < report.pairing.pairs.size(); ++i) {
    const survey::Pair& pair = report.pairing.pairs[i];
    const survey::ComparedPair& compared = report.comparison.pairs[i];
    const survey::Deviation& d = compared.deviation;
    out << csvField(design[pair.design].id) << ',';
    writeCoordinates(out, report, design[pair.design]);
    out << ',';
    writeCoordinates(out, report, pair.survey.point);
    out << ',' << pair.survey.shots << ',' << report.number(d.dx) << ',' << report.number(d.dy)
        << ',' << (d.dz ? report.number(*d.dz) : "") << ',' << report.number(d.dh) << ','
        << (compared.failing.empty() ? "pass" : "fail") << ','
        << survey::lettersOf(compared.failing) << '\n';
  }
  for (const std::size_t i : report.pairing.unmatchedDesign) {
    out << csvField(design[i].id) << ',';
    writeCoordinates(out, report, design[i]);
    out << ",,,,,,,,,unmatched-design,\n";
  }
  for (const survey::Observation& observation : report.pairing.unmatchedSurvey) {
    out << csvField(observation.point.id) << ",,,,";
    writeCoordinates(out, report, observation.point);
    out << ',' << observation.shots << ",,,,,unmatched-survey,\n";
  }
}

void saveCsvReport(const std::filesystem::path& path, const CheckReport& report) {
  saveWholeFile(path, [&](std::ostream& out) { writeCsvReport(out, report); });
}

}  // namespace check
