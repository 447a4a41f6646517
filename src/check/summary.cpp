#include "check/summary.h"

#include <algorithm>

#include "check/statistics_cells.h"
#include "check/text_table.h"

namespace check {
namespace {

// Lists longer than this are cut short on the terminal; the CSV has them all.
constexpr std::size_t kListed = 20;

// Ids longer than this are cut in the summary's lists and columns; the CSV has them whole.
constexpr std::size_t kIdShown = 24;

// `id` as the summary shows it: cut with an ellipsis when long, never inside a UTF-8 character.
std::string shownId(const std::string& id) {
  if (id.size() <= kIdShown) return id;
  std::size_t cut = kIdShown - 1;
  while (cut > 0 && (static_cast<unsigned char>(id[cut]) & 0xC0) == 0x80) --cut;
  return id.substr(0, cut) + "\u2026";
}

template <class Items, class Name>
void writeList(std::ostream& out, const std::string& title, const Items& items, Name name) {
  if (items.empty()) return;
  out << title << " (" << items.size() << "): ";
  const std::size_t shown = std::min(items.size(), kListed);
  for (std::size_t i = 0; i < shown; ++i) out << (i > 0 ? ", " : "") << shownId(name(items[i]));
  if (items.size() > shown) out << " and " << items.size() - shown << " more";
  out << '\n';
}

void writeSkipped(std::ostream& out, const survey::PointFile& file) {
  if (file.skippedCount == 0) return;
  out << "Skipped " << file.skippedCount << (file.skippedCount == 1 ? " line" : " lines") << " of "
      << file.name << ":\n";
  for (const std::string& line : file.skipped) out << "  " << line << '\n';
  if (file.skippedCount > file.skipped.size()) {
    out << "  and " << file.skippedCount - file.skipped.size() << " more\n";
  }
}

void writeFailures(std::ostream& out, const CheckReport& report) {
  const survey::Comparison& comparison = report.comparison;
  out << "Outside tolerance: " << comparison.failed << " of " << comparison.pairs.size()
      << " pairs\n";
  TextTable table;
  std::size_t listed = 0;
  for (std::size_t i = 0; i < comparison.pairs.size() && listed < kListed; ++i) {
    const auto& failing = comparison.pairs[i].failing;
    if (failing.empty()) continue;
    table.addRow({"  " + shownId(report.design.points[report.pairing.pairs[i].design].id),
                  survey::keysOf(comparison.schema, failing)});
    ++listed;
  }
  table.write(out);
  if (comparison.failed > listed) out << "  and " << comparison.failed - listed << " more\n";
}

// What the reader made of a file's header row and encoding, so that a column taken for the
// wrong one is seen at once.
void writeHowRead(std::ostream& out, const survey::PointFile& file) {
  if (!file.columnsRead.empty()) out << "  Columns: " << file.columnsRead << '\n';
  if (!file.encoding.empty()) out << "  Read as " << file.encoding << " text\n";
}

}  // namespace

namespace {

const char* shots(std::size_t count) {
  return count == 1 ? " shot" : " shots";
}

}  // namespace

void writeSurvey(std::ostream& out, const survey::PointFile& surveyed) {
  if (surveyed.sources.empty()) {
    out << "Survey: " << surveyed.name << ", " << surveyed.points.size()
        << shots(surveyed.points.size()) << '\n';
    writeHowRead(out, surveyed);
    return;
  }
  out << "Survey: " << surveyed.sources.size() << " files, " << surveyed.points.size()
      << shots(surveyed.points.size()) << '\n';
  for (const survey::SourceFile& file : surveyed.sources) {
    out << "  " << file.name << ", " << file.points << shots(file.points) << '\n';
    if (!file.columnsRead.empty()) out << "    Columns: " << file.columnsRead << '\n';
    if (!file.encoding.empty()) out << "    Read as " << file.encoding << " text\n";
  }
}

void writeSummary(std::ostream& out, const CheckReport& report) {
  std::size_t repeated = 0;
  for (const survey::Pair& pair : report.pairing.pairs) repeated += pair.survey.shots > 1 ? 1 : 0;

  out << "Design: " << report.design.name << ", " << report.design.points.size() << " points\n";
  writeHowRead(out, report.design);
  writeSurvey(out, report.survey);
  out << "Pairs: " << report.pairing.pairs.size() << ", " << report.matching;
  if (repeated > 0) out << " (" << repeated << " from several shots)";
  out << "\nDeviations: survey minus design along " << report.frame << ", " << report.decimals
      << " decimals\n";
  writeList(out, "Never surveyed", report.pairing.unmatchedDesign,
            [&](std::size_t i) { return report.design.points[i].id; });
  writeList(out, "No design point", report.pairing.unmatchedSurvey,
            [](const survey::Observation& o) { return o.point.id; });
  writeSkipped(out, report.design);
  writeSkipped(out, report.survey);
  out << '\n';
  writeStatistics(out, report);
  out << '\n';
  writeTolerances(out, report);
  writeFailures(out, report);
  for (const std::string& warning : report.warnings) out << "Warning: " << warning << '\n';
}

void writeTolerances(std::ostream& out, const CheckReport& report) {
  out << "Tolerances: " << tolerancesText(report) << '\n';
  for (const survey::CodeTolerances& code : report.codeTolerances) {
    out << "Tolerances for code " << code.code << ": " << tolerancesText(report, code.tolerances)
        << '\n';
  }
}

void writeStatistics(std::ostream& out, const CheckReport& report) {
  TextTable table;
  table.addRow({"", "n", "mean", "std dev", "rms", "min", "max", "largest", "at", "95%",
                "within tolerance"});
  for (std::size_t k = 0; k < report.comparison.schema.size(); ++k) {
    const StatisticsCells c = statisticsCells(report, k);
    table.addRow({c.name, c.count, c.mean, c.standardDeviation, c.rms, c.min, c.max, c.largest,
                  shownId(c.largestId), c.percentile95, c.withinTolerance});
  }
  table.write(out);
}

}  // namespace check
