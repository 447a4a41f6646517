#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace host::dxf::testing {

// What happens to a drawing between opening and saving it.
enum class Edit {
  kNone,
  kPointAdded,
  // A point and a line added, the line undone: the save holds the point only.
  kPointAndLineAddedLineUndone,
};

std::string describe(Edit edit);

// A drawing saved after an edit: what it was opened from, how many entities the edit added
// to model space, and the lines of the question the program asks before a lossy save.
struct SavedDrawing {
  std::filesystem::path source;
  std::filesystem::path saved;
  Edit edit = Edit::kNone;
  int added = 0;
  std::vector<std::string> announced;
};

// Opens `source`, makes the edit and saves the drawing as `saved`. Throws what opening or
// saving throws.
SavedDrawing openEditAndSave(const std::filesystem::path& source, Edit edit,
                             const std::filesystem::path& saved);

// What ezdxf finds changed in one saved drawing against its source.
struct Comparison {
  struct Line {
    std::string kind;  // alike differences share it: "LAYER lineweight changed"
    std::string text;  // the first of its kind, with a count of the others
  };
  std::vector<Line> differences;  // one per kind of what the save did not keep; none if whole
  std::vector<std::string> changedRecords;  // records that differ by type, "2 IMAGE"
};

struct ComparerRun {
  std::vector<Comparison> comparisons;  // in the order of the drawings
  std::string summary;                  // the comparer's count of pairs and kinds of difference
  std::string problem;                  // set when the comparer itself failed
};

// Compares every saved drawing with its source in one run of compare_drawings.py (ezdxf takes
// long to load), its files kept in `directory`.
ComparerRun compareDrawings(const std::string& python, const std::vector<SavedDrawing>& drawings,
                            const std::filesystem::path& directory);

}  // namespace host::dxf::testing
