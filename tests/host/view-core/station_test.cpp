// STATION: chainages written and read as road designers write them, and the chainage and
// offset of points against each kind of polyline, worked out by hand.
#include <cmath>
#include <numbers>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "host/view-core/polyline_station.h"

namespace host::view {
namespace {

struct ChainageCase {
  double value;
  int decimals;
  const char* text;
};

class ChainageText : public testing::TestWithParam<ChainageCase> {};

TEST_P(ChainageText, ShowsKilometresAndMetres) {
  EXPECT_EQ(formatChainage(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChainageText,
    testing::Values(ChainageCase{1234.567, 3, "1+234.567"}, ChainageCase{0.0, 3, "0+000.000"},
                    ChainageCase{-12.0, 3, "-0+012.000"}, ChainageCase{-0.0001, 3, "0+000.000"},
                    // Rounding carries into the kilometres.
                    ChainageCase{999.9996, 3, "1+000.000"}, ChainageCase{12345.6, 0, "12+346"},
                    ChainageCase{7.25, 4, "0+007.2500"},
                    // Beyond what whole thousandths count, the plain number.
                    ChainageCase{1e20, 0, "100000000000000000000"}));

struct TypedChainage {
  const char* text;
  std::optional<double> value;
};

void PrintTo(const TypedChainage& c, std::ostream* out) {
  *out << '"' << c.text << '"';
}

class ChainageTyped : public testing::TestWithParam<TypedChainage> {};

TEST_P(ChainageTyped, IsReadOrRefused) {
  EXPECT_EQ(parseChainage(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChainageTyped,
    testing::Values(TypedChainage{"1250", 1250.0}, TypedChainage{"1+250", 1250.0},
                    TypedChainage{"2+005.5", 2005.5}, TypedChainage{"-0+012", -12.0},
                    TypedChainage{"-1+200", -1200.0}, TypedChainage{"0+999.99", 999.99},
                    TypedChainage{"0+1000", std::nullopt}, TypedChainage{"1.5+200", std::nullopt},
                    TypedChainage{"1+", std::nullopt}, TypedChainage{"+", std::nullopt},
                    TypedChainage{"1+-5", std::nullopt}, TypedChainage{"1+2+3", std::nullopt},
                    TypedChainage{"ten", std::nullopt}, TypedChainage{"", std::nullopt}));

model::Polyline2d flat(std::vector<model::Polyline2d::Vertex> vertices,
                       Eigen::Vector3d extrusion = Eigen::Vector3d::UnitZ()) {
  model::Polyline2d polyline;
  polyline.vertices = std::move(vertices);
  polyline.extrusion = extrusion;
  return polyline;
}

// A quarter circle of radius 10 turning left from (0,0) to (10,10) round (0,10), then north
// for 10: 5π + 10 long.
const double kQuarterTurn = std::tan(std::numbers::pi / 8.0);
model::Polyline2d curveThenStraight(Eigen::Vector3d extrusion = Eigen::Vector3d::UnitZ()) {
  return flat({{{0, 0}, kQuarterTurn}, {{10, 10}, 0.0}, {{10, 20}, 0.0}}, extrusion);
}

struct StationCase {
  const char* what;
  model::EntityData polyline;
  double start;
  Eigen::Vector2d point;
  const char* told;
};

void PrintTo(const StationCase& c, std::ostream* out) {
  *out << c.what;
}

class StationOfPoint : public testing::TestWithParam<StationCase> {};

TEST_P(StationOfPoint, TellsChainageAndSignedOffset) {
  const auto alignment = alignmentOfEntity(GetParam().polyline, GetParam().start);
  ASSERT_TRUE(std::holds_alternative<survey::HorizontalAlignment>(alignment))
      << std::get<EntryError>(alignment).message;
  const auto& along = std::get<survey::HorizontalAlignment>(alignment);
  EXPECT_EQ(describeStation(along.stationOf(GetParam().point), along, 3), GetParam().told);
}

const Eigen::Vector2d kInsideTheCurve =
    Eigen::Vector2d(0, 10) + 8.0 * Eigen::Vector2d(std::sqrt(0.5), -std::sqrt(0.5));

INSTANTIATE_TEST_SUITE_P(
    Cases, StationOfPoint,
    testing::Values(
        StationCase{"right of a line east",
                    flat({{{0, 0}}, {{100, 0}}}),
                    1000.0,
                    {30, -3.512},
                    "Chainage 1+030.000  Offset 3.512 R"},
        StationCase{"left of a line east",
                    flat({{{0, 0}}, {{100, 0}}}),
                    0.0,
                    {30, 2},
                    "Chainage 0+030.000  Offset 2.000 L"},
        StationCase{"on the line",
                    flat({{{0, 0}}, {{100, 0}}}),
                    0.0,
                    {30, 0.0001},
                    "Chainage 0+030.000  Offset 0.000"},
        StationCase{"inside a left-hand curve, halfway", curveThenStraight(), 0.0, kInsideTheCurve,
                    "Chainage 0+007.854  Offset 2.000 L"},
        StationCase{"on the straight after the curve",
                    curveThenStraight(),
                    0.0,
                    {12, 15},
                    "Chainage 0+020.708  Offset 2.000 R"},
        // Drawn with its normal down, the same vertices lie mirrored in X and turn right.
        StationCase{"a polyline seen from below",
                    curveThenStraight({0, 0, -1}),
                    0.0,
                    {-kInsideTheCurve.x(), kInsideTheCurve.y()},
                    "Chainage 0+007.854  Offset 2.000 R"},
        StationCase{"a closed polyline's last side",
                    [] {
                      auto square = flat({{{0, 0}}, {{10, 0}}, {{10, 10}}, {{0, 10}}});
                      square.closed = true;
                      return model::EntityData(square);
                    }(),
                    0.0,
                    {1, 5},
                    "Chainage 0+035.000  Offset 1.000 L"},
        StationCase{"a 3D polyline in plan",
                    model::Polyline3d{{{0, 0, 5}, {0, 50, 9}, {0, 50, 30}}},
                    100.0,
                    {-1, 20},
                    "Chainage 0+120.000  Offset 1.000 L"},
        StationCase{"before the start",
                    flat({{{0, 0}}, {{100, 0}}}),
                    0.0,
                    {-5, 1},
                    "Chainage -0+005.000  Offset 1.000 L  (before the start of the polyline)"},
        StationCase{"beyond the end",
                    flat({{{0, 0}}, {{100, 0}}}),
                    0.0,
                    {105, 0},
                    "Chainage 0+105.000  Offset 0.000  (beyond the end of the polyline)"}));

struct RefusedEntity {
  const char* what;
  model::EntityData entity;
  const char* mentions;
};

void PrintTo(const RefusedEntity& c, std::ostream* out) {
  *out << c.what;
}

class NoAlignment : public testing::TestWithParam<RefusedEntity> {};

TEST_P(NoAlignment, SaysWhy) {
  const auto alignment = alignmentOfEntity(GetParam().entity, 0.0);
  ASSERT_TRUE(std::holds_alternative<EntryError>(alignment));
  EXPECT_NE(std::get<EntryError>(alignment).message.find(GetParam().mentions), std::string::npos)
      << std::get<EntryError>(alignment).message;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoAlignment,
    testing::Values(RefusedEntity{"a line", model::Line{{0, 0, 0}, {10, 0, 0}}, "Not a polyline"},
                    RefusedEntity{"a circle", model::Circle{}, "Not a polyline"},
                    RefusedEntity{"one vertex", flat({{{3, 4}}}), "no length in plan"},
                    RefusedEntity{"a vertex given twice", flat({{{3, 4}}, {{3, 4}}}),
                                  "no length in plan"},
                    RefusedEntity{"a plumb 3D polyline", model::Polyline3d{{{1, 1, 0}, {1, 1, 9}}},
                                  "no length in plan"}));

}  // namespace
}  // namespace host::view
