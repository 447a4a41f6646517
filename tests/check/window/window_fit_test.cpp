// The check window on a small screen: it fits 800 by 600 and stays so after a check, the pair
// table leads with the id (kept in sight while the table scrolls sideways), the deviations and
// the status, and the window opens at the size the user left it.
#include <QHeaderView>
#include <QScrollBar>
#include <QSettings>

#include "check_window_fixture.h"

namespace check::windowtest {
namespace {

constexpr const char* kDesign =
    "Point,Easting,Northing,Elevation\nSTAKE-0001,1000,2000,50\nSTAKE-0002,1010,2000,50.5\n"
    "STAKE-0003,1020,2000,51\n";
constexpr const char* kSurvey =
    "STAKE-0001,1000.005,1999.998,50.003\nSTAKE-0002,1010.030,2000.004,50.480\n"
    "STAKE-0003,1020.001,2000.002,51.002\n";

struct WindowFit : CheckWindowFixture {
  void openAt(QSize size) {
    open();
    window->resize(size);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == size; }));
  }
  void checkTheStakes() {
    choose("design", write("design.csv", kDesign));
    choose("survey", write("survey.csv", kSurvey));
    check();
    QApplication::processEvents();
  }
  // Whether the widget lies wholly inside the window.
  bool inside(const QWidget* widget) const {
    const QRect area(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
    return window->rect().contains(area);
  }
};

TEST_F(WindowFit, FitsAndStaysAt800By600) {
  openAt({800, 600});
  EXPECT_LE(window->minimumSizeHint().width(), 800);
  EXPECT_LE(window->minimumSizeHint().height(), 600);
  checkTheStakes();
  EXPECT_LE(window->width(), 800) << "the check does not widen the window";
  EXPECT_LE(window->height(), 600) << "the check does not heighten the window";
  for (const char* button : {"check", "drawVectors", "saveReport"}) {
    EXPECT_TRUE(inside(find<QPushButton>(button))) << button;
  }
  EXPECT_TRUE(inside(find<QTableView>("pairs")));
}

TEST_F(WindowFit, TheIdLeadsThenTheVerdictThenTheCoordinates) {
  openAt({800, 600});
  checkTheStakes();
  auto* table = find<QTableView>("pairs");
  const QHeaderView* header = table->horizontalHeader();
  QStringList shown;
  for (int visual = 0; visual < header->count(); ++visual) {
    shown << table->model()->headerData(header->logicalIndex(visual), Qt::Horizontal).toString();
  }
  ASSERT_GE(shown.size(), 6);
  EXPECT_EQ(shown[0], "Id");
  EXPECT_EQ(shown.mid(1, 5), (QStringList{"dx", "dy", "dz", "dH", "Status"}));
  EXPECT_TRUE(shown.back().startsWith("Survey") || shown.back() == "Shots")
      << shown.back().toStdString();

  // Scrolled all the way right, the ids stay in sight at the table's left edge.
  table->horizontalScrollBar()->setValue(table->horizontalScrollBar()->maximum());
  QApplication::processEvents();
  EXPECT_GT(table->horizontalScrollBar()->maximum(), 0) << "the table is wider than 800 px";
  auto* ids = find<QTableView>("pairsFirstColumn");
  EXPECT_TRUE(ids->isVisible());
  EXPECT_LE(ids->geometry().left(), table->frameWidth());
  EXPECT_GT(ids->width(), 0);
  EXPECT_EQ(ids->columnWidth(0), table->columnWidth(0));
  for (int row = 0; row < 3; ++row) {
    EXPECT_FALSE(ids->isColumnHidden(0));
    EXPECT_EQ(ids->model()->index(row, 0).data().toString(), cell(table, row, 0));
  }
  for (int column = 1; column < table->model()->columnCount(); ++column) {
    EXPECT_TRUE(ids->isColumnHidden(column)) << column;
  }
  // A row picked in the ids is the row picked in the table.
  ids->selectRow(1);
  EXPECT_TRUE(table->selectionModel()->isRowSelected(1, {}));
}

TEST_F(WindowFit, OpensAtTheSizeItWasLeftButNeverPastTheScreen) {
  open();
  const QSize screen = window->screen()->availableGeometry().size();
  const QSize left = screen - QSize(37, 23);
  window->resize(left);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == left; }));
  window->close();
  open();
  EXPECT_EQ(window->size(), left);
  window->close();

  QSettings(QSettings::IniFormat, QSettings::UserScope, "kestova", "windows")
      .setValue("checkWindow/size", QSize(20000, 15000));
  open();
  EXPECT_LE(window->width(), screen.width());
  EXPECT_LE(window->height(), screen.height());
}

}  // namespace
}  // namespace check::windowtest
