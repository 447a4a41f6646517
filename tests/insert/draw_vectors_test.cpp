// drawVectors as a caller without the dialog meets it: given deviations, a frame and points,
// the arrows, labels, bubbles and leaders it leaves in the drawing, in world coordinates.
#include "insert/draw_vectors.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "host_fixture.h"

namespace {

using host::geom::Frame;
using insert::Deviation;
using insert::VectorSpec;
using insert::ZStyle;
using Points = std::vector<cad::Point3>;

// Moved and turned out of every world plane: its Z axis is (0, 0.8, -0.6) in the world.
const Frame kFrame = Frame::fromDirections({100, -50, 10}, {0, 0.6, 0.8}, {1, 0, 0});

struct Arrow {
  cad::Point3 tail;
  cad::Point3 tip;
};
struct Label {
  std::string text;
  cad::Point3 start;
};

// Everything in the frame's coordinates.
struct DrawCase {
  const char* name;
  VectorSpec vectors;
  Points points;  // grouped: the base point; separately: each drawn axis's point, X, Y, Z
  std::optional<cad::Point3> leaderEnd;
  std::vector<Arrow> arrows;
  std::vector<Label> labels;
  std::optional<cad::Point3> bubbleCentre;
};

void PrintTo(const DrawCase& c, std::ostream* os) {
  *os << c.name;
}

VectorSpec vectors(std::optional<Deviation> x, std::optional<Deviation> y,
                   std::optional<Deviation> z, ZStyle zStyle, bool grouped, double h) {
  return {x, y, z, zStyle, grouped, h};
}

class DrawVectors : public HostRun, public ::testing::WithParamInterface<DrawCase> {
 protected:
  cad::Point3 world(const cad::Point3& point) const { return kFrame.pointToWorld(point); }

  insert::Placement placement(const DrawCase& c) {
    insert::Placement placement;
    placement.frame = kFrame.matrix();
    const auto next = [this, &c] { return c.points.at(asked_++); };
    if (c.vectors.grouped) {
      placement.basePoint = next;
    } else {
      placement.xPoint = placement.yPoint = placement.zPoint = next;
    }
    if (c.leaderEnd) placement.leaderEnd = [end = *c.leaderEnd] { return end; };
    return placement;
  }

  std::size_t asked_ = 0;
};

TEST_P(DrawVectors, LeavesTheArrowsLabelsAndLeaderInTheFrame) {
  const DrawCase& c = GetParam();
  insert::drawVectors(*vars.moSpace, c.vectors, placement(c));

  const WorldDrawing drawn = modelSpace();
  EXPECT_EQ(asked_, c.points.size()) << "each point is asked for once";
  ASSERT_EQ(drawn.arrows.size(), c.arrows.size());
  for (std::size_t i = 0; i < c.arrows.size(); ++i) {
    EXPECT_TRUE(samePoint(drawn.arrows[i].tail, world(c.arrows[i].tail))) << "arrow " << i;
    EXPECT_TRUE(samePoint(drawn.arrows[i].tip, world(c.arrows[i].tip))) << "arrow " << i;
  }
  ASSERT_EQ(drawn.texts.size(), c.labels.size());
  for (std::size_t i = 0; i < c.labels.size(); ++i) {
    EXPECT_EQ(drawn.texts[i].text, c.labels[i].text);
    EXPECT_TRUE(samePoint(drawn.texts[i].placement.translation(), world(c.labels[i].start)))
        << c.labels[i].text;
    EXPECT_DOUBLE_EQ(drawn.texts[i].height, c.vectors.textHeight);
  }
  ASSERT_EQ(drawn.ellipses.size(), c.bubbleCentre ? 1u : 0u);
  if (c.bubbleCentre) {
    EXPECT_TRUE(samePoint(drawn.ellipses[0].centre, world(*c.bubbleCentre)));
    EXPECT_TRUE(samePoint(drawn.ellipses[0].normal, kFrame.zAxis())) << "flat in the frame";
  }
  ASSERT_EQ(drawn.lines.size(), c.leaderEnd ? 1u : 0u);
  if (c.leaderEnd) {
    EXPECT_TRUE(samePoint(drawn.lines[0].points.front(), world(c.points.front())));
    EXPECT_TRUE(samePoint(drawn.lines[0].points.back(), world(*c.leaderEnd)));
  }
}

// Text height 2 unless said; the base point (10, 20, 3). Labels keep half a height clear of a
// tip, the arrows are three heights long, and a label is a height wide per character.
INSTANTIATE_TEST_SUITE_P(
    Cases, DrawVectors,
    ::testing::Values(
        DrawCase{"GroupedNegativeXPositiveYZeroZArrow",
                 vectors(Deviation{-0.012, "-0.012"}, Deviation{0.5, "0.5"}, Deviation{0, "0.000"},
                         ZStyle::Arrow, true, 2),
                 {{10, 20, 3}},
                 cad::Point3(30, 40, 3),
                 // A zero Z stands up as two arrows, the second from the tip back.
                 {{{10, 20, 3}, {4, 20, 3}},
                  {{10, 20, 3}, {10, 26, 3}},
                  {{10, 20, 3}, {10, 20, 9}},
                  {{10, 20, 9}, {10, 20, 3}}},
                 {{"0.012", {-7, 19, 3}}, {"0.5", {9, 27, 3}}, {"0", {9, 20, 10}}},
                 std::nullopt},
        DrawCase{"GroupedBubbleInTheQuadrantTheArrowsPointInto",
                 vectors(Deviation{-1, "-1"}, Deviation{-0.25, "-0.25"}, Deviation{0.005, "0.005"},
                         ZStyle::Bubble, true, 2),
                 {{10, 20, 3}},
                 cad::Point3(0, 0, 3),
                 {{{10, 20, 3}, {4, 20, 3}}, {{10, 20, 3}, {10, 14, 3}}},
                 {{"1", {1, 19, 3}}, {"0.25", {9, 11, 3}}, {"+0.005", {-5.5, 14.5, 3}}},
                 cad::Point3(0.5, 15.5, 3)},
        DrawCase{
            "GroupedZeroBubbleAloneWithoutLeader",
            vectors(std::nullopt, std::nullopt, Deviation{0, "0.000"}, ZStyle::Bubble, true, 2),
            {{10, 20, 3}},
            std::nullopt,
            {},
            {{"%%p0", {13.5, 23.5, 3}}},
            cad::Point3(15.5, 24.5, 3)},
        DrawCase{
            "NegativeZeroIsZero",
            vectors(Deviation{-0.0, "0.000"}, std::nullopt, std::nullopt, ZStyle::Arrow, true, 1),
            {{0, 0, 0}},
            std::nullopt,
            {{{0, 0, 0}, {3, 0, 0}}, {{3, 0, 0}, {0, 0, 0}}},
            {{"0", {3.5, -0.5, 0}}},
            std::nullopt},
        DrawCase{"SeparatelyEachAxisAtItsOwnPoint",
                 vectors(Deviation{0.1, "0.1"}, Deviation{-0.2, "-0.2"}, Deviation{0.3, "0.3"},
                         ZStyle::Arrow, false, 1),
                 {{0, 0, 0}, {10, 0, 0}, {20, 5, 1}},
                 std::nullopt,
                 {{{0, 0, 0}, {3, 0, 0}}, {{10, 0, 0}, {10, -3, 0}}, {{20, 5, 1}, {20, 5, 4}}},
                 {{"0.1", {3.5, -0.5, 0}}, {"0.2", {9.5, -4.5, 0}}, {"0.3", {19.5, 5, 4.5}}},
                 std::nullopt},
        DrawCase{
            "SeparateBubbleAtItsOwnPoint",
            vectors(std::nullopt, std::nullopt, Deviation{-0.5, "-0.5"}, ZStyle::Bubble, false, 2),
            {{7, 8, 0}},
            std::nullopt,
            {},
            {{"-0.5", {7, 8, 0}}},
            cad::Point3(11, 9, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

// A user picking the points sees each axis drawn before the next point is asked for, and the
// leader's end asked for last.
TEST_F(HostRun, PointsAreAskedForWhenTheDrawingReachesThem) {
  std::vector<std::size_t> drawnWhenAsked;
  const auto entities = [this] {
    return model->blocks()[host::model::BlockTable::kModelSpace].entities.size();
  };
  const auto ask = [&](cad::Point3 point) {
    return [&, point] {
      drawnWhenAsked.push_back(entities());
      return point;
    };
  };
  insert::Placement placement;
  placement.xPoint = ask({0, 0, 0});
  placement.yPoint = ask({5, 0, 0});
  placement.zPoint = ask({10, 0, 0});
  placement.zTurnAxis = [&] {
    drawnWhenAsked.push_back(entities());
    return insert::TurnAxis{{10, 0, 0}, {11, 0, 0}};
  };
  insert::drawVectors(
      *vars.moSpace,
      vectors(Deviation{1, "1"}, Deviation{1, "1"}, Deviation{1, "1"}, ZStyle::Arrow, false, 1),
      placement);
  // Two entities per axis: its arrow and its label.
  EXPECT_EQ(drawnWhenAsked, (std::vector<std::size_t>{0, 2, 4, 4}));
  const WorldDrawing drawn = modelSpace();
  ASSERT_EQ(drawn.arrows.size(), 3u);
  EXPECT_TRUE(samePoint(drawn.arrows[2].tip, {10, 0, 3})) << "stood up about the given axis";
}

}  // namespace
