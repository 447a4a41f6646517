// The check window's report and summary as a user meets them: "Save report…" through the file
// dialog, as PDF, CSV or workbook, and the histograms beside the statistics.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>

#include "check/window/report_file.h"
#include "check_window_fixture.h"
#include "python_reader.h"

namespace check::windowtest {
namespace {

constexpr const char* kDesign = "Point,Easting,Northing,Elevation\nP1,0,0,10\nP2,100,0,10\n";
constexpr const char* kSurvey = "P1,0.01,0,10\nP2,100,0.2,10\n";

std::string contentOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReportSaving : public CheckWindowFixture {
 protected:
  void SetUp() override {
    CheckWindowFixture::SetUp();
    checkFiles(kDesign, kSurvey, 0.05);
  }

  // Clicks "Save report…" and answers the file dialog with `name` under `filter`, or cancels it
  // when `name` is empty.
  void saveAs(const QString& name, const QString& filter) {
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      if (name.isEmpty()) return dialog->reject();
      dialog->selectNameFilter(filter);
      dialog->selectFile(folder.filePath(name));
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog makes it protected
    });
    find<QPushButton>("saveReport")->click();
  }
};

enum class Kind { Pdf, Csv, Xlsx };

struct SaveCase {
  const char* typed;
  const char* filter;
  const char* written;
  Kind kind;
};

class ReportTypes : public ReportSaving, public testing::WithParamInterface<SaveCase> {};

TEST_P(ReportTypes, AreWrittenAsTheNameOrTheChosenTypeSays) {
  const SaveCase& c = GetParam();
  saveAs(c.typed, c.filter);
  const std::string written = folder.filePath(c.written).toStdString();
  const std::string content = contentOf(written);
  if (c.kind == Kind::Pdf) {
    EXPECT_EQ(content.substr(0, 5), "%PDF-");
  } else if (c.kind == Kind::Xlsx) {
    EXPECT_EQ(content.substr(0, 4), std::string("PK\x03\x04"));  // a workbook is a zip
  } else {
    const std::string expected = folder.filePath("expected.csv").toStdString();
    command({design, surveyed, "--tolerance", "h=0.05", "--csv", expected});
    EXPECT_EQ(content, contentOf(expected));
  }
}

INSTANTIATE_TEST_SUITE_P(
    CheckWindow, ReportTypes,
    testing::Values(
        SaveCase{"stakes", "PDF report (*.pdf)", "stakes.pdf", Kind::Pdf},
        SaveCase{"stakes", "Comma-separated values (*.csv)", "stakes.csv", Kind::Csv},
        SaveCase{"stakes.CSV", "PDF report (*.pdf)", "stakes.CSV", Kind::Csv},
        SaveCase{"stakes.pdf", "Comma-separated values (*.csv)", "stakes.pdf", Kind::Pdf},
        SaveCase{"stakes.txt", "Comma-separated values (*.csv)", "stakes.txt.csv", Kind::Csv},
        SaveCase{"stakes", "Excel workbook (*.xlsx)", "stakes.xlsx", Kind::Xlsx},
        SaveCase{"stakes.XLSX", "PDF report (*.pdf)", "stakes.XLSX", Kind::Xlsx}));

// The fields typed into the window's Report group go into the saved report, as --project and
// the other options of `kestova check` do.
TEST_F(ReportSaving, TheReportGroupsFieldsUnitAndEveryPairGoIntoTheSavedReport) {
  QTest::keyClicks(find<QLineEdit>("project"), "Ring road");
  QTest::keyClicks(find<QLineEdit>("coordinateSystem"), "ETRS89 / UTM 32N");
  find<QComboBox>("reportUnit")->setCurrentText("mm");
  saveAs("stakes", "Excel workbook (*.xlsx)");
  const std::string sheets = readback::readWithPython(R"(import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
print([c.value for c in book["Summary"][3]][:2], [c.value for c in book["Summary"][4]][:2])
print([c.value for c in book["Pairs"][1]][8:16], [c.value for c in book["Pairs"][3]][8:14])
)",
                                                      folder.filePath("stakes.xlsx").toStdString());
  EXPECT_EQ(sheets,
            "['Project', 'Ring road'] ['Coordinate system', 'ETRS89 / UTM 32N']\n"
            "['dx (mm)', 'dy (mm)', 'dz (mm)', 'dH (mm)', 'status', 'failing', 'design code', "
            "'survey code'] [0, 200, 0, 200, 'fail', 'h']\n");
}

TEST_F(ReportSaving, CancellingTheFileDialogWritesNothing) {
  MessageAnswerer answerer;
  saveAs("", "");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);  // the two point files
  EXPECT_TRUE(answerer.texts.isEmpty());
}

TEST_F(ReportSaving, AFolderThatCannotBeWrittenIsReportedByName) {
  MessageAnswerer answerer;
  saveAs("missing/stakes.pdf", "PDF report (*.pdf)");
  ASSERT_EQ(answerer.texts.size(), 1);
  EXPECT_TRUE(answerer.texts[0].contains("stakes.pdf")) << answerer.texts[0].toStdString();
}

TEST_F(ReportSaving, TheSummaryShowsAHistogramPerComponentWithItsTolerance) {
  const QList<QChartView*> views = window->findChildren<QChartView*>();
  ASSERT_EQ(views.size(), 4);
  QStringList titles;
  for (const QChartView* view : views) titles << view->chart()->title();
  EXPECT_EQ(titles, (QStringList{"dx, survey minus design", "dy, survey minus design",
                                 "dz, survey minus design", "dH, survey minus design"}));
  QStringList lines;
  for (QAbstractSeries* series : views[3]->chart()->series()) {
    if (qobject_cast<QLineSeries*>(series) != nullptr) lines << series->name();
  }
  EXPECT_EQ(lines, QStringList{"tolerance 0.050"});
}

}  // namespace
}  // namespace check::windowtest
