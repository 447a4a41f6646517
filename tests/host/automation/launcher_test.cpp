#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "host/automation/host_application.h"
#include "host/automation/host_document.h"
#include "host/automation/host_launcher.h"

namespace host {
namespace {

void expectCannotCreate(const std::function<void()>& call) {
  try {
    call();
    FAIL() << "succeeded";
  } catch (const cad::AutomationError& error) {
    EXPECT_EQ(error.number(), 429);
    EXPECT_EQ(error.description(), "ActiveX component can't create object");
  }
}

TEST(HostLauncher, AttachFindsOnlyRunningInstances) {
  cad::Ref<cad::Application> running =
      std::shared_ptr<cad::Application>(HostApplication::withNewDrawing());
  HostLauncher launcher({{"AutoCAD.Application.18", running}}, nullptr);
  EXPECT_EQ(launcher.Attach("AutoCAD.Application.18"), running);
  expectCannotCreate([&] { launcher.Attach("AutoCAD.Application.16"); });
  expectCannotCreate([&] { launcher.Attach(""); });
}

TEST(HostLauncher, DefaultStartGivesANewEmptyDrawingThatCanBeAttachedTo) {
  HostLauncher launcher;
  auto application = launcher.Create("AutoCAD.Application.16");
  auto drawing = modelOf(application->ActiveDocument());
  ASSERT_NE(drawing, nullptr);
  EXPECT_TRUE(drawing->blocks()[model::BlockTable::kModelSpace].entities.empty());
  EXPECT_EQ(drawing->blocks().size(), 2u);
  EXPECT_EQ(launcher.Attach("AutoCAD.Application.16"), application);
}

TEST(HostLauncher, FailedStartsReportThatTheComponentCannotBeCreated) {
  HostLauncher throwing({}, [](const std::string&) -> cad::Ref<cad::Application> {
    throw std::runtime_error("not installed");
  });
  expectCannotCreate([&] { throwing.Create("AutoCAD.Application.16"); });
  HostLauncher empty({}, [](const std::string&) { return cad::Ref<cad::Application>(); });
  expectCannotCreate([&] { empty.Create("AutoCAD.Application.16"); });
  expectCannotCreate([&] { empty.Attach("AutoCAD.Application.16"); });
}

}  // namespace
}  // namespace host
