#include "round_trip.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host/dxf/writer.h"
#include "support/project_paths.h"

namespace host::dxf::testing {
namespace {

constexpr model::BlockIndex kModelSpace = model::BlockTable::kModelSpace;

std::string jsonString(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string jobLine(const SavedDrawing& drawing) {
  std::string announced;
  for (const std::string& line : drawing.announced) {
    announced += (announced.empty() ? "" : ", ") + jsonString(line);
  }
  return "{\"source\": " + jsonString(drawing.source.string()) +
         ", \"saved\": " + jsonString(drawing.saved.string()) +
         ", \"added\": " + std::to_string(drawing.added) + ", \"announced\": [" + announced +
         "]}\n";
}

// The comparer's results file, tab-separated: "<job> line <kind> <text>" and "<job> found
// <count type>".
void readResults(const std::filesystem::path& path, std::vector<Comparison>& comparisons) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string job, what, kind, text;
    std::getline(fields, job, '\t');
    std::getline(fields, what, '\t');
    const std::size_t index = std::stoul(job);
    if (index >= comparisons.size()) continue;
    if (what == "line") std::getline(fields, kind, '\t');
    std::getline(fields, text);
    if (what == "line") comparisons[index].differences.push_back({kind, text});
    if (what == "found") comparisons[index].changedRecords.push_back(text);
  }
}

}  // namespace

std::string describe(Edit edit) {
  switch (edit) {
    case Edit::kNone:
      return "saved as opened";
    case Edit::kPointAdded:
      return "saved with a point added";
    case Edit::kPointAndLineAddedLineUndone:
      return "saved with a point and a line added, the line undone";
  }
  return {};
}

SavedDrawing openEditAndSave(const std::filesystem::path& source, Edit edit,
                             const std::filesystem::path& saved) {
  const auto document = readDxf(source);
  SavedDrawing drawing{source, saved, edit, 0, {}};
  if (edit != Edit::kNone) {
    document->addEntity(kModelSpace, model::Point{{12.5, -3.25, 0.5}});
    drawing.added = 1;
  }
  if (edit == Edit::kPointAndLineAddedLineUndone) {
    document->addEntity(kModelSpace, model::Line{{0, 0, 0}, {7.5, 2.5, 0}});
    document->undo();
  }
  drawing.announced = contentNotSaved(*document);
  saveDxf(*document, saved);
  return drawing;
}

ComparerRun compareDrawings(const std::string& python, const std::vector<SavedDrawing>& drawings,
                            const std::filesystem::path& directory) {
  const auto jobs = directory / "jobs.jsonl";
  const auto results = directory / "results.tsv";
  {
    std::ofstream out(jobs);
    for (const SavedDrawing& drawing : drawings) out << jobLine(drawing);
  }
  const std::string command =
      python + " " + testing_support::sourcePath("tests/host/dxf/fidelity/compare_drawings.py") +
      " " + jobs.string() + " --results " + results.string() + " 2>&1";
  ComparerRun run;
  run.comparisons.resize(drawings.size());
  std::string output;
  FILE* pipe = ::popen(command.c_str(), "r");
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  const int status = ::pclose(pipe);
  // 0: every drawing came back whole, 1: some did not; anything else is the comparer failing.
  if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) {
    run.problem = command + " failed:\n" + output;
    return run;
  }
  const std::size_t summary = output.rfind("\n", output.find(" pairs compared"));
  run.summary = output.substr(summary == std::string::npos ? 0 : summary + 1);
  readResults(results, run.comparisons);
  return run;
}

}  // namespace host::dxf::testing
