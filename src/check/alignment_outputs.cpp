#include "check/alignment_outputs.h"

#include <string>

#include "check/design_description.h"
#include "check/statistics_cells.h"
#include "check/summary.h"
#include "check/text_table.h"
#include "check/whole_file.h"
#include "survey/joined_survey.h"

namespace check {
namespace {

// Lists longer than this are cut short on the terminal; the CSV has them all.
constexpr std::size_t kListed = 20;

// A field quoted when it holds a delimiter, a quote or a line end (ids and codes may).
std::string field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

std::string optionalNumber(const CheckReport& report, const std::optional<double>& value) {
  return value ? report.number(*value) : std::string();
}

// "k1 at 1060.000": a shot as the summary's lists name it.
std::string named(const AlignmentRun& run, const CheckReport& report, std::size_t i) {
  const survey::AlignedShot& shot = run.shots[i];
  return run.survey.points[shot.shot].id + " at " + report.number(shot.station.chainage);
}

void writeCrossSection(std::ostream& out, const AlignmentRun& run, const CheckReport& report) {
  const survey::CrossSection& section = run.section;
  if (!section.offsetByCode.empty()) {
    out << "Design offsets:";
    for (const auto& [code, offset] : section.offsetByCode) {
      out << ' ' << code << ' ' << report.number(offset) << ',';
    }
    out << " others " << report.number(section.offsetForAll.value_or(0.0)) << '\n';
  } else if (section.offsetForAll) {
    out << "Design offset: " << report.number(*section.offsetForAll) << '\n';
  }
  if (section.crossfallPercent && run.alignment.profile) {
    out << "Crossfall: " << report.number(*section.crossfallPercent)
        << " % of the distance from the line\n";
  }
}

}  // namespace

std::string alignmentShotStatus(const survey::AlignedShot& shot,
                                const survey::ComparedPair& compared) {
  if (shot.outside) return "outside";
  return compared.failing.empty() ? "pass" : "fail";
}

void writeAlignmentCsv(std::ostream& out, const AlignmentRun& run) {
  const CheckReport report = run.report();
  out << "id,survey_x,survey_y,survey_z,chainage,offset,design_offset,doffset,design_z,dz,"
         "status,failing,survey_code,survey_file,survey_line\n";
  for (std::size_t i = 0; i < run.shots.size(); ++i) {
    const survey::AlignedShot& shot = run.shots[i];
    const survey::Point& point = run.survey.points[shot.shot];
    const survey::ComparedPair& compared = run.comparison.pairs[i];
    std::string row = field(point.id);
    for (const std::string& cell :
         {report.number(point.x), report.number(point.y), optionalNumber(report, point.z),
          report.number(shot.station.chainage), report.number(shot.station.offset),
          report.number(shot.designOffset),
          optionalNumber(report, compared.values[survey::kOffsetDifference]),
          optionalNumber(report, shot.designLevel),
          optionalNumber(report, compared.values[survey::kLevelDifference]),
          alignmentShotStatus(shot, compared),
          survey::keysOf(run.comparison.schema, compared.failing), field(point.code),
          field(survey::fileNameOf(run.survey, point)), std::to_string(point.line)}) {
      row += ',' + cell;
    }
    row += '\n';
    out.write(row.data(), static_cast<std::streamsize>(row.size()));
  }
}

void saveAlignmentCsv(const std::filesystem::path& path, const AlignmentRun& run) {
  saveWholeFile(path, [&](std::ostream& out) { writeAlignmentCsv(out, run); });
}

void writeAlignmentSummary(std::ostream& out, const AlignmentRun& run) {
  const CheckReport report = run.report();
  out << "Design: " << run.design.name << ", " << run.described << ", "
      << alignmentExtent(run.alignment, run.decimals) << '\n';
  writeSurvey(out, run.survey);
  out << "Along the alignment: " << run.shots.size() - run.outside
      << " shots, outside it: " << run.outside << '\n';
  out << "Differences: survey minus design, offsets positive to the right, " << run.decimals
      << " decimals\n";
  writeCrossSection(out, run, report);
  if (run.section.maxOffset) {
    out << "Shots further than " << report.number(*run.section.maxOffset)
        << " from the line are outside it\n";
  }
  out << '\n';
  writeStatistics(out, report);
  out << '\n';
  writeTolerances(out, report);
  out << "Outside tolerance: " << run.comparison.failed << " of " << run.shots.size() - run.outside
      << " shots\n";
  TextTable failures;
  std::size_t listed = 0;
  for (std::size_t i = 0; i < run.shots.size() && listed < kListed; ++i) {
    const auto& failing = run.comparison.pairs[i].failing;
    if (failing.empty()) continue;
    failures.addRow({"  " + named(run, report, i), survey::keysOf(run.comparison.schema, failing)});
    ++listed;
  }
  failures.write(out);
  if (run.comparison.failed > listed)
    out << "  and " << run.comparison.failed - listed << " more\n";
  if (run.outside > 0) {
    out << "Outside the alignment (" << run.outside << "): ";
    std::size_t shown = 0;
    for (std::size_t i = 0; i < run.shots.size() && shown < kListed; ++i) {
      if (!run.shots[i].outside) continue;
      out << (shown++ > 0 ? ", " : "") << named(run, report, i);
    }
    if (run.outside > shown) out << " and " << run.outside - shown << " more";
    out << '\n';
  }
  for (const std::string& warning : run.warnings) out << "Warning: " << warning << '\n';
}

}  // namespace check
