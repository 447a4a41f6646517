#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "cad/automation_error.h"
#include "host_fixture.h"
#include "insert/insert_command.h"

namespace {

using host::geom::Frame;

// A current UCS to draw under.
struct UcsCase {
  const char* name;
  std::string ucsName;
  Frame frame;
};

void PrintTo(const UcsCase& c, std::ostream* os) {
  *os << c.name;
}

const UcsCase kWorld{"World", "", Frame()};
// Unnamed, moved and turned out of every world plane: UCS Z is (0, 0.8, -0.6) in the world.
const UcsCase kTurned{"UnnamedTurned", "",
                      Frame::fromDirections({100, -50, 10}, {0, 0.6, 0.8}, {1, 0, 0})};
const UcsCase kSite{"NamedSite", "Site",
                    Frame::fromDirections({5, 5, 0}, {std::cos(0.5), std::sin(0.5), 0},
                                          {-std::sin(0.5), std::cos(0.5), 0})};

void expectText(const host::model::WorldText& text, const std::string& string,
                const cad::Point3& insertion, const cad::Point3& baseline, const cad::Point3& up,
                double height) {
  EXPECT_EQ(text.text, string);
  EXPECT_TRUE(samePoint(text.placement.translation(), insertion)) << string;
  EXPECT_TRUE(samePoint(text.placement.linear().col(0).normalized(), baseline)) << string;
  EXPECT_TRUE(samePoint(text.placement.linear().col(1).normalized(), up)) << string;
  EXPECT_DOUBLE_EQ(text.height, height) << string;
}

class GroupedUnderUcs : public HostRun, public ::testing::WithParamInterface<UcsCase> {};

// Text height 2; X -0.012, Y 0.5 and a Z arrow of -0.025 at the UCS point (10, 20, 3).
TEST_P(GroupedUnderUcs, ArrowsStartAtThePickAndPointAlongTheUcsAxes) {
  const Frame& ucs = GetParam().frame;
  setCurrentUcs(GetParam().ucsName, ucs);
  const auto at = [&](double x, double y, double z) { return ucs.pointToWorld({x, y, z}); };
  dialog.texts = {
      {"txtTextHgt", "2"}, {"txtXerr", "-0.012"}, {"txtYerr", "0.5"}, {"txtZerr", "-0.025"}};
  picks->push(at(10, 20, 3));
  picks->push(at(30, 40, 3));

  insert::cmdInsert_Click(dialog, vars);

  const WorldDrawing drawn = modelSpace();
  ASSERT_EQ(drawn.arrows.size(), 3u);
  ASSERT_EQ(drawn.texts.size(), 3u);
  ASSERT_EQ(drawn.lines.size(), 1u);
  for (const WorldArrow& arrow : drawn.arrows) EXPECT_TRUE(samePoint(arrow.tail, at(10, 20, 3)));
  EXPECT_TRUE(samePoint(drawn.arrows[0].tip, at(4, 20, 3)));
  EXPECT_TRUE(samePoint(drawn.arrows[1].tip, at(10, 26, 3)));
  EXPECT_TRUE(samePoint(drawn.arrows[2].tip, at(10, 20, -3)));
  // The X label ends one text height short of the tip's far side: 5 characters of width 2
  // and a 1 unit gap.
  expectText(drawn.texts[0], "0.012", at(-7, 19, 3), ucs.xAxis(), ucs.yAxis(), 2);
  expectText(drawn.texts[1], "0.5", at(9, 27, 3), ucs.xAxis(), ucs.yAxis(), 2);
  // The Z label stands upright in the UCS XZ plane, below the downward tip.
  expectText(drawn.texts[2], "0.025", at(9, 20, -6), ucs.xAxis(), ucs.zAxis(), 2);
  EXPECT_TRUE(samePoint(drawn.lines[0].points.front(), at(10, 20, 3)));
  EXPECT_TRUE(samePoint(drawn.lines[0].points.back(), at(30, 40, 3)));

  EXPECT_EQ(model->currentUcs().name, GetParam().ucsName);
  EXPECT_EQ(model->currentUcs().frame, ucs);
}

// The copy of an unnamed UCS has its axes, so it can place entities exactly as the UCS would.
TEST_P(GroupedUnderUcs, UnnamedUcsIsSavedAsOriginalUcsWithItsAxes) {
  const Frame& ucs = GetParam().frame;
  setCurrentUcs(GetParam().ucsName, ucs);
  dialog.checks = {};
  picks->push(ucs.origin());
  picks->push(ucs.origin());

  insert::cmdInsert_Click(dialog, vars);

  const auto saved = model->ucsTable().find("OriginalUCS");
  ASSERT_EQ(saved.has_value(), GetParam().ucsName.empty());
  if (!saved) return;
  const Frame& copy = model->ucsTable()[*saved].frame;
  EXPECT_TRUE(samePoint(copy.origin(), ucs.origin()));
  EXPECT_TRUE(samePoint(copy.xAxis(), ucs.xAxis()));
  EXPECT_TRUE(samePoint(copy.yAxis(), ucs.yAxis()));
}

INSTANTIATE_TEST_SUITE_P(Ucss, GroupedUnderUcs, ::testing::Values(kWorld, kTurned, kSite),
                         [](const auto& info) { return std::string(info.param.name); });

class DrawnUnderTurnedUcs : public HostRun {
 protected:
  void SetUp() override { setCurrentUcs("", kTurned.frame); }
  cad::Point3 at(double x, double y, double z) const {
    return kTurned.frame.pointToWorld({x, y, z});
  }
};

TEST_F(DrawnUnderTurnedUcs, ZeroDeviationsAreDoubleHeadedArrows) {
  dialog.checks = {{"chkXdev", 1}, {"chkZdev", 1}};
  dialog.texts = {{"txtTextHgt", "2"}, {"txtXerr", "0.000"}, {"txtZerr", ""}};
  picks->push(at(1, 2, 3));
  picks->push(at(0, 0, 0));

  insert::cmdInsert_Click(dialog, vars);

  const WorldDrawing drawn = modelSpace();
  ASSERT_EQ(drawn.arrows.size(), 4u);
  EXPECT_TRUE(samePoint(drawn.arrows[0].tip, at(7, 2, 3)));
  EXPECT_TRUE(samePoint(drawn.arrows[1].tail, at(7, 2, 3)));
  EXPECT_TRUE(samePoint(drawn.arrows[1].tip, at(1, 2, 3)));
  EXPECT_TRUE(samePoint(drawn.arrows[2].tip, at(1, 2, 9)));
  EXPECT_TRUE(samePoint(drawn.arrows[3].tail, at(1, 2, 9)));
  EXPECT_TRUE(samePoint(drawn.arrows[3].tip, at(1, 2, 3)));
  ASSERT_EQ(drawn.texts.size(), 2u);
  expectText(drawn.texts[0], "0", at(8, 1, 3), kTurned.frame.xAxis(), kTurned.frame.yAxis(), 2);
  expectText(drawn.texts[1], "0", at(0, 2, 10), kTurned.frame.xAxis(), kTurned.frame.zAxis(), 2);
}

// Each axis at its own point; the Z arrow turns about its own point, not an earlier pick.
TEST_F(DrawnUnderTurnedUcs, SeparatelyEachAxisStartsAtItsOwnPick) {
  dialog.grouped(false);
  dialog.texts = {{"txtTextHgt", "1"}, {"txtXerr", "0.1"}, {"txtYerr", "-0.2"}, {"txtZerr", "0.3"}};
  picks->push(at(0, 0, 0));
  picks->push(at(10, 0, 0));
  picks->push(at(20, 5, 1));

  insert::cmdInsert_Click(dialog, vars);

  const WorldDrawing drawn = modelSpace();
  ASSERT_EQ(drawn.arrows.size(), 3u);
  EXPECT_TRUE(samePoint(drawn.arrows[0].tail, at(0, 0, 0)));
  EXPECT_TRUE(samePoint(drawn.arrows[0].tip, at(3, 0, 0)));
  EXPECT_TRUE(samePoint(drawn.arrows[1].tail, at(10, 0, 0)));
  EXPECT_TRUE(samePoint(drawn.arrows[1].tip, at(10, -3, 0)));
  EXPECT_TRUE(samePoint(drawn.arrows[2].tail, at(20, 5, 1)));
  EXPECT_TRUE(samePoint(drawn.arrows[2].tip, at(20, 5, 4)));
  ASSERT_EQ(drawn.texts.size(), 3u);
  expectText(drawn.texts[2], "0.3", at(19.5, 5, 4.5), kTurned.frame.xAxis(), kTurned.frame.zAxis(),
             1);
  EXPECT_TRUE(drawn.lines.empty());
  EXPECT_TRUE(samePoint(*vars.PickPnt1, {20, 5, 1}));
  EXPECT_TRUE(samePoint(*vars.PickPnt2, at(21, 5, 1)));
}

TEST_F(DrawnUnderTurnedUcs, BubbleLiesFlatInTheUcsAroundItsLabel) {
  dialog.checks = {{"chkXdev", 1}, {"chkYdev", 1}, {"chkZdev", 1}};
  dialog.options["optZBubble"] = true;
  dialog.texts = {{"txtTextHgt", "2"}, {"txtXerr", "-1"}, {"txtYerr", "1"}, {"txtZerr", "0.005"}};
  picks->push(at(10, 20, 3));
  picks->push(at(0, 0, 0));

  insert::cmdInsert_Click(dialog, vars);

  const WorldDrawing drawn = modelSpace();
  ASSERT_EQ(drawn.texts.size(), 3u);
  ASSERT_EQ(drawn.ellipses.size(), 1u);
  // Left of the insert point, clear of the X label's side: 1.75 heights plus six characters.
  const cad::Point3 label = at(10 - 3.5 - 12, 23.5, 3);
  expectText(drawn.texts[2], "+0.005", label, kTurned.frame.xAxis(), kTurned.frame.yAxis(), 2);
  const host::geom::EllipseArc& bubble = drawn.ellipses[0];
  EXPECT_TRUE(samePoint(bubble.centre, at(10 - 3.5 - 12 + 6, 24.5, 3)));
  const cad::Point3 majorAxis = kTurned.frame.vectorToWorld({7, 0, 0});
  EXPECT_TRUE(samePoint(bubble.majorAxis, majorAxis) || samePoint(bubble.majorAxis, -majorAxis));
  EXPECT_TRUE(samePoint(bubble.normal, kTurned.frame.zAxis()));
  EXPECT_NEAR(bubble.ratio, 0.75 / 3.5, 1e-12);
}

class HostFailure : public HostRun {};

// The drawing refuses an arrow scaled to nothing, so a zero text height ends the run at once.
TEST_F(HostFailure, ZeroTextHeightStopsAtTheFirstArrow) {
  dialog.texts = {{"txtTextHgt", "0"}, {"txtXerr", "1"}};
  picks->push({0, 0, 0});
  picks->push({1, 1, 0});
  EXPECT_THROW(insert::cmdInsert_Click(dialog, vars), cad::AutomationError);
  EXPECT_TRUE(model->blocks()[host::model::BlockTable::kModelSpace].entities.empty());
  EXPECT_EQ(picks->remaining(), 1u) << "no leader is asked for";
  EXPECT_FALSE(dialog.visible);
}

TEST_F(HostFailure, TemporaryUcsStaysWhenTheRunFails) {
  setCurrentUcs("_ActiveTemp", Frame());
  dialog.checks = {};
  picks->push({0, 0, 0});
  picks->pushCancel();
  EXPECT_THROW(insert::cmdInsert_Click(dialog, vars), cad::AutomationError);
  EXPECT_TRUE(model->ucsTable().find("_ActiveTemp").has_value());
}

TEST_F(HostFailure, TemporaryNamedUcsIsRemovedOnlyAfterAFinishedRun) {
  setCurrentUcs("_ActiveTemp", Frame());
  dialog.checks = {};
  dialog.grouped(false);
  insert::cmdInsert_Click(dialog, vars);
  EXPECT_FALSE(model->ucsTable().find("_ActiveTemp").has_value());
  EXPECT_TRUE(dialog.visible);
}

}  // namespace
