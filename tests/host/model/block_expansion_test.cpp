#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "host/model/block_expansion.h"
#include "host/model/world_geometry.h"

namespace host::model {
namespace {

constexpr BlockIndex kModel = BlockTable::kModelSpace;
const Eigen::Vector3d kOrigin = Eigen::Vector3d::Zero();

BlockReference insertOf(BlockIndex block, double scale = 1.0) {
  return BlockReference{block, Eigen::Affine3d(Eigen::Scaling(scale))};
}

// Counts what is drawn and checks that every coordinate is finite.
class CountingSink : public GeometrySink {
 public:
  std::size_t points = 0;
  std::size_t polylines = 0;
  bool allFinite = true;

  void polyline(const WorldPolyline& polyline) override {
    ++polylines;
    for (const auto& p : polyline.points) allFinite = allFinite && p.allFinite();
  }
  void point(const Eigen::Vector3d& position) override {
    ++points;
    allFinite = allFinite && position.allFinite();
  }
  void text(const WorldText&) override {}
  void ellipse(const geom::EllipseArc& ellipse) override { allFinite &= geom::isFinite(ellipse); }
};

// `levels` blocks each inserting the next `copies` times; the last holds `points` points.
void nestedCopies(Document& document, int levels, int copies, int points) {
  std::vector<BlockIndex> blocks;
  for (int i = 0; i < levels; ++i)
    blocks.push_back(document.addBlock("B" + std::to_string(i), kOrigin));
  for (int i = 0; i + 1 < levels; ++i) {
    for (int k = 0; k < copies; ++k) document.addEntity(blocks[i], insertOf(blocks[i + 1]));
  }
  for (int k = 0; k < points; ++k) document.addEntity(blocks.back(), Point{{double(k), 0, 0}});
  document.addEntity(kModel, insertOf(blocks.front()));
}

struct ExpansionCase {
  std::string name;
  std::function<void(Document&)> build;
  std::size_t points;
  std::size_t polylines;
  EntitiesNotShown notShown;
};

void PrintTo(const ExpansionCase& c, std::ostream* os) {
  *os << c.name;
}

class BlockExpansion : public testing::TestWithParam<ExpansionCase> {};

TEST_P(BlockExpansion, DrawsWhatItCanAndCountsTheRest) {
  Document document;
  Document::HistoryPause pause(document);
  GetParam().build(document);
  CountingSink sink;
  const EntitiesNotShown notShown =
      emitWorldGeometry(document, document.blocks()[kModel].entities, sink);
  EXPECT_EQ(sink.points, GetParam().points);
  EXPECT_EQ(sink.polylines, GetParam().polylines);
  EXPECT_TRUE(sink.allFinite);
  EXPECT_EQ(notShown.recursive, GetParam().notShown.recursive);
  EXPECT_EQ(notShown.tooDeep, GetParam().notShown.tooDeep);
  EXPECT_EQ(notShown.overBudget, GetParam().notShown.overBudget);
  EXPECT_EQ(notShown.overflowing, GetParam().notShown.overflowing);
}

INSTANTIATE_TEST_SUITE_P(
    Reproducers, BlockExpansion,
    testing::Values(
        // Drawn once where first inserted, never followed again: also not at its second insert.
        ExpansionCase{"BlockInsertingItself",
                      [](Document& d) {
                        const auto a = d.addBlock("A", kOrigin);
                        d.addEntity(a, Point{});
                        d.addEntity(a, insertOf(a));
                        d.addEntity(kModel, insertOf(a));
                        d.addEntity(kModel, insertOf(a));
                      },
                      1,
                      0,
                      {2, 0, 0, 0}},
        // Eleven blocks, each with a point and inserts of the ten others: every block is drawn
        // once and the hundred inserts that lead back are not followed.
        ExpansionCase{"ElevenBlocksInsertingEachOther",
                      [](Document& d) {
                        std::vector<BlockIndex> blocks;
                        for (int i = 0; i < 11; ++i) {
                          blocks.push_back(d.addBlock("B" + std::to_string(i), kOrigin));
                        }
                        for (const auto block : blocks) {
                          d.addEntity(block, Point{});
                          for (const auto other : blocks) {
                            if (other != block) d.addEntity(block, insertOf(other));
                          }
                        }
                        d.addEntity(kModel, insertOf(blocks[0]));
                      },
                      11,
                      0,
                      {100, 0, 0, 0}},
        // Each of 20,000 blocks holds a point and inserts the next: 64 levels are drawn.
        ExpansionCase{"ChainOf20000NestedBlocks",
                      [](Document& d) {
                        std::vector<BlockIndex> blocks;
                        for (int i = 0; i < 20000; ++i) {
                          blocks.push_back(d.addBlock("B" + std::to_string(i), kOrigin));
                        }
                        for (std::size_t i = 0; i + 1 < blocks.size(); ++i) {
                          d.addEntity(blocks[i], Point{});
                          d.addEntity(blocks[i], insertOf(blocks[i + 1]));
                        }
                        d.addEntity(kModel, insertOf(blocks[0]));
                      },
                      64,
                      0,
                      {0, 1, 0, 0}},
        // A point at 1e300 in a block inserted at scale 1e100 has no finite place; the line
        // beside it has.
        ExpansionCase{"HugePointInAHugelyScaledInsert",
                      [](Document& d) {
                        const auto block = d.addBlock("Far", kOrigin);
                        d.addEntity(block, Point{{1e300, 0, 0}});
                        d.addEntity(block, Line{{0, 0, 0}, {1, 0, 0}});
                        d.addEntity(kModel, insertOf(block, 1e100));
                      },
                      0,
                      1,
                      {0, 0, 0, 1}},
        ExpansionCase{"HugelyScaledInsertInAHugelyScaledInsert",
                      [](Document& d) {
                        const auto inner = d.addBlock("Inner", kOrigin);
                        d.addEntity(inner, Point{});
                        const auto outer = d.addBlock("Outer", kOrigin);
                        d.addEntity(outer, insertOf(inner, 1e200));
                        d.addEntity(kModel, insertOf(outer, 1e200));
                      },
                      0,
                      0,
                      {0, 0, 0, 1}}),
    [](const auto& info) { return info.param.name; });

class VisitCounter : public ExpansionVisitor {
 public:
  std::size_t visits = 0;
  bool visit(const Entity&, const Eigen::Affine3d&) override {
    ++visits;
    return true;
  }
};

TEST(BlockExpansionBudget, EightBlocksEachInsertingTheNextTenTimesStopAtTheBudget) {
  // 10^8 points in full; with nothing in the last block, 10^7 inserts of an empty block.
  for (const int points : {10, 0}) {
    Document document;
    Document::HistoryPause pause(document);
    nestedCopies(document, 8, 10, points);
    VisitCounter counter;
    const ExpansionLimits limits;
    const EntitiesNotShown notShown =
        expandBlocks(document, document.blocks()[kModel].entities, counter, limits);
    // The budget counts what is met inside blocks; the insert in model space comes on top.
    EXPECT_EQ(counter.visits, limits.budget + 1) << points;
    EXPECT_GT(notShown.overBudget, 0u) << points;
    EXPECT_EQ(notShown.total(), notShown.overBudget) << points;
  }
}

}  // namespace
}  // namespace host::model
