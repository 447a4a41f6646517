// A survey of several days in the check window: the files typed into the survey box, separated
// by ';', checked as one survey as `kestova check DESIGN DAY1 DAY2` checks them.
#include <QLabel>
#include <QLineEdit>

#include "check_window_fixture.h"

namespace check::windowtest {
namespace {

TEST_F(CheckWindowFixture, SeveralSurveyFilesAreCheckedAsOneSurvey) {
  const std::string design =
      write("design.csv", "P1,1000,2000,50\nP2,1010,2000,50\nP3,1020,2000,50\n");
  const std::string day1 = write("day1.csv", "P1,1000.004,2000,50\nP2,1010.01,2000,50\n");
  const std::string day2 = write("day2.csv", "P2;1010.03;2000;50\n");
  open();
  choose("design", design);
  choose("survey", day1 + " ; " + day2 + ";");
  EXPECT_TRUE(findIn<QLabel>("survey", "columnsFrom")->text().contains("2 files, read alike"))
      << findIn<QLabel>("survey", "columnsFrom")->text().toStdString();
  check();

  const QString overview = find<QLabel>("overview")->text();
  EXPECT_TRUE(
      overview.contains(QString::fromStdString("Survey: " + day1 + ", " + day2 + ", 3 shots")))
      << overview.toStdString();
  EXPECT_TRUE(overview.contains("Pairs: 2, by id (1 from several shots)"))
      << overview.toStdString();
  EXPECT_EQ(command({design, day1, day2}).out.find("Pairs: 2, by id (1 from several shots)\n") !=
                std::string::npos,
            true);
  EXPECT_EQ(column(find<QTableView>("pairs"), 0), QStringList({"P1", "P2"}));
}

}  // namespace
}  // namespace check::windowtest
