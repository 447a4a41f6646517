// The check window's table of pairs and its summary follow the components of the check's
// reference: here a made-up one giving a rise with unequal bounds, then the point check again.
#include <gtest/gtest.h>

#include <QTableWidget>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include "check/window/pair_table_model.h"
#include "check/window/summary_view.h"
#include "numbers/number_format.h"
#include "rise_check.h"
#include "survey/comparison.h"
#include "survey/design_points.h"
#include "survey/point_file.h"

namespace check::windowtest {
namespace {

const host::geom::Frame kWorld;

std::unique_ptr<survey::Reference> risesOf(const CheckRun& run) {
  return std::make_unique<fixtures::RiseReference>(run.pairing, run.design.points);
}

std::unique_ptr<survey::Reference> pointsOf(const CheckRun& run) {
  return std::make_unique<survey::DesignPoints>(run.pairing, run.design.points, kWorld);
}

// A check by id of levels.csv against shots.csv, against the reference `referenceOf` makes of
// its pairs, with `tolerances`.
std::shared_ptr<const CheckRun> checkOf(
    std::unique_ptr<survey::Reference> (*referenceOf)(const CheckRun&),
    const std::string& tolerances) {
  auto run = std::make_shared<CheckRun>();
  run->design = survey::parsePoints(
      "Point,Easting,Northing,Elevation\nR1,0,0,10\nR2,5,0,10\nR3,10,0,\n", "levels.csv", {});
  run->survey =
      survey::parsePoints("R1,0,0,10.012\nR2,5.02,0,9.985\nR3,10,0,10.5\n", "shots.csv", {});
  run->pairing = survey::matchById(run->design, run->survey, {});
  const std::unique_ptr<survey::Reference> reference = referenceOf(*run);
  run->tolerances = survey::parseTolerances(tolerances, reference->schema());
  run->comparison = survey::compare(*reference, run->tolerances, 3);
  run->matching = "by id";
  run->frame = "the world axes";
  run->numberFormat = numbers::numberFormatFor(3);
  return run;
}

QStringList rowOf(const PairTableModel& model, int row) {
  QStringList cells;
  for (int column = 0; column < model.columnCount(); ++column) {
    cells << model.index(row, column).data().toString();
  }
  return cells;
}

TEST(SchemaViews, TheTableOfPairsHasAColumnPerComponent) {
  const auto rises = checkOf(risesOf, "r=-0.01:0.03");
  const PairTableModel model(rises, nullptr);
  QStringList headers;
  for (int column = 0; column < model.columnCount(); ++column) {
    headers << model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
  }
  EXPECT_EQ(headers, (QStringList{"Id", "Design x", "Design y", "Design z", "Survey x", "Survey y",
                                  "Survey z", "Shots", "rise", "Status", "Code"}));
  EXPECT_EQ(rowOf(model, 1), (QStringList{"R2", "5.000", "0.000", "10.000", "5.020", "0.000",
                                          "9.985", "1", "-0.015", "fail (r)", ""}));
  EXPECT_EQ(rowOf(model, 2).mid(8), (QStringList{"", "pass", ""}));  // no height, no rise
}

TEST(SchemaViews, TheSummaryShowsTheStatisticsAndAHistogramPerComponent) {
  SummaryView view(nullptr);
  const auto rises = checkOf(risesOf, "r=-0.01:0.03");
  view.showReport(rises->report());
  const auto* statistics = view.findChild<QTableWidget*>("statistics");
  ASSERT_EQ(statistics->rowCount(), 1);
  EXPECT_EQ(statistics->verticalHeaderItem(0)->text(), "rise");
  EXPECT_EQ(statistics->item(0, 0)->text(), "2");
  EXPECT_EQ(statistics->item(0, 9)->text(), "1 (50.0%)");

  QList<QChartView*> charts = view.findChildren<QChartView*>();
  ASSERT_EQ(charts.size(), 1);
  EXPECT_EQ(charts[0]->objectName(), "histogram_r");
  QChart* chart = charts[0]->chart();
  EXPECT_EQ(chart->title(), "rise, survey minus design");
  const auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
  ASSERT_NE(axis, nullptr);
  EXPECT_EQ(axis->titleText(), "rise (m)");
  QList<qreal> bounds;
  for (QAbstractSeries* series : chart->series()) {
    if (auto* line = qobject_cast<QLineSeries*>(series)) {
      EXPECT_EQ(line->name(), "tolerance -0.010 to 0.030");
      bounds << line->at(0).x();
    }
  }
  EXPECT_EQ(bounds, (QList<qreal>{0.03, -0.01}));

  // Another check with other components: the views follow.
  const auto points = checkOf(pointsOf, "x=0.02");
  view.showReport(points->report());
  EXPECT_EQ(statistics->rowCount(), 4);
  charts = view.findChildren<QChartView*>();
  QStringList names;
  for (const QChartView* chartView : charts) names << chartView->objectName();
  EXPECT_EQ(names, (QStringList{"histogram_x", "histogram_y", "histogram_z", "histogram_h"}));
}

}  // namespace
}  // namespace check::windowtest
