// The check window's results as a user sees them: the pairs as the CSV report writes them,
// sorted and filtered, the unmatched points, and what the window hands to the drawing.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QTabWidget>

#include "check_window_fixture.h"

namespace check::windowtest {
namespace {

// dx of 9, 10, -2 and -0.5: sorted as text they would come out in another order. P3 was
// surveyed without a height, P20 never, X9 has no design point.
constexpr const char* kDesign =
    "Point,Easting,Northing,Elevation\n"
    "P1,0,0,10\nP2,100,0,10\nP3,200,0,10\nP10,300,0,10\nP20,400,0,10\n";
constexpr const char* kSurvey =
    "P1,9,0,10.25\nP2,110,0,9.5\nP3,198,0\nP10,299.5,0,10\nX9,5,5,5\nX9,7,5,5\n";

enum PairColumn { Id = 0, Dx = 8, Dz = 10, Dh = 11, Status = 12 };

class CheckWindowResults : public CheckWindowFixture {
 protected:
  void SetUp() override {
    CheckWindowFixture::SetUp();
    checkFiles(kDesign, kSurvey, 5.0);
    pairs = find<QTableView>("pairs");
  }

  QTableView* pairs = nullptr;
};

TEST_F(CheckWindowResults, PairsAreWrittenAsTheCsvReportWritesThem) {
  const std::string csv = folder.filePath("out.csv").toStdString();
  command({design, surveyed, "--tolerance", "h=5", "--csv", csv});
  std::ifstream in(csv);
  std::string line;
  std::getline(in, line);  // the header
  for (int row = 0; row < 4; ++row) {
    ASSERT_TRUE(std::getline(in, line));
    const QStringList fields = QString::fromStdString(line).split(',');
    SCOPED_TRACE(line);
    for (int k = 0; k < Status; ++k) EXPECT_EQ(cell(pairs, row, k), fields[k]) << k;
    const QString status = fields[12] == "pass" ? "pass" : "fail (" + fields[13] + ")";
    EXPECT_EQ(cell(pairs, row, Status), status);
    const QVariant colour = pairs->model()->index(row, Dx).data(Qt::ForegroundRole);
    EXPECT_EQ(colour.isValid() && colour.value<QBrush>().color() == Qt::red, fields[12] == "fail");
  }
  EXPECT_EQ(pairs->model()->rowCount(), 4);
}

struct SortCase {
  int column;
  Qt::SortOrder order;
  QStringList ids;
};

class CheckWindowSorting : public CheckWindowResults,
                           public testing::WithParamInterface<SortCase> {};

TEST_P(CheckWindowSorting, ByAnyColumnNumbersAsNumbers) {
  EXPECT_EQ(column(pairs, Id), QStringList({"P1", "P2", "P3", "P10"}));  // the file's order
  sortBy(pairs, GetParam().column, GetParam().order);
  EXPECT_EQ(column(pairs, Id), GetParam().ids);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, CheckWindowSorting,
    testing::Values(SortCase{Id, Qt::AscendingOrder, {"P1", "P2", "P3", "P10"}},
                    SortCase{Id, Qt::DescendingOrder, {"P10", "P3", "P2", "P1"}},
                    SortCase{Dx, Qt::AscendingOrder, {"P3", "P10", "P1", "P2"}},
                    SortCase{Dh, Qt::DescendingOrder, {"P2", "P1", "P3", "P10"}},
                    // P3 has no dz: an empty cell comes first.
                    SortCase{Dz, Qt::AscendingOrder, {"P3", "P2", "P10", "P1"}},
                    SortCase{Status, Qt::AscendingOrder, {"P1", "P2", "P3", "P10"}}));

TEST_F(CheckWindowResults, FailuresOnlyKeepsTheSortOrder) {
  sortBy(pairs, Dh, Qt::DescendingOrder);
  auto* failuresOnly = find<QCheckBox>("failuresOnly");
  failuresOnly->click();
  EXPECT_EQ(column(pairs, Id), QStringList({"P2", "P1"}));
  EXPECT_EQ(column(pairs, Status), QStringList({"fail (h)", "fail (h)"}));
  failuresOnly->click();
  EXPECT_EQ(pairs->model()->rowCount(), 4);
}

TEST_F(CheckWindowResults, UnmatchedPointsInTheirOwnLists) {
  const auto* neverSurveyed = find<QTableView>("neverSurveyed");
  const auto* noDesign = find<QTableView>("noDesign");
  ASSERT_EQ(neverSurveyed->model()->rowCount(), 1);
  EXPECT_EQ(QStringList({cell(neverSurveyed, 0, 0), cell(neverSurveyed, 0, 1),
                         cell(neverSurveyed, 0, 3), cell(neverSurveyed, 0, 4)}),
            QStringList({"P20", "400.000", "10.000", "6"}));  // id, x, z, line
  ASSERT_EQ(noDesign->model()->rowCount(), 1);
  EXPECT_EQ(QStringList({cell(noDesign, 0, 0), cell(noDesign, 0, 1), cell(noDesign, 0, 4)}),
            QStringList({"X9", "6.000", "2"}));  // two shots averaged
  EXPECT_EQ(window->findChild<QTabWidget*>()->tabText(2), "Unmatched (1 + 1)");
}

TEST_F(CheckWindowResults, DoubleClickShowsThePairInWorldCoordinates) {
  std::vector<std::pair<survey::Point, survey::Point>> shown;
  QObject::connect(window.get(), &CheckWindow::pairActivated,
                   [&](const survey::Point& d, const survey::Point& s) {
                     shown.push_back({d, s});
                   });
  // Sorted, so that the row on screen differs from the pair's place in the file.
  sortBy(pairs, Id, Qt::DescendingOrder);
  const QRect rect = pairs->visualRect(pairs->model()->index(0, Id));  // P10
  // A double-click is a click and then the second press, as the window system sends it.
  QTest::mouseClick(pairs->viewport(), Qt::LeftButton, {}, rect.center());
  QTest::mouseDClick(pairs->viewport(), Qt::LeftButton, {}, rect.center());
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].first.id, "P10");
  EXPECT_EQ(shown[0].first.x, 300.0);
  EXPECT_EQ(shown[0].second.x, 299.5);
}

TEST_F(CheckWindowResults, DrawingWaitsForADrawingAndReportsAreReady) {
  auto* draw = find<QPushButton>("drawVectors");
  auto* save = find<QPushButton>("saveReport");
  EXPECT_FALSE(draw->isEnabled());
  EXPECT_TRUE(save->isEnabled());
  EXPECT_FALSE(draw->toolTip().isEmpty());
  EXPECT_FALSE(save->toolTip().isEmpty());

  std::vector<DrawSettings> drawn;
  std::size_t pairsDrawn = 0;
  window->setVectorDrawer([&](const CheckReport& report, const DrawSettings& settings) {
    drawn.push_back(settings);
    pairsDrawn = report.pairing.pairs.size();
  });
  find<QCheckBox>("axisY")->click();
  find<QRadioButton>("zVector")->click();
  draw->click();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(pairsDrawn, 4u);
  // As the window shows it: the one it was opened with, or the one proposed for the layout.
  EXPECT_EQ(drawn[0].textHeight, find<QDoubleSpinBox>("textHeight")->value());
  EXPECT_TRUE(drawn[0].axisX && !drawn[0].axisY && drawn[0].axisZ);
  EXPECT_EQ(drawn[0].z, ZStyle::Vector);
  EXPECT_EQ(drawn[0].ucs, 0u);
  EXPECT_EQ(find<QComboBox>("ucs")->currentText(), "World");
}

TEST_F(CheckWindowResults, CancelLeavesTheResultsAsTheyWere) {
  find<QCheckBox>("tested_h")->click();  // no tolerance: a new check would pass every pair
  // Clicked at once, before the window hears of the check's end.
  find<QPushButton>("check")->click();
  EXPECT_TRUE(find<QProgressBar>("busy")->isVisible());
  find<QPushButton>("cancel")->click();
  EXPECT_FALSE(find<QProgressBar>("busy")->isVisible());
  EXPECT_TRUE(find<QPushButton>("check")->isEnabled());
  QTest::qWait(200);
  EXPECT_EQ(cell(pairs, 0, Status), "fail (h)");
}

}  // namespace
}  // namespace check::windowtest
