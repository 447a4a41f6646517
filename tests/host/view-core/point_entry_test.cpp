#include <cmath>
#include <numbers>
#include <ostream>

#include <gtest/gtest.h>

#include "host/geom/vector_near.h"
#include "host/view-core/point_entry.h"

namespace host::view {
namespace {

// A UCS turned 90 degrees about world Z and moved to (10, 20, 5): UCS X runs along world Y.
const geom::Frame kTurned = geom::Frame::fromDirections({10, 20, 5}, {0, 1, 0}, {-1, 0, 0});

struct PlacedCase {
  const char* typed;
  Eigen::Vector3d world;  // with the last point at world (1, 1, 1)
};

void PrintTo(const PlacedCase& c, std::ostream* out) {
  *out << '"' << c.typed << '"';
}

class PlacedEntry : public testing::TestWithParam<PlacedCase> {};

TEST_P(PlacedEntry, GivesTheWorldPoint) {
  const auto entry = parsePointEntry(GetParam().typed);
  ASSERT_TRUE(std::holds_alternative<PointEntry>(entry)) << std::get<EntryError>(entry).message;
  const auto placed = placePoint(std::get<PointEntry>(entry), kTurned, Eigen::Vector3d(1, 1, 1));
  ASSERT_TRUE(std::holds_alternative<Eigen::Vector3d>(placed));
  EXPECT_TRUE(vectorNear(std::get<Eigen::Vector3d>(placed), GetParam().world));
}

INSTANTIATE_TEST_SUITE_P(
    UnderATurnedUcs, PlacedEntry,
    testing::Values(PlacedCase{"2,3,4", {10 - 3, 20 + 2, 5 + 4}},
                    PlacedCase{"2,3", {10 - 3, 20 + 2, 5}},  // z is 0 in the UCS
                    PlacedCase{" 2 , 3 , 4 ", {7, 22, 9}},
                    PlacedCase{"-1.5e1,+.5,0", {10 - 0.5, 20 - 15, 5}},
                    PlacedCase{"*2,3,4", {2, 3, 4}}, PlacedCase{"*2,3", {2, 3, 0}},
                    PlacedCase{"@2,0,0", {1, 3, 1}},  // along UCS X, which is world Y
                    PlacedCase{"@0,1", {0, 1, 1}}));

struct RefusedCase {
  const char* typed;
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
  *out << '"' << c.typed << '"';
}

class RefusedEntry : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedEntry, SaysWhy) {
  const auto entry = parsePointEntry(GetParam().typed);
  ASSERT_TRUE(std::holds_alternative<EntryError>(entry));
  EXPECT_FALSE(std::get<EntryError>(entry).message.empty());
}

INSTANTIATE_TEST_SUITE_P(Malformed, RefusedEntry,
                         testing::Values(RefusedCase{""}, RefusedCase{"5"}, RefusedCase{"1,2,3,4"},
                                         RefusedCase{"1,,3"}, RefusedCase{"1;2"},
                                         RefusedCase{"2,5mm,0"}, RefusedCase{"1.2.3,0"},
                                         RefusedCase{"inf,0,0"}, RefusedCase{"nan,0"},
                                         RefusedCase{"1e999,0"}, RefusedCase{"@"}, RefusedCase{"*"},
                                         RefusedCase{"1 2"}));

TEST(PointEntry, CommaIsNeverADecimalSeparator) {
  // "1,5" is the point (1, 5), not one and a half.
  const auto entry = parsePointEntry("1,5");
  ASSERT_TRUE(std::holds_alternative<PointEntry>(entry));
  EXPECT_TRUE(vectorNear(std::get<PointEntry>(entry).value, {1, 5, 0}));
}

TEST(PointEntry, RelativeEntryWithoutALastPointIsRefused) {
  const auto entry = std::get<PointEntry>(parsePointEntry("@1,1"));
  const auto placed = placePoint(entry, kTurned, std::nullopt);
  EXPECT_TRUE(std::holds_alternative<EntryError>(placed));
}

}  // namespace
}  // namespace host::view
