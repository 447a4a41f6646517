#include <gtest/gtest.h>

#include "host/view-core/drawing_text.h"
#include "host/view-core/rendered_drawing.h"
#include "host/view-core/snap_points.h"

namespace host::view {
namespace {

// A block drawing a red line 10 long along its X axis from its base point.
const std::string kDash =
    "0 BLOCK|8 0|2 Dash|70 0|10 0|20 0|30 0|"
    "0 LINE|8 0|62 1|10 0|20 0|11 10|21 0|0 ENDBLK|8 0";

struct InsertCase {
  std::string name;
  std::string insert;
  std::vector<Eigen::Vector2d> drawn;     // world points a red line passes
  std::vector<Eigen::Vector2d> notDrawn;  // world points none does
  std::size_t notShown = 0;
};

void PrintTo(const InsertCase& c, std::ostream* os) {
  *os << c.name;
}

class KeptInserts : public testing::TestWithParam<InsertCase> {};

TEST_P(KeptInserts, DrawWhatTheirBlockHolds) {
  const InsertCase& c = GetParam();
  const auto document = DrawingText{{}, {}, {}, {kDash}, {c.insert}}.open();
  const RenderedDrawing drawn(*document);
  for (const auto& p : c.drawn) {
    EXPECT_EQ(drawn.colourAt(p.x(), p.y()), 0xFF0000u) << "at " << p.transpose();
  }
  for (const auto& p : c.notDrawn) {
    EXPECT_EQ(drawn.colourAt(p.x(), p.y()), std::nullopt) << "at " << p.transpose();
  }
  EXPECT_EQ(drawn.scene.notShown, c.notShown);
}

INSTANTIATE_TEST_SUITE_P(
    Inserts, KeptInserts,
    testing::Values(
        // Common in plans: no height, so a Z scale of 0.
        InsertCase{"ZeroZScale",
                   "0 INSERT|8 0|2 Dash|10 10|20 10|41 2|42 2|43 0",
                   {{12, 10}, {29, 10}},
                   {{32, 10}}},
        InsertCase{"ZeroYScaleTurned",
                   "0 INSERT|8 0|2 Dash|10 50|20 50|41 3|42 0|43 1|50 90",
                   {{50, 52}, {50, 79}},
                   {{50, 82}}},
        // Three columns 20 apart and two rows 30 apart; spacing is not scaled.
        InsertCase{"Array",
                   "0 INSERT|8 0|2 Dash|10 10|20 10|41 0.5|42 0.5|70 3|71 2|44 20|45 30",
                   {{12, 10}, {32, 10}, {52, 10}, {12, 40}, {32, 40}, {52, 40}},
                   {{17, 10}, {12, 70}, {72, 10}}},
        InsertCase{"WithAttributes",
                   "0 INSERT|8 0|66 1|2 Dash|10 10|20 10|0 ATTRIB|8 0|10 10|20 20|40 2|1 A|2 T|"
                   "70 0|0 SEQEND|8 0",
                   {{15, 10}},
                   {}},
        InsertCase{"NamingNoBlock", "0 INSERT|8 0|10 10|20 10|43 0", {}, {}, 1},
        InsertCase{"OfTooManyCopies",
                   "0 INSERT|8 0|2 Dash|10 10|20 10|70 100000|71 100000|43 0",
                   {},
                   {{15, 10}},
                   1}));

TEST(KeptInserts, ShowTheirVisibleAttributesOnly) {
  const std::string insert =
      "0 INSERT|8 0|66 1|2 Dash|10 10|20 10|0 ATTRIB|8 0|10 10|20 20|40 2|1 Shown|2 A|70 0|"
      "0 ATTRIB|8 0|10 10|20 30|40 2|1 Hidden|2 B|70 1|0 SEQEND|8 0";
  const auto document = DrawingText{{}, {}, {}, {kDash}, {insert}}.open();
  const RenderedDrawing drawn(*document);
  ASSERT_EQ(drawn.canvas.labels.size(), 1u);
  EXPECT_EQ(drawn.canvas.labels[0].text, "Shown");
}

TEST(KeptInserts, AttributesOfColourByBlockTakeTheInsertsColour) {
  const std::string insert =
      "0 INSERT|8 0|62 5|66 1|2 Dash|10 10|20 10|0 ATTRIB|8 0|62 0|10 10|20 20|40 2|1 Blue|"
      "2 A|70 0|0 ATTRIB|8 0|62 2|10 10|20 30|40 2|1 Yellow|2 B|70 0|0 SEQEND|8 0";
  const auto document = DrawingText{{}, {}, {}, {kDash}, {insert}}.open();
  const RenderedDrawing drawn(*document);
  ASSERT_EQ(drawn.canvas.labels.size(), 2u);
  EXPECT_EQ(drawn.canvas.labels[0].colour, 0x0000FFu);
  EXPECT_EQ(drawn.canvas.labels[1].colour, 0xFFFF00u);
}

TEST(KeptInserts, OfferTheSnapPointsOfTheirBlock) {
  const auto document =
      DrawingText{{}, {}, {}, {kDash}, {"0 INSERT|8 0|2 Dash|10 10|20 10|41 2|42 2|43 0"}}.open();
  std::vector<Eigen::Vector3d> points;
  for (const auto& snap : snapPoints(*document)) points.push_back(snap.world);
  EXPECT_NE(std::ranges::find(points, Eigen::Vector3d(30, 10, 0)), points.end());
}

}  // namespace
}  // namespace host::view
