#include "check/report/histogram.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <memory>
#include <numeric>

#include "check/report/histogram_chart.h"
#include "checked_survey.h"

namespace check::report {
namespace {

constexpr auto kWithin = survey::Tolerance::within;

TEST(Histogram, BinsCoverEveryValueAndTheTolerance) {
  const struct {
    const char* name;
    std::vector<double> values;
    std::optional<survey::Tolerance> tolerance;
    bool magnitudes;
    double start;
    double end;
    std::size_t bins;
  } cases[] = {
      {"within the tolerance", {0.005, 0.010}, kWithin(0.02), false, -0.02, 0.02, 5},
      {"beyond the tolerance", {-0.05, 0.030}, kWithin(0.02), false, -0.05, 0.03, 5},
      {"magnitudes from 0", {0.010, 0.030}, kWithin(0.025), true, 0.0, 0.03, 5},
      {"unequal bounds", {0.005, 0.010}, survey::Tolerance{-0.01, 0.04}, false, -0.01, 0.04, 5},
      {"no tolerance", {-0.01, 0.01, 0.02}, std::nullopt, false, -0.01, 0.02, 5},
      {"one value, no tolerance", {0.5}, std::nullopt, false, 0.25, 0.75, 5},
      {"100 values", std::vector<double>(100, 0.001), kWithin(0.01), false, -0.01, 0.01, 10},
      {"10000 values", std::vector<double>(10000, 0.001), kWithin(0.01), false, -0.01, 0.01, 40},
  };
  for (const auto& c : cases) {
    const Histogram h = histogramOf(c.values, c.tolerance, c.magnitudes);
    EXPECT_NEAR(h.start, c.start, 1e-12) << c.name;
    EXPECT_NEAR(h.end(), c.end, 1e-12) << c.name;
    EXPECT_EQ(h.counts.size(), c.bins) << c.name;
    EXPECT_EQ(std::accumulate(h.counts.begin(), h.counts.end(), std::size_t{0}), c.values.size())
        << c.name;
  }
}

TEST(Histogram, TheLargestValueIsInTheLastBin) {
  const Histogram h = histogramOf({-0.05, 0.0, 0.030}, kWithin(0.02), false);
  EXPECT_EQ(h.counts.front(), 1u);
  EXPECT_EQ(h.counts.back(), 1u);
}

// 300 stakes within a centimetre and one blunder of 0.37: the bins follow the 300, the blunder is
// counted beyond them.
TEST(Histogram, ABlunderIsCountedBeyondTheBinsAndSqueezesNothing) {
  std::vector<double> values;
  for (int i = 0; i < 300; ++i) values.push_back(0.001 * (i % 21 - 10));
  values.push_back(0.37);
  const Histogram h = histogramOf(values, kWithin(0.02), false);
  EXPECT_NEAR(h.start, -0.02, 1e-12);
  EXPECT_LT(h.end(), 0.05);
  EXPECT_GT(h.end(), 0.02);
  EXPECT_EQ(h.counts.size(), 18u);
  EXPECT_EQ(h.below, 0u);
  EXPECT_EQ(h.above, 1u);
  EXPECT_EQ(h.highest, 0.37);
  EXPECT_EQ(std::accumulate(h.counts.begin(), h.counts.end(), std::size_t{0}), 300u);

  // Mostly equal values: the bulk is between the 1st and the 99th percentile.
  std::vector<double> equal(200, 0.0);
  equal.front() = -0.5;
  equal.back() = 0.4;
  const Histogram flat = histogramOf(equal, std::nullopt, false);
  EXPECT_EQ(flat.below, 1u);
  EXPECT_EQ(flat.above, 1u);
  EXPECT_EQ(flat.lowest, -0.5);

  // Too few values to tell a blunder: all in the bins.
  const Histogram few = histogramOf({0.005, 0.0139, 0.0141, 0.030}, kWithin(0.025), true);
  EXPECT_EQ(few.above, 0u);
  EXPECT_NEAR(few.end(), 0.030, 1e-12);
}

TEST(HistogramChart, NamesTheValuesBeyondTheBinsInItsLegend) {
  std::string design = "Point,Easting,Northing,Elevation\n";
  std::string surveyed;
  for (int i = 0; i < 30; ++i) {
    const std::string id = "P" + std::to_string(i);
    design += id + "," + std::to_string(10 * i) + ",0,0\n";
    const double dx = i == 29 ? 0.37 : 0.001 * (i % 7 - 3);
    surveyed += id + "," + std::to_string(10 * i + dx) + ",0,0\n";
  }
  const fixtures::CheckedSurvey checked(design, surveyed, "x=0.02");
  const std::unique_ptr<QChart> chart(histogramChart(checked.report(), survey::kDx));
  QStringList names;
  for (QAbstractSeries* series : chart->series()) names << series->name();
  EXPECT_TRUE(names.contains("1 > 0.020 (to 0.370)")) << names.join(" | ").toStdString();
  const auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
  ASSERT_NE(axis, nullptr);
  EXPECT_LT(axis->max(), 0.1);
}

// The chart the report prints and the check window shows: the bars, and a dashed line at each
// tolerance limit on the same axis.
TEST(HistogramChart, MarksTheToleranceOnTheDeviationsAxis) {
  const fixtures::CheckedSurvey checked("Point,Easting,Northing,Elevation\nP1,0,0,0\nP2,10,0,0\n",
                                        "P1,0.005,-0.002,0.003\nP2,10.030,0.004,-0.020\n",
                                        "x=0.02,h=0.025");
  const struct {
    survey::PointComponent component;
    QString title;
    int series;
    double axisFrom;
    double axisTo;
  } cases[] = {
      {survey::kDx, "dx, survey minus design", 3, -0.02, 0.03},
      {survey::kDy, "dy, survey minus design", 1, -0.002, 0.004},
      {survey::kDh, "dH, survey minus design", 2, 0.0, 0.0303},
  };
  for (const auto& c : cases) {
    const std::unique_ptr<QChart> chart(histogramChart(checked.report(), c.component));
    EXPECT_EQ(chart->title(), c.title);
    EXPECT_EQ(chart->series().size(), c.series) << c.title.toStdString();
    const auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
    ASSERT_NE(axis, nullptr);
    EXPECT_LE(axis->min(), c.axisFrom) << c.title.toStdString();
    EXPECT_GE(axis->max(), c.axisTo) << c.title.toStdString();
  }
}

// The report draws a chart of every component into every PDF: all that a chart is made of goes
// with it, the outline its bars are filled under too.
TEST(HistogramChart, EverySeriesGoesWithTheChart) {
  const fixtures::CheckedSurvey checked("Point,Easting,Northing,Elevation\nP1,0,0,0\nP2,10,0,0\n",
                                        "P1,0.005,-0.002,0.003\nP2,10.030,0.004,-0.020\n",
                                        "x=0.02,h=0.025");
  for (std::size_t component = 0; component < survey::pointComponents().size(); ++component) {
    QChart* chart = histogramChart(checked.report(), component);
    std::vector<QPointer<QObject>> pieces;
    for (QAbstractSeries* series : chart->series()) {
      pieces.emplace_back(series);
      if (auto* area = qobject_cast<QAreaSeries*>(series)) {
        pieces.emplace_back(area->upperSeries());
        if (area->lowerSeries()) pieces.emplace_back(area->lowerSeries());
      }
    }
    for (QAbstractAxis* axis : chart->axes()) pieces.emplace_back(axis);
    delete chart;
    for (const QPointer<QObject>& piece : pieces) {
      EXPECT_TRUE(piece.isNull()) << "component " << component << ": "
                                  << piece->metaObject()->className() << " outlives its chart";
    }
  }
}

TEST(HistogramChart, SaysSoWhenAComponentHasNoValues) {
  const fixtures::CheckedSurvey checked("Point,Easting,Northing\nA,0,0\n", "A,0.01,0\n", "z=0.01");
  const std::unique_ptr<QChart> chart(histogramChart(checked.report(), survey::kDz));
  EXPECT_EQ(chart->title(), "dz: no values");
  EXPECT_TRUE(chart->series().isEmpty());
}

}  // namespace
}  // namespace check::report
