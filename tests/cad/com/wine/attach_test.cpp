// Reaching the CAD program by ProgID: attaching to running instances in the order start-up
// tries them, and starting a new one.

#include "cad/com/com_launcher.h"
#include "standin_process.h"
#include "test_support.h"

namespace {

// Start-up's attach list: the first release that answers wins, the rest are not tried.
int firstAttachable(cad::Launcher& launcher, cad::Ref<cad::Application>& application) {
  for (int release = 15; release <= 20; ++release) {
    try {
      application = launcher.Attach(progId(release));
      return release;
    } catch (const cad::AutomationError&) {
    }
  }
  return 0;
}

}  // namespace

TEST_CASE(attachTakesTheLowestRunningReleaseOfTheList) {
  RunningStandIn release16(16);
  RunningStandIn release18(18);
  CHECK_TRUE(release16.ready() && release18.ready());
  auto launcher = cad::com::makeLauncher();
  CallRecord record;

  cad::Ref<cad::Application> application;
  CHECK_EQ(firstAttachable(*launcher, application), 16);
  application->Visible(true);

  const std::vector<RecordedCall> calls = record.calls();
  CHECK_SIGNATURES(calls, {"Application.Visible PUT BOOL:true"});
  CHECK_TRUE(!calls.empty() && calls[0].release == 16);
}

TEST_CASE(attachFindsTheOnlyRunningReleaseAtTheEndOfTheList) {
  RunningStandIn release20(20);
  CHECK_TRUE(release20.ready());
  auto launcher = cad::com::makeLauncher();
  CallRecord record;

  cad::Ref<cad::Application> application;
  CHECK_EQ(firstAttachable(*launcher, application), 20);
  CHECK_TRUE(application->ActiveDocument());
  const std::vector<RecordedCall> calls = record.calls();
  CHECK_TRUE(!calls.empty() && calls[0].release == 20);
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
