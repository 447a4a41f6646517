// Reaching the CAD program by ProgID: start-up attaching to running instances in the order it
// tries them, and starting a new one.

#include "cad/com/com_launcher.h"
#include "standin_process.h"
#include "test_support.h"

TEST_CASE(startUpAttachesToTheLowestRunningReleaseOfTheList) {
  RunningStandIn release16(16);
  RunningStandIn release18(18);
  CHECK_TRUE(release16.ready() && release18.ready());
  auto launcher = cad::com::makeLauncher();
  Dialog dialog(*launcher);
  CallRecord record;

  dialog.form.Form_Load();

  CHECK_TRUE(dialog.messages.questions.empty());
  const std::vector<RecordedCall> calls = record.calls();
  bool all16 = !calls.empty();
  for (const RecordedCall& call : calls) all16 = all16 && call.release == 16;
  CHECK_TRUE(all16);
}

TEST_CASE(startUpFindsTheOnlyRunningReleaseAtTheEndOfTheList) {
  RunningStandIn release20(20);
  CHECK_TRUE(release20.ready());
  auto launcher = cad::com::makeLauncher();
  Dialog dialog(*launcher);
  CallRecord record;

  dialog.form.Form_Load();

  CHECK_TRUE(dialog.messages.questions.empty());
  CHECK_TRUE(dialog.form.variables().acadDoc);
  const std::vector<RecordedCall> calls = record.calls();
  CHECK_TRUE(!calls.empty() && calls[0].release == 20);
}

TEST_CASE(startUpStartsTheCadProgramWhenNoneRunsAndTheUserAgrees) {
  auto launcher = cad::com::makeLauncher();
  CallRecord record;
  {
    Dialog dialog(*launcher);
    dialog.form.Form_Load();
    CHECK_TRUE(dialog.messages.questions ==
               std::vector<std::string>{"AutoCad not running. Attempt start?"});
    CHECK_TRUE(dialog.messages.informed.empty());
    CHECK_TRUE(dialog.form.variables().utilObj);
  }
  CHECK_TRUE(record.waitFor("server\tstopped", 10000));
  const std::vector<RecordedCall> lines = record.all();
  CHECK_TRUE(!lines.empty() && lines.front().object == "server" &&
             lines.front().kind == "created" && lines.front().release == 16);
  const std::vector<RecordedCall> calls = record.calls();
  CHECK_TRUE(calls.size() > 4 && calls.back().member == "Add3DPoly");
  if (calls.size() <= 4) return;
  CHECK_SIGNATURES(std::vector<RecordedCall>(calls.begin(), calls.begin() + 4),
                   {"Application.ActiveDocument GET", "Document.ModelSpace GET",
                    "Application.Visible PUT BOOL:true", "Application.ActiveDocument GET"});
}

TEST_CASE(attachFailsWhenTheReleaseIsInstalledButNotRunning) {
  auto launcher = cad::com::makeLauncher();
  const cad::AutomationError error = failureOf([&] { launcher->Attach(progId(17)); });
  CHECK_TRUE(error.number() != 0);
  CHECK_TRUE(error.description().find(progId(17)) != std::string::npos);
}

TEST_CASE(attachFailsWhenTheProgIdIsNotRegistered) {
  auto launcher = cad::com::makeLauncher();
  const cad::AutomationError error = failureOf([&] { launcher->Attach("AutoCAD.Application.14"); });
  CHECK_TRUE(error.number() != 0);
  CHECK_TRUE(error.description().find("AutoCAD.Application.14") != std::string::npos);
}

TEST_CASE(createStartsANewInstanceThatEndsWithTheLastReference) {
  auto launcher = cad::com::makeLauncher();
  CallRecord record;
  {
    cad::Ref<cad::Application> application = launcher->Create(progId(16));
    cad::Ref<cad::Document> document = application->ActiveDocument();
    application->Visible(true);
    CHECK_TRUE(application->Visible());
    application.reset();
    // The document still holds the server; only the last reference lets it go.
    CHECK_TRUE(document->ModelSpace());
  }
  CHECK_TRUE(record.waitFor("server\tstopped", 10000));
  const std::vector<RecordedCall> lines = record.all();
  CHECK_TRUE(!lines.empty() && lines.front().object == "server" &&
             lines.front().kind == "created" && lines.front().release == 16);
  CHECK_SIGNATURES(record.calls(),
                   {"Application.ActiveDocument GET", "Application.Visible PUT BOOL:true",
                    "Application.Visible GET", "Document.ModelSpace GET"});
}

TEST_CASE(createFailsForAProgIdThatIsNotRegistered) {
  auto launcher = cad::com::makeLauncher();
  const cad::AutomationError error = failureOf([&] { launcher->Create("AutoCAD.Application.14"); });
  CHECK_TRUE(error.number() != 0);
}
