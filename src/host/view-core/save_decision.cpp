#include "host/view-core/save_decision.h"

#include "host/view-core/file_names.h"

namespace host::view {
namespace {

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const auto& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

bool sameAs(const std::filesystem::path& target, const std::filesystem::path& file) {
  return !file.empty() && sameFile(target, file);
}

save_step::Stop refusal(const std::filesystem::path& target, const std::string& lost) {
  return {"Not saved: " + target.string() +
          " is the file this drawing was read from, and a copy written now would leave out " +
          lost + ". Save under another name."};
}

// The path the user chose, a question for it, or a stop when the user cancelled.
std::variant<std::filesystem::path, SaveStep> chosenPath(const SaveRequest& request) {
  if (!request.chosenPath) return SaveStep{save_step::AskForPath{}};
  if (!*request.chosenPath) return SaveStep{save_step::Stop{}};
  return **request.chosenPath;
}

}  // namespace

SaveStep nextSaveStep(const OpenDrawing& drawing, const SaveRequest& request) {
  const std::string lost = joined(request.lost);
  std::optional<std::filesystem::path> target = request.path;
  if (!target && !drawing.filePath().empty()) target = drawing.filePath();

  const bool agreed = target && sameAs(*target, drawing.agreedLossyCopy());
  if (!lost.empty() && !agreed) {
    // A SAVE of a drawing with a file must go elsewhere; a SAVEAS names its target.
    target = request.path;
    if (target && sameAs(*target, drawing.sourceFile())) return refusal(*target, lost);
    if (!request.lossAccepted) return save_step::AskAboutLoss{lost, !target};
    if (!*request.lossAccepted) return save_step::Stop{"Not saved"};
  }
  if (!target) {
    auto chosen = chosenPath(request);
    if (auto* step = std::get_if<SaveStep>(&chosen)) return *step;
    target = std::get<std::filesystem::path>(chosen);
    if (!lost.empty() && sameAs(*target, drawing.sourceFile())) return refusal(*target, lost);
  }
  return save_step::Write{*target, lost};
}

}  // namespace host::view
