// The COM backend, attached to a running stand-in server, as a backend of the cad:: member
// suite. Each session is a stand-in process of its own, so that every test starts afresh.
#include <memory>
#include <string>
#include <vector>

#include "cad/com/com_launcher.h"
#include "cad/conformance/cad_members.h"
#include "cad/prog_ids.h"
#include "standin/protocol.h"
#include "standin_process.h"

namespace {

constexpr int kRelease = 18;

std::wstring wide(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

std::vector<std::wstring> optionsFor(const conformance::StartingDrawing& start) {
  std::vector<std::wstring> options;
  if (!start.ucsName.empty())
    options.insert(options.end(), {standin::kUcsNameOption, wide(start.ucsName)});
  for (const std::string& block : start.blocks)
    options.insert(options.end(), {standin::kBlockOption, wide(block)});
  if (start.cancelPicks) options.emplace_back(standin::kCancelPicksOption);
  return options;
}

struct ComSession : conformance::Session {
  explicit ComSession(const conformance::StartingDrawing& start)
      : standIn(kRelease, optionsFor(start)), launcher(cad::com::makeLauncher()) {
    application = launcher->Attach(cad::kProgIds.at(kRelease - 15));
    document = application->ActiveDocument();
  }
  // The references go before the launcher's apartment and the server they reach.
  ~ComSession() override {
    document.reset();
    application.reset();
  }

  RunningStandIn standIn;
  std::unique_ptr<cad::Launcher> launcher;
};

std::unique_ptr<conformance::Session> startCom(const conformance::StartingDrawing& start) {
  return std::make_unique<ComSession>(start);
}

}  // namespace

INSTANTIATE_CAD_MEMBER_SUITES(ComStandIn, (Backend{"ComBackend", {}, &startCom}))
