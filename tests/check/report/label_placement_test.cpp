#include "check/report/label_placement.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace check::report {
namespace {

constexpr LabelBox kPage{0, 0, 200, 200};
constexpr double kGap = 1.0;

LabelWanted labelAt(double x, double y) {
  return {x, y, 10.0, 2.0};
}

LabelBox symbolAt(double x, double y) {
  return {x - 0.5, y - 0.5, x + 0.5, y + 0.5};
}

// Whether no two boxes overlap and none covers a symbol or leaves the page.
void expectApart(const std::vector<std::optional<LabelBox>>& boxes,
                 const std::vector<LabelBox>& symbols) {
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (!boxes[i]) continue;
    EXPECT_TRUE(boxes[i]->inside(kPage)) << i;
    for (std::size_t j = i + 1; j < boxes.size(); ++j) {
      EXPECT_FALSE(boxes[j] && boxes[i]->overlaps(*boxes[j])) << i << " and " << j;
    }
    for (const LabelBox& symbol : symbols) EXPECT_FALSE(boxes[i]->overlaps(symbol)) << i;
  }
}

TEST(LabelPlacement, ALabelTakesTheFirstFreePlaceAroundItsPoint) {
  const struct {
    const char* name;
    LabelWanted label;
    std::vector<LabelBox> symbols;
    LabelBox box;
  } cases[] = {
      {"right above when free", labelAt(50, 50), {}, {51, 47, 61, 49}},
      {"right below under a point above", labelAt(50, 50), {symbolAt(55, 48)}, {51, 51, 61, 53}},
      {"left above at the page's right edge", labelAt(195, 50), {}, {184, 47, 194, 49}},
      {"right below at the page's top", labelAt(50, 1), {}, {51, 2, 61, 4}},
  };
  for (const auto& c : cases) {
    const auto boxes = placeLabels({c.label}, c.symbols, kPage, kGap);
    ASSERT_TRUE(boxes[0]) << c.name;
    EXPECT_DOUBLE_EQ(boxes[0]->left, c.box.left) << c.name;
    EXPECT_DOUBLE_EQ(boxes[0]->top, c.box.top) << c.name;
    EXPECT_DOUBLE_EQ(boxes[0]->right, c.box.right) << c.name;
    EXPECT_DOUBLE_EQ(boxes[0]->bottom, c.box.bottom) << c.name;
  }
}

// Seven points in one place: right above, right below, left above, left below, right and left
// take six (above and below would cover the first ones), none is left for the seventh, which
// the caller lists instead.
TEST(LabelPlacement, ALabelWithoutAFreePlaceIsLeftOut) {
  const std::vector<LabelWanted> labels(7, labelAt(100, 100));
  const auto boxes = placeLabels(labels, {symbolAt(100, 100)}, kPage, kGap);
  for (std::size_t i = 0; i < 6; ++i) EXPECT_TRUE(boxes[i]) << i;
  EXPECT_FALSE(boxes[6]);
  expectApart(boxes, {symbolAt(100, 100)});
}

// Points 3 mm apart in a grid, far denser than the labels: those placed never overlap each
// other or a point, the first ones given are placed and many are left out.
TEST(LabelPlacement, LabelsInACrowdNeverOverlap) {
  std::vector<LabelWanted> labels;
  std::vector<LabelBox> symbols;
  for (int i = 0; i < 2500; ++i) {
    const double x = 3.0 * (i % 50) + 10.0;
    const double y = 3.0 * (i / 50) + 10.0;
    labels.push_back(labelAt(x, y));
    symbols.push_back(symbolAt(x, y));
  }
  const auto boxes = placeLabels(labels, symbols, kPage, kGap);
  expectApart(boxes, symbols);
  EXPECT_TRUE(boxes[0]);
  const auto placed = std::count_if(boxes.begin(), boxes.end(), [](const auto& b) { return b; });
  EXPECT_GT(placed, 50);
  EXPECT_LT(placed, 2500);
}

// Labels far apart on a page of 20,000 points all find room.
TEST(LabelPlacement, LabelsWithRoomAreAllPlaced) {
  std::vector<LabelWanted> labels;
  for (int i = 0; i < 20000; ++i) labels.push_back(labelAt(15.0 * (i % 100), 5.0 * (i / 100)));
  const auto boxes = placeLabels(labels, {}, {-20, -20, 1520, 1020}, kGap);
  EXPECT_TRUE(std::all_of(boxes.begin(), boxes.end(), [](const auto& b) { return b; }));
}

}  // namespace
}  // namespace check::report
