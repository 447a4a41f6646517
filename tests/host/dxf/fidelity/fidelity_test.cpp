#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <regex>

#include "host/dxf/ezdxf_runner.h"
#include "round_trip.h"
#include "support/project_paths.h"

// A drawing from another program comes back whole after it is opened and saved: ezdxf finds
// every header variable (but those a save updates), table record, block, entity and object of
// it in the saved file as it was, with every number bit for bit; also after entities were
// added and undone. Loss the program announced before saving is excused. Every drawing that
// does not come back whole is a failure of its own, naming what was lost.
namespace host::dxf::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kLibreCadData = "/usr/share/librecad";
constexpr std::size_t kLinesPerSave = 10;
constexpr Edit kEdits[] = {Edit::kNone, Edit::kPointAdded, Edit::kPointAndLineAddedLineUndone};

// Where the saved drawings go: thousands of files are made, flushed to the disk and removed
// again, which on a disk takes longer than comparing them, so to memory when it has room.
fs::path scratchRoot() {
  std::error_code error;
  const fs::space_info memory = fs::space("/dev/shm", error);
  return !error && memory.available > (std::uintmax_t{1} << 30) ? fs::path("/dev/shm")
                                                                : fs::temp_directory_path();
}

class DxfFidelity : public ::testing::Test {
 protected:
  void SetUp() override {
    python_ = ezdxfPython();
    if (python_.empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
    directory_ = scratchRoot() / ("kestova_dxf_fidelity_" + std::to_string(::getpid())) /
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(directory_);
    fs::create_directories(directory_);
  }

  // The saved drawings are many and large: kept only when asked for, for a closer look.
  void TearDown() override {
    if (directory_.empty()) return;
    if (std::getenv("KESTOVA_FIDELITY_KEEP")) {
      std::cout << "The saved drawings are in " << directory_ << "\n";
    } else {
      fs::remove_all(directory_);
      std::error_code notEmpty;  // the folder of this run goes with its last test
      fs::remove(directory_.parent_path(), notEmpty);
    }
  }

  std::vector<fs::path> generatedDrawings() {
    const fs::path folder = directory_ / "generated";
    const std::string command =
        python_ + " " + testing_support::sourcePath("tests/host/dxf/fidelity/make_drawings.py") +
        " " + folder.string();
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return drawingsUnder(folder);
  }

  // Opens and saves every drawing, and also edits and saves each `editEvery`th one each way
  // (the first included); compares them all in one run, and reports each drawing that does
  // not come back whole.
  void expectEveryDrawingComesBackWhole(const std::vector<fs::path>& sources,
                                        std::size_t editEvery = 1) {
    std::vector<SavedDrawing> saved;
    std::map<fs::path, std::vector<std::string>> problems;
    for (std::size_t i = 0; i < sources.size(); ++i) {
      for (const Edit edit : kEdits) {
        if (edit != Edit::kNone && i % editEvery != 0) continue;
        const fs::path target =
            directory_ / (std::to_string(i) + "_" + sources[i].stem().string() + "_" +
                          std::to_string(static_cast<int>(edit)) + ".dxf");
        try {
          saved.push_back(openEditAndSave(sources[i], edit, target));
        } catch (const std::exception& error) {
          problems[sources[i]].push_back(describe(edit) + ": " + error.what());
        }
      }
    }
    const ComparerRun run = compareDrawings(python_, saved, directory_);
    ASSERT_TRUE(run.problem.empty()) << run.problem;
    std::cout << run.summary;
    std::map<fs::path, std::vector<std::pair<Edit, const Comparison*>>> differing;
    for (std::size_t i = 0; i < saved.size(); ++i) {
      if (!run.comparisons[i].differences.empty()) {
        differing[saved[i].source].emplace_back(saved[i].edit, &run.comparisons[i]);
      }
    }
    for (const fs::path& source : sources) {
      if (problems.count(source) || differing.count(source)) {
        ADD_FAILURE() << failure(source, problems[source], differing[source]);
      }
    }
  }

  static std::vector<fs::path> drawingsUnder(const fs::path& folder) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      std::string extension = entry.path().extension().string();
      std::ranges::transform(extension, extension.begin(), ::tolower);
      if (entry.is_regular_file() && extension == ".dxf") found.push_back(entry.path());
    }
    std::ranges::sort(found);
    return found;
  }

  std::string python_;
  fs::path directory_;

 private:
  // One drawing's failure: what it lost when saved as opened, and after an edit only the kinds
  // of loss that saving as opened did not show; ten lines at most for each.
  std::string failure(const fs::path& source, const std::vector<std::string>& problems,
                      const std::vector<std::pair<Edit, const Comparison*>>& comparisons) const {
    const fs::path generated = source.lexically_relative(directory_ / "generated");
    std::string message = (generated.empty() || *generated.begin() == ".."
                               ? source.string()
                               : generated.string() + " of make_drawings.py") +
                          " does not come back whole";
    for (const std::string& problem : problems) message += "\n  " + problem;
    const Comparison* asOpened = nullptr;
    for (const auto& [edit, comparison] : comparisons) {
      std::vector<std::string> lines;
      for (const auto& difference : comparison->differences) {
        if (!asOpened || std::ranges::none_of(asOpened->differences, [&](const auto& line) {
              return line.kind == difference.kind;
            })) {
          lines.push_back(difference.text);
        }
      }
      message += "\n" + describe(edit) + (asOpened ? ", besides that:" : ":");
      if (lines.empty()) message += " nothing";
      for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == kLinesPerSave - 1 && lines.size() > kLinesPerSave) {
          message +=
              "\n  ... and " + std::to_string(lines.size() - i) + " more kinds of difference";
          break;
        }
        message += "\n  " + lines[i];
      }
      if (edit == Edit::kNone) asOpened = comparison;
    }
    return message;
  }
};

TEST_F(DxfFidelity, GeneratedDrawingsComeBackWhole) {
  const std::vector<fs::path> drawings = generatedDrawings();
  ASSERT_GE(drawings.size(), 7u);
  expectEveryDrawingComesBackWhole(drawings);
}

// Every drawing the LibreCAD data package ships (part libraries, hatch patterns, fonts), as
// a broad sample of what other programs write, saved as opened; a fixed tenth of them, spread
// over the whole package, also after each edit (the generated drawings take every edit).
TEST_F(DxfFidelity, LibreCadDrawingsComeBackWhole) {
  if (!fs::is_directory(kLibreCadData)) GTEST_SKIP() << "librecad-data is not installed";
  const std::vector<fs::path> drawings = drawingsUnder(kLibreCadData);
  ASSERT_GT(drawings.size(), 1000u);
  constexpr std::size_t kEditedEvery = 10;
  expectEveryDrawingComesBackWhole(drawings, kEditedEvery);
}

// "2 IMAGE" from the question, "1 sheared block reference" as the record type it names.
std::string asRecordCount(const std::string& line) {
  static const std::regex sheared(R"((\d+) sheared block references?)");
  return std::regex_replace(line, sheared, "$1 INSERT");
}

// The question the program asks before a lossy save names exactly the records the save
// changes or leaves out, by type and number: no loss goes unannounced, none is made up.
TEST_F(DxfFidelity, LossQuestionNamesWhatTheSaveLoses) {
  const std::vector<fs::path> drawings = generatedDrawings();
  const auto source = std::ranges::find(drawings, directory_ / "generated/announced_losses.dxf");
  ASSERT_NE(source, drawings.end());
  const SavedDrawing saved = openEditAndSave(*source, Edit::kNone, directory_ / "saved.dxf");
  SavedDrawing unannounced = saved;
  unannounced.announced.clear();  // every difference shows in the comparer's count
  const ComparerRun run = compareDrawings(python_, {unannounced}, directory_);
  ASSERT_TRUE(run.problem.empty()) << run.problem;
  std::vector<std::string> announced;
  std::ranges::transform(saved.announced, std::back_inserter(announced), asRecordCount);
  std::vector<std::string> changed = run.comparisons.at(0).changedRecords;
  std::ranges::sort(announced);
  std::ranges::sort(changed);
  EXPECT_EQ(announced, changed);
}

}  // namespace
}  // namespace host::dxf::testing
