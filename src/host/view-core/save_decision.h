#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host/model/file_form.h"
#include "host/view-core/open_drawing.h"

namespace host::view {

// What a save is asked to do, and the user's answers to the questions it has asked so far.
struct SaveRequest {
  // The path of a SAVEAS; none for a SAVE.
  std::optional<std::filesystem::path> path;
  // What a drawing file would leave out of the drawing ("3 VIEWPORT", "1 XRECORD").
  std::vector<std::string> lost;
  // The answer to AskAboutLoss: go on or not.
  std::optional<bool> lossAccepted;
  // The answer to AskForPath: the path chosen, or none when the user cancelled.
  std::optional<std::optional<std::filesystem::path>> chosenPath;
  // The release of the file format to write ("R2013"); empty for the drawing's own.
  std::string release;
  // The form to write, text or binary; none for the drawing's own.
  std::optional<model::FileForm> form;
};

namespace save_step {
// Tell the user what the file leaves out and ask whether to go on; `newName` when going on
// means choosing a new file (a SAVE of a drawing whose file must stay as it is).
struct AskAboutLoss {
  std::string lost;
  bool newName = false;
};
struct AskForPath {};
// The save is not made; `message` says why (empty when the user cancelled a file choice).
struct Stop {
  std::string message;
};
// Write the drawing to `path`; `lost` names what the file leaves out, empty when nothing.
struct Write {
  std::filesystem::path path;
  std::string lost;
};
}  // namespace save_step

using SaveStep =
    std::variant<save_step::AskAboutLoss, save_step::AskForPath, save_step::Stop, save_step::Write>;

// The next step of a save, given the drawing, the request and the answers so far. A drawing
// file that leaves content out never replaces the file the drawing was read from, and the user
// hears beforehand what it leaves out (once for a file already agreed to).
SaveStep nextSaveStep(const OpenDrawing& drawing, const SaveRequest& request);

}  // namespace host::view
