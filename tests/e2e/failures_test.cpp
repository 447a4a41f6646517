// Failures as a user meets them: a cancelled prompt, a drawing that cannot be read, a wrong
// command line; and the start without a drawing, where the program offers to start its CAD
// host.
#include <gtest/gtest.h>

#include <QFile>
#include <variant>

#include "host/automation/call_guard.h"
#include "host/view/host_window.h"
#include "site_drawing.h"
#include "user_session.h"

namespace e2e {
namespace {

using Eigen::Vector3d;

struct EntityCount {
  int arrows = 0, texts = 0, ellipses = 0, lines = 0;
  friend bool operator==(const EntityCount&, const EntityCount&) = default;
};

void PrintTo(const EntityCount& c, std::ostream* out) {
  *out << c.arrows << " arrows, " << c.texts << " texts, " << c.ellipses << " ellipses, " << c.lines
       << " lines";
}

EntityCount drawn(UserSession& session) {
  namespace model = host::model;
  EntityCount count;
  const auto& entities =
      session.drawingView().document()->blocks()[model::BlockTable::kModelSpace].entities;
  for (const model::Entity& entity : entities) {
    count.arrows += std::holds_alternative<model::BlockReference>(entity.data);
    count.texts += std::holds_alternative<model::Text>(entity.data);
    count.ellipses += std::holds_alternative<model::Ellipse>(entity.data);
    count.lines += std::holds_alternative<model::Line>(entity.data);
  }
  return count;
}

const std::string kCancelled =
    "Error " + std::to_string(host::kMethodFailed) + ": Point request cancelled";

class Failures : public testing::Test {
 protected:
  void SetUp() override {
    SiteDrawing site;
    site.points = {{1, 2, 3}, {1.25, 1.9, 3}};
    writeSiteDrawing(site, session.path("site.dxf").toStdString());
  }
  UserSession session;
};

TEST_F(Failures, EscAtAPromptSaysWhyAndKeepsWhatWasDrawn) {
  const int exitCode = session.run({"kestova", session.path("site.dxf")}, [&] {
    session.typeOver("txtXerr", "-0.012");
    session.typeOver("txtYerr", "0.5");
    session.typeOver("txtZerr", "0.005");
    session.onPrompt("Insert Point ", [&] { session.typeLine("5,5"); });
    session.onPrompt("Leader to Point ", [&] { session.pressEsc(); });
    session.click("cmdInsert");

    EXPECT_EQ(session.messages(), QStringList{QString::fromStdString(kCancelled)});
    EXPECT_TRUE(session.dialogVisible());
    // The arrows, labels and bubble stay; only the leader is missing.
    EXPECT_EQ(drawn(session), (EntityCount{2, 3, 1, 0}));

    // Esc at the survey point: the fields keep what they showed.
    session.onPrompt("From Design Point ", [&] { session.typeLine("1,2,3"); });
    session.onPrompt("To Survey Point ", [&] { session.pressEsc(); });
    session.click("cmdPickDevs");
    EXPECT_EQ(session.messages().size(), 2);
    EXPECT_EQ(session.text("txtXerr"), "-0.012");
    EXPECT_TRUE(session.dialogVisible());

    // The program goes on: the next Insert draws as usual.
    session.click("optInSeperatly");
    session.click("chkYdev");
    session.click("chkZdev");
    session.onPrompt("X Dev Insert Point ", [&] { session.typeLine("20,20"); });
    session.click("cmdInsert");
    EXPECT_EQ(drawn(session), (EntityCount{3, 4, 1, 0}));
    EXPECT_EQ(session.messages().size(), 2);
  });
  EXPECT_EQ(exitCode, 0);
}

TEST_F(Failures, CancelledInsertPointDrawsNothing) {
  session.run({"kestova", session.path("site.dxf")}, [&] {
    session.onPrompt("Insert Point ", [&] { session.pressEsc(); });
    session.click("cmdInsert");
    EXPECT_EQ(session.messages(), QStringList{QString::fromStdString(kCancelled)});
    EXPECT_EQ(drawn(session), EntityCount{});
    EXPECT_TRUE(session.dialogVisible());
  });
}

TEST_F(Failures, AnUnreadableDrawingIsReportedAndNothingOpens) {
  QFile broken(session.path("broken.dxf"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nnot a number\n");
  broken.close();
  bool scriptRan = false;
  EXPECT_EQ(session.run({"kestova", broken.fileName()}, [&] { scriptRan = true; }), 1);
  EXPECT_FALSE(scriptRan);
  ASSERT_EQ(session.messages().size(), 1);
  EXPECT_TRUE(session.messages()[0].contains("broken.dxf")) << session.messages()[0].toStdString();
}

TEST_F(Failures, AMissingDrawingIsReported) {
  EXPECT_EQ(session.run({"kestova", session.path("nowhere.dxf")}, [] {}), 1);
  EXPECT_EQ(session.messages().size(), 1);
}

TEST_F(Failures, AWrongCommandLineOpensNothing) {
  bool scriptRan = false;
  const auto script = [&] { scriptRan = true; };
  EXPECT_EQ(session.run({"kestova", "--frobnicate"}, script), 2);
  EXPECT_EQ(session.run({"kestova", session.path("site.dxf"), session.path("site.dxf")}, script),
            2);
  EXPECT_FALSE(scriptRan);
  EXPECT_TRUE(session.messages().isEmpty());
}

TEST_F(Failures, WithoutADrawingTheProgramOffersToStartItsCadHost) {
  session.answerYes(true);
  const int exitCode = session.run({"kestova"}, [&] {
    EXPECT_EQ(session.messages(), QStringList{"AutoCad not running. Attempt start?"});
    EXPECT_EQ(session.cadWindow().drawingName(&session.drawingView()), "Drawing1");
    session.typeOver("txtXerr", "0.25");
    session.onPrompt("Insert Point ", [&] { session.typeLine("0,0"); });
    session.onPrompt("Leader to Point ", [&] { session.typeLine("5,5"); });
    session.click("cmdInsert");
    // X, a zero Y as a double-headed arrow, a zero Z bubble, the leader.
    EXPECT_EQ(drawn(session), (EntityCount{3, 3, 1, 1}));
  });
  EXPECT_EQ(exitCode, 0);
}

}  // namespace
}  // namespace e2e
