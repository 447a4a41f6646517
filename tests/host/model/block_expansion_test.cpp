#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "host/model/block_expansion.h"
#include "host/model/world_geometry.h"

namespace host::model {
namespace {

constexpr BlockIndex kModel = BlockTable::kModelSpace;

// Counts what is drawn and whether every coordinate is finite.
struct CountingSink : GeometrySink {
  std::size_t points = 0, polylines = 0;
  bool finite = true;

  void polyline(const WorldPolyline& polyline) override {
    ++polylines;
    for (const auto& p : polyline.points) finite = finite && p.allFinite();
  }
  void point(const Eigen::Vector3d& position) override {
    ++points;
    finite = finite && position.allFinite();
  }
  void text(const WorldText&) override {}
  void ellipse(const geom::EllipseArc& ellipse) override { finite &= geom::isFinite(ellipse); }
};

std::vector<BlockIndex> blocks(Document& d, int count) {
  std::vector<BlockIndex> added;
  for (int i = 0; i < count; ++i) {
    added.push_back(d.addBlock("B" + std::to_string(i), Eigen::Vector3d::Zero()));
  }
  return added;
}
void insert(Document& d, BlockIndex into, BlockIndex block, double scale = 1.0) {
  d.addEntity(into, BlockReference{block, Eigen::Affine3d(Eigen::Scaling(scale))});
}

// `levels` blocks, each inserting the next ten times; the last holds `points` points.
std::function<void(Document&)> tenfold(int levels, int points) {
  return [=](Document& d) {
    const auto b = blocks(d, levels);
    for (int i = 0; i + 1 < levels; ++i) {
      for (int k = 0; k < 10; ++k) insert(d, b[i], b[i + 1]);
    }
    for (int k = 0; k < points; ++k) d.addEntity(b.back(), Point{});
    insert(d, kModel, b[0]);
  };
}

struct ExpansionCase {
  std::string name;
  std::function<void(Document&)> build;
  std::size_t points, polylines;
  EntitiesNotShown notShown;  // recursive, too deep, over budget, overflowing
};

void PrintTo(const ExpansionCase& c, std::ostream* os) {
  *os << c.name;
}

class BlockExpansion : public testing::TestWithParam<ExpansionCase> {};

TEST_P(BlockExpansion, DrawsWhatItCanAndCountsTheRest) {
  const ExpansionCase& c = GetParam();
  Document document;
  Document::HistoryPause pause(document);
  c.build(document);
  CountingSink sink;
  const EntitiesNotShown notShown =
      emitWorldGeometry(document, document.blocks()[kModel].entities, sink);
  EXPECT_EQ(sink.points, c.points);
  EXPECT_EQ(sink.polylines, c.polylines);
  EXPECT_TRUE(sink.finite);
  EXPECT_EQ(notShown.recursive, c.notShown.recursive);
  EXPECT_EQ(notShown.tooDeep, c.notShown.tooDeep);
  EXPECT_EQ(notShown.overBudget, c.notShown.overBudget);
  EXPECT_EQ(notShown.overflowing, c.notShown.overflowing);
}

INSTANTIATE_TEST_SUITE_P(
    Reproducers, BlockExpansion,
    testing::Values(
        // Drawn once where first inserted and never followed again, not even from model space.
        ExpansionCase{"BlockInsertingItself",
                      [](Document& d) {
                        const auto a = blocks(d, 1)[0];
                        d.addEntity(a, Point{});
                        insert(d, a, a);
                        insert(d, kModel, a);
                        insert(d, kModel, a);
                      },
                      1,
                      0,
                      {2, 0, 0, 0}},
        // Each with a point and inserts of the ten others: each is drawn once, and the hundred
        // inserts that lead back are not followed.
        ExpansionCase{"ElevenBlocksInsertingEachOther",
                      [](Document& d) {
                        const auto b = blocks(d, 11);
                        for (const auto block : b) {
                          d.addEntity(block, Point{});
                          for (const auto other : b) {
                            if (other != block) insert(d, block, other);
                          }
                        }
                        insert(d, kModel, b[0]);
                      },
                      11,
                      0,
                      {100, 0, 0, 0}},
        // Each holds a point and inserts the next: 64 levels are drawn, without recursion.
        ExpansionCase{"ChainOf20000NestedBlocks",
                      [](Document& d) {
                        const auto b = blocks(d, 20000);
                        for (std::size_t i = 0; i + 1 < b.size(); ++i) {
                          d.addEntity(b[i], Point{});
                          insert(d, b[i], b[i + 1]);
                        }
                        insert(d, kModel, b[0]);
                      },
                      64,
                      0,
                      {0, 1, 0, 0}},
        // 10^8 points in full. The budget of a million primitives counts the inserts met as
        // well (here 100,001), also when the last block is empty.
        ExpansionCase{
            "EightBlocksEachInsertingTheNextTenTimes", tenfold(8, 10), 899'999, 0, {0, 0, 20, 0}},
        // A polyline of 1000 vertices costs 1000 of the budget: 1000 copies spend it.
        ExpansionCase{"LongPolylineInsertedTwoThousandTimes",
                      [](Document& d) {
                        const auto block = blocks(d, 1)[0];
                        Polyline3d polyline;
                        for (int i = 0; i < 1000; ++i) polyline.vertices.emplace_back(i, 0, 0);
                        d.addEntity(block, polyline);
                        for (int i = 0; i < 2000; ++i) insert(d, kModel, block);
                      },
                      0,
                      1000,
                      {0, 0, 1000, 0}},
        ExpansionCase{"EightBlocksInsertingAnEmptyOneAtLast", tenfold(8, 0), 0, 0, {0, 0, 11, 0}},
        // A point at 1e300 scaled by 1e100 has no finite place; the line beside it has.
        ExpansionCase{"HugePointInAHugelyScaledInsert",
                      [](Document& d) {
                        const auto block = blocks(d, 1)[0];
                        d.addEntity(block, Point{{1e300, 0, 0}});
                        d.addEntity(block, Line{{0, 0, 0}, {1, 0, 0}});
                        insert(d, kModel, block, 1e100);
                      },
                      0,
                      1,
                      {0, 0, 0, 1}},
        ExpansionCase{"HugelyScaledInsertInAHugelyScaledInsert",
                      [](Document& d) {
                        const auto b = blocks(d, 2);
                        d.addEntity(b[1], Point{});
                        insert(d, b[0], b[1], 1e200);
                        insert(d, kModel, b[0], 1e200);
                      },
                      0,
                      0,
                      {0, 0, 0, 1}}),
    [](const auto& info) { return info.param.name; });

TEST(BlockExpansionBudget, CountsWhatAnEntityDraws) {
  Text text;
  text.text = "12.345";
  Polyline2d square;
  square.vertices.resize(4);
  UnsupportedEntity hatch{"HATCH", {}};
  for (int i = 0; i < 7; ++i) hatch.groups.append(8, "0");
  const struct {
    const char* kind;
    EntityData data;
    std::size_t primitives;
  } cases[] = {
      {"line", Line{}, 1},
      {"point", Point{}, 1},
      {"insert", BlockReference{}, 1},
      {"empty polyline", Polyline3d{}, 1},
      {"text", text, 6},
      {"square", square, 4},
      {"kept hatch", hatch, 7},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(primitivesOf(Entity{0, 0, {}, c.data, {}}), c.primitives) << c.kind;
  }
}

}  // namespace
}  // namespace host::model
