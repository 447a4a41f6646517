// A surveyor's whole session, as the program runs from its command line: open a drawing set
// out in a turned and moved UCS, pick deviations, average them, insert vectors one by one and
// grouped, save, and read the saved file back with ezdxf.
#include <gtest/gtest.h>

#include <QTest>
#include <cmath>
#include <numbers>

#include "drawing_readback.h"
#include "expect_world.h"
#include "host/view/command_line.h"
#include "host/view/host_window.h"
#include "site_drawing.h"
#include "user_session.h"

namespace e2e {
namespace {

using Eigen::Vector3d;

// The site's UCS: turned 30 degrees about world Z and moved; it has no name.
host::geom::Frame siteFrame() {
  const double turn = std::numbers::pi / 6;
  return host::geom::Frame::fromDirections({100, 50, 2}, {std::cos(turn), std::sin(turn), 0},
                                           {-std::sin(turn), std::cos(turn), 0});
}

// Design and survey points of three stakes, in UCS coordinates.
const Vector3d kDesign1{10, 20, 3}, kSurvey1{10.25, 19.9, 3.04};
const Vector3d kDesign2{30, 5, 1}, kSurvey2{30.27, 4.88, 1.02};
const Vector3d kDesign3{20, 30, 0}, kSurvey3{20.31, 29.84, 0.05};

constexpr double kTextHeight = 2;

class SurveyFlow : public testing::Test {
 protected:
  void SetUp() override {
    if (!ezdxfInstalled()) GTEST_SKIP() << "python3-ezdxf is not installed";
    site.ucs.frame = siteFrame();
    for (const Vector3d& p : {kDesign1, kSurvey1, kDesign2, kSurvey2, kDesign3, kSurvey3}) {
      site.points.push_back(world(p));
    }
    writeSiteDrawing(site, session.path("site.dxf").toStdString());
  }

  Vector3d world(const Vector3d& ucs) const { return site.ucs.frame.pointToWorld(ucs); }
  Vector3d worldVector(const Vector3d& ucs) const { return site.ucs.frame.vectorToWorld(ucs); }

  // Presses Pick and clicks the design point, then the survey point.
  void pick(const Vector3d& design, const Vector3d& survey) {
    session.onPrompt("From Design Point ", [&, design] { session.clickAt(world(design)); });
    session.onPrompt("To Survey Point ", [&, survey] { session.clickAt(world(survey)); });
    session.click("cmdPickDevs");
    EXPECT_TRUE(session.dialogVisible());
  }

  void expectFields(const char* x, const char* y, const char* z, const char* suffix) {
    EXPECT_EQ(session.text(std::string("txtX") + suffix), x);
    EXPECT_EQ(session.text(std::string("txtY") + suffix), y);
    EXPECT_EQ(session.text(std::string("txtZ") + suffix), z);
  }

  SiteDrawing site;
  UserSession session;
};

TEST_F(SurveyFlow, PickAverageInsertSaveAndReadBack) {
  const QString saved = session.path("checked.dxf");
  const int exitCode = session.run({"kestova", session.path("site.dxf")}, [&] {
    EXPECT_TRUE(session.messages().isEmpty()) << "the drawing was running: no question";
    EXPECT_EQ(session.text("txtTextHgt"), " 1");

    // The notes first, as a new user would read them.
    QTest::keyClick(session.control("txtXerr"), Qt::Key_F1);
    EXPECT_EQ(session.modalWindows(), QStringList{"Notes:-"});

    pick(kDesign1, kSurvey1);
    expectFields("0.250", "-0.100", "0.040", "err");

    session.click("chkAvDevs");
    EXPECT_TRUE(session.control("txtXav")->isVisible());
    expectFields("", "", "", "av");
    pick(kDesign2, kSurvey2);
    expectFields("0.270", "-0.120", "0.020", "av");
    pick(kDesign3, kSurvey3);
    expectFields("0.310", "-0.160", "0.050", "err");
    expectFields("0.290", "-0.140", "0.035", "av");

    session.typeOver("txtTextHgt", "2");
    session.click("chkXdev");

    // One by one: the Y arrow at a typed point, the Z arrow on the first survey point.
    session.click("optInSeperatly");
    session.click("optZVector");
    session.onPrompt("Y Dev Insert Point ", [&] { session.typeLine("40,10"); });
    session.onPrompt("Z Dev Insert Point ", [&] { session.clickAt(world(kSurvey1)); });
    session.click("cmdInsert");
    EXPECT_TRUE(session.dialogVisible());

    // Grouped at the third design point, Z in a bubble, the leader typed relative to it.
    session.click("optInGrouped");
    session.click("optZBubble");
    session.onPrompt("Insert Point ", [&] { session.clickAt(world(kDesign3)); });
    session.onPrompt("Leader to Point ", [&] { session.typeLine("@10,-10"); });
    session.click("cmdInsert");
    EXPECT_TRUE(session.dialogVisible());
    EXPECT_TRUE(session.messages().isEmpty()) << session.messages().join("\n").toStdString();

    session.typeLine("SAVEAS " + saved);
    EXPECT_TRUE(session.cadWindow().commandLine()->history().contains("Saved " + saved));
  });
  EXPECT_EQ(exitCode, 0);

  const DrawingSeen seen = readWithEzdxf(saved);
  const double h = kTextHeight;
  const host::geom::Frame& ucs = site.ucs.frame;
  EXPECT_EQ(seen.auditErrors, 0);
  EXPECT_EQ(seen.textStyle, "mono25");
  EXPECT_EQ(seen.points.size(), 6u);

  // The UCS the vectors were placed in is kept under a name for later use.
  const DrawingSeen::Ucs* original = seen.findUcs("OriginalUCS");
  ASSERT_NE(original, nullptr);
  EXPECT_WORLD(original->origin, ucs.origin());
  EXPECT_WORLD(original->xAxis, ucs.xAxis());
  EXPECT_WORLD(original->yAxis, ucs.yAxis());

  // X was unticked: a Y and a Z arrow from the first insert, a Y arrow from the second.
  ASSERT_EQ(seen.arrows.size(), 3u);
  for (const auto& arrow : seen.arrows)
    EXPECT_EQ(QString::fromStdString(arrow.block).toUpper(), "ARROWX1");
  const Vector3d yAt{40, 10, 0};
  EXPECT_WORLD(seen.arrows[0].tail, world(yAt));
  EXPECT_WORLD(seen.arrows[0].tip, world(yAt + Vector3d(0, -3 * h, 0)));  // the average is negative
  EXPECT_WORLD(seen.arrows[1].tail, world(kSurvey1));
  EXPECT_WORLD(seen.arrows[1].tip, world(kSurvey1 + Vector3d(0, 0, 3 * h)));  // up the UCS Z axis
  EXPECT_WORLD(seen.arrows[2].tail, world(kDesign3));
  EXPECT_WORLD(seen.arrows[2].tip, world(kDesign3 + Vector3d(0, -3 * h, 0)));

  // The labels read the averages, the Y one without its sign; each reads along the UCS X axis.
  ASSERT_EQ(seen.texts.size(), 4u);
  const auto expectText = [&](std::size_t i, const std::string& text, const Vector3d& at,
                              const Vector3d& normal) {
    SCOPED_TRACE(text);
    EXPECT_EQ(seen.texts[i].text, text);
    EXPECT_DOUBLE_EQ(seen.texts[i].height, h);
    EXPECT_WORLD(seen.texts[i].insert, world(at));
    EXPECT_WORLD(seen.texts[i].along, ucs.xAxis());
    EXPECT_WORLD(seen.texts[i].normal, normal);
  };
  expectText(0, "0.140", yAt + Vector3d(-0.5 * h, -4.5 * h, 0), ucs.zAxis());
  // The Z label stands upright in the UCS XZ plane, above the arrow.
  expectText(1, "0.035", kSurvey1 + Vector3d(-0.5 * h, 0, 3.5 * h), -ucs.yAxis());
  expectText(2, "0.140", kDesign3 + Vector3d(-0.5 * h, -4.5 * h, 0), ucs.zAxis());
  // The bubble sits on the side the Y arrow points to, clear of it: X unticked counts as +.
  const Vector3d bubbleText = kDesign3 + Vector3d(1.75 * h, -1.75 * h - h, 0);
  expectText(3, "+0.035", bubbleText, ucs.zAxis());

  ASSERT_EQ(seen.ellipses.size(), 1u);
  EXPECT_WORLD(seen.ellipses[0].centre, world(bubbleText + Vector3d(3 * h, 0.5 * h, 0)));
  EXPECT_WORLD(seen.ellipses[0].majorAxis, worldVector({3.5 * h, 0, 0}));
  EXPECT_WORLD(seen.ellipses[0].normal, ucs.zAxis());
  EXPECT_NEAR(seen.ellipses[0].ratio, 0.75 / 3.5, 1e-12);

  // The leader runs from the grouped insert point to the typed point.
  ASSERT_EQ(seen.lines.size(), 1u);
  EXPECT_WORLD(seen.lines[0].start, world(kDesign3));
  EXPECT_WORLD(seen.lines[0].end, world(kDesign3 + Vector3d(10, -10, 0)));
}

}  // namespace
}  // namespace e2e
