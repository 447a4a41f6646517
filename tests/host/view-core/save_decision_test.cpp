#include <filesystem>
#include <string>
#include <type_traits>

#include <gtest/gtest.h>

#include "host/view-core/save_decision.h"

namespace host::view {
namespace {

namespace fs = std::filesystem;

// The drawings a save starts from, in a folder that need not exist: paths are compared as the
// files they would be.
const fs::path kFolder = fs::temp_directory_path() / "kestova-save-decision";
const fs::path kSource = kFolder / "site.dxf";

enum class Start { New, Read, ReadThenCopied };

OpenDrawing drawingOf(Start start) {
  auto document = std::make_shared<model::Document>();
  if (start == Start::New) return OpenDrawing(document, 1);
  OpenDrawing drawing(document, kSource);
  if (start == Start::ReadThenCopied) drawing.saved(kFolder / "copy.dxf", true);
  return drawing;
}

std::string describe(const SaveStep& step) {
  return std::visit(
      [](const auto& s) -> std::string {
        using S = std::decay_t<decltype(s)>;
        if constexpr (std::is_same_v<S, save_step::AskAboutLoss>) {
          return std::string("ask about loss of ") + s.lost + (s.newName ? ", new name" : "");
        } else if constexpr (std::is_same_v<S, save_step::AskForPath>) {
          return "ask for path";
        } else if constexpr (std::is_same_v<S, save_step::Stop>) {
          if (s.message.find("is the file this drawing was read from") != std::string::npos) {
            return "refuse, naming " + std::string(s.message.find("2 VIEWPORT") != std::string::npos
                                                       ? "the loss"
                                                       : "nothing");
          }
          return "stop" + (s.message.empty() ? "" : ": " + s.message);
        } else {
          return "write " + s.path.filename().string() +
                 (s.lost.empty() ? "" : " without " + s.lost);
        }
      },
      step);
}

struct SaveCase {
  const char* name;
  Start start;
  const char* saveAs;  // a SAVEAS path in the folder, or null for a SAVE
  bool lossy;          // whether the file would leave out "2 VIEWPORT"
  int lossAnswer;      // -1 not asked yet, 0 no, 1 yes
  const char* chosen;  // the path chosen when asked, "" when cancelled, null when not asked
  const char* expected;
};

void PrintTo(const SaveCase& c, std::ostream* out) {
  *out << c.name;
}

class SaveDecision : public testing::TestWithParam<SaveCase> {};

TEST_P(SaveDecision, TakesTheNextStep) {
  const SaveCase& c = GetParam();
  const OpenDrawing drawing = drawingOf(c.start);
  SaveRequest request;
  if (c.saveAs) request.path = kFolder / c.saveAs;
  if (c.lossy) request.lost = {"2 VIEWPORT"};
  if (c.lossAnswer >= 0) request.lossAccepted = c.lossAnswer == 1;
  if (c.chosen) {
    request.chosenPath = std::string(c.chosen).empty()
                             ? std::optional<fs::path>()
                             : std::optional<fs::path>(kFolder / c.chosen);
  }
  EXPECT_EQ(describe(nextSaveStep(drawing, request)), c.expected);
}

constexpr int kNotAsked = -1;

INSTANTIATE_TEST_SUITE_P(
    Steps, SaveDecision,
    testing::Values(
        // Nothing is lost: a drawing with a file writes there, a new one asks first.
        SaveCase{"ReadDrawingWritesItsFile", Start::Read, nullptr, false, kNotAsked, nullptr,
                 "write site.dxf"},
        SaveCase{"NewDrawingAsksForAPath", Start::New, nullptr, false, kNotAsked, nullptr,
                 "ask for path"},
        SaveCase{"NewDrawingWritesThePathChosen", Start::New, nullptr, false, kNotAsked, "plan.dxf",
                 "write plan.dxf"},
        SaveCase{"CancelledPathStopsSilently", Start::New, nullptr, false, kNotAsked, "", "stop"},
        SaveCase{"SaveAsOverTheSourceIsFineWhenNothingIsLost", Start::Read, "site.dxf", false,
                 kNotAsked, nullptr, "write site.dxf"},
        // Something is lost: the user hears what, and the source file stays as it is.
        SaveCase{"SaveAsksAboutLossAndANewName", Start::Read, nullptr, true, kNotAsked, nullptr,
                 "ask about loss of 2 VIEWPORT, new name"},
        SaveCase{"SaveAsAsksAboutLossOnly", Start::Read, "other.dxf", true, kNotAsked, nullptr,
                 "ask about loss of 2 VIEWPORT"},
        SaveCase{"DeclinedLossStops", Start::Read, nullptr, true, 0, nullptr, "stop: Not saved"},
        SaveCase{"AcceptedLossOnSaveAsksForAPath", Start::Read, nullptr, true, 1, nullptr,
                 "ask for path"},
        SaveCase{"AcceptedLossWritesTheNewFile", Start::Read, nullptr, true, 1, "copy.dxf",
                 "write copy.dxf without 2 VIEWPORT"},
        SaveCase{"AcceptedLossOnSaveAsWrites", Start::Read, "other.dxf", true, 1, nullptr,
                 "write other.dxf without 2 VIEWPORT"},
        SaveCase{"SaveAsOverTheSourceIsRefusedWithoutAsking", Start::Read, "site.dxf", true,
                 kNotAsked, nullptr, "refuse, naming the loss"},
        SaveCase{"SourceChosenAsTheNewNameIsRefused", Start::Read, nullptr, true, 1, "./site.dxf",
                 "refuse, naming the loss"},
        // A copy the user agreed to is saved again without asking.
        SaveCase{"AgreedCopyIsSavedWithoutAsking", Start::ReadThenCopied, nullptr, true, kNotAsked,
                 nullptr, "write copy.dxf without 2 VIEWPORT"},
        SaveCase{"AgreedCopyStillNeverReplacesTheSource", Start::ReadThenCopied, "site.dxf", true,
                 kNotAsked, nullptr, "refuse, naming the loss"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace host::view
