// A drawing set out in a named, tilted UCS: the user looks down it, picks, inserts grouped
// arrows on all three axes and saves; the vectors follow the named UCS, which is used as it
// is, without a copy.
#include <gtest/gtest.h>

#include "drawing_readback.h"
#include "expect_world.h"
#include "host/view/command_line.h"
#include "host/view/host_window.h"
#include "site_drawing.h"
#include "user_session.h"

namespace e2e {
namespace {

using Eigen::Vector3d;

TEST(NamedUcs, VectorsFollowTheNamedUcsAndNoCopyOfItIsMade) {
  if (!ezdxfInstalled()) GTEST_SKIP() << "python3-ezdxf is not installed";
  SiteDrawing site;
  site.ucs.name = "SITE";
  site.ucs.frame = host::geom::Frame::fromDirections({5, -3, 1}, {2, 1, 0.5}, {-1, 2, 1});
  const host::geom::Frame& ucs = site.ucs.frame;
  const Vector3d design{4, 6, 0.5}, survey{4.12, 5.95, 0.45};
  site.points = {ucs.pointToWorld(design), ucs.pointToWorld(survey)};
  UserSession session;
  writeSiteDrawing(site, session.path("tilted.dxf").toStdString());
  const QString saved = session.path("tilted-checked.dxf");

  const int exitCode = session.run({"kestova", session.path("tilted.dxf")}, [&] {
    session.typeLine("VIEW PLAN");
    session.typeLine("ZOOM EXTENTS");

    session.onPrompt("From Design Point ", [&] { session.clickAt(ucs.pointToWorld(design)); });
    session.onPrompt("To Survey Point ", [&] { session.clickAt(ucs.pointToWorld(survey)); });
    session.click("cmdPickDevs");
    EXPECT_EQ(session.text("txtXerr"), "0.120");
    EXPECT_EQ(session.text("txtYerr"), "-0.050");
    EXPECT_EQ(session.text("txtZerr"), "-0.050");

    session.click("optZVector");
    session.onPrompt("Insert Point ", [&] { session.typeLine("10,10,0"); });
    session.onPrompt("Leader to Point ", [&] { session.clickAt(ucs.pointToWorld(design)); });
    session.click("cmdInsert");
    EXPECT_TRUE(session.messages().isEmpty()) << session.messages().join("\n").toStdString();
    session.typeLine("SAVEAS " + saved);
  });
  EXPECT_EQ(exitCode, 0);

  const DrawingSeen seen = readWithEzdxf(saved);
  EXPECT_EQ(seen.currentUcsName, "SITE");
  ASSERT_EQ(seen.ucs.size(), 1u) << "no OriginalUCS beside a named UCS";
  EXPECT_EQ(seen.ucs[0].name, "SITE");
  EXPECT_WORLD(seen.ucs[0].origin, ucs.origin());
  EXPECT_WORLD(seen.ucs[0].xAxis, ucs.xAxis());

  // The stored text height is still the default, 1.
  const Vector3d at{10, 10, 0};
  const auto world = [&](const Vector3d& p) { return ucs.pointToWorld(p); };
  ASSERT_EQ(seen.arrows.size(), 3u);
  EXPECT_WORLD(seen.arrows[0].tail, world(at));
  EXPECT_WORLD(seen.arrows[0].tip, world(at + Vector3d(3, 0, 0)));
  EXPECT_WORLD(seen.arrows[1].tail, world(at));
  EXPECT_WORLD(seen.arrows[1].tip, world(at + Vector3d(0, -3, 0)));
  EXPECT_WORLD(seen.arrows[2].tail, world(at));
  EXPECT_WORLD(seen.arrows[2].tip, world(at + Vector3d(0, 0, -3)));  // down the tilted Z axis

  ASSERT_EQ(seen.texts.size(), 3u);
  EXPECT_EQ(seen.texts[0].text, "0.120");
  EXPECT_WORLD(seen.texts[0].insert, world(at + Vector3d(3.5, -0.5, 0)));
  EXPECT_EQ(seen.texts[1].text, "0.050");
  EXPECT_WORLD(seen.texts[1].insert, world(at + Vector3d(-0.5, -4.5, 0)));
  EXPECT_EQ(seen.texts[2].text, "0.050");
  EXPECT_WORLD(seen.texts[2].insert, world(at + Vector3d(-0.5, 0, -4.5)));
  for (const auto& text : seen.texts) EXPECT_WORLD(text.along, ucs.xAxis());

  ASSERT_EQ(seen.lines.size(), 1u);
  EXPECT_WORLD(seen.lines[0].start, world(at));
  EXPECT_WORLD(seen.lines[0].end, world(design));
  EXPECT_TRUE(seen.ellipses.empty());
}

}  // namespace
}  // namespace e2e
