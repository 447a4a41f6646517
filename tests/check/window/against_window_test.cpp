// The check window checking against a design surface and along an alignment, as a user does it
// with the example files: the choice and its options, the table beside the command line's CSV,
// the shots drawn into the drawing (again in place of the earlier check), the report saved, and
// the choice remembered.
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QRadioButton>
#include <QtCharts/QChartView>
#include <map>
#include <set>

#include "check/draw/deviation_layers.h"
#include "check/draw/earlier_check.h"
#include "check/window/page_picture_view.h"
#include "check/window/shot_drawer.h"
#include "check_window_fixture.h"
#include "host/automation/host_application.h"
#include "pdf_readback.h"
#include "support/project_paths.h"

namespace check::windowtest {
namespace {

struct AgainstCase {
  const char* name;
  const char* choice;                                       // the radio button
  const char* optionsBox;                                   // the box of the choice's options
  std::vector<std::pair<const char*, const char*>> fields;  // typed into the options box
  const char* design;                                       // in docs/examples
  const char* survey;
  std::vector<std::string> arguments;  // the same options on the command line
  // The CSV column of each of the table's columns, in the model's order.
  std::vector<std::string> columns;
  const char* pdfTitle;     // the first page's
  const char* unitHeading;  // its statistics' heading in millimetres
};

const std::vector<AgainstCase> kCases{
    {"Surface",
     "againstSurface",
     "surfaceOptions",
     {{"surface", "Formation"}, {"tolerance", "z=-0.03:0.01"}},
     "surface.xml",
     "levels.csv",
     {"--against", "surface", "--surface", "Formation", "--tolerance", "z=-0.03:0.01"},
     {"id", "survey_x", "survey_y", "survey_z", "design_z", "dz", "dn", "status", "survey_code"},
     "Survey check against the design surface",
     "dz (mm) dn (mm)\n"},
    {"Alignment",
     "againstAlignment",
     "alignmentOptions",
     {{"design-offset", "KERB-L=-3.5,KERB-R=3.5"},
      {"crossfall", "-2.5"},
      {"tolerance", "offset=0.02,z=-0.015:0.015"}},
     "road.xml",
     "road_shots.csv",
     {"--against", "alignment", "--design-offset", "KERB-L=-3.5,KERB-R=3.5", "--crossfall", "-2.5",
      "--tolerance", "offset=0.02,z=-0.015:0.015"},
     {"id", "survey_x", "survey_y", "survey_z", "chainage", "offset", "design_offset", "doffset",
      "design_z", "dz", "status", "survey_code"},
     "Survey check along the alignment",
     "set (mm) dz (mm)\n"},  // "ff" is read back as one letter
};

// A CSV report's rows by column name; the example files' ids and codes hold no commas.
using CsvRow = std::map<std::string, std::string>;

std::vector<CsvRow> readCsv(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  const QStringList header = QString::fromStdString(line).split(',');
  std::vector<CsvRow> rows;
  while (std::getline(in, line)) {
    const QStringList cells = QString::fromStdString(line).split(',', Qt::KeepEmptyParts);
    CsvRow row;
    for (int k = 0; k < header.size(); ++k) row[header[k].toStdString()] = cells[k].toStdString();
    rows.push_back(row);
  }
  return rows;
}

std::string example(const char* name) {
  return testing_support::sourcePath(std::string("docs/examples/") + name);
}

class AgainstWindow : public CheckWindowFixture, public testing::WithParamInterface<AgainstCase> {
 protected:
  void SetUp() override {
    CheckWindowFixture::SetUp();
    cad->addDocument(model);
    openOverTheDrawing();
  }

  void openOverTheDrawing() {
    open({{worldUcs()}, 3, 0.5});
    window->setShotDrawer(
        shotDrawerFor(cad->ActiveDocument(), [this](const std::function<void()>& draw) {
          host::model::Document::UndoGroup step(*model);
          draw();
        }));
    window->setDrawing([]() -> std::optional<QString> { return "site.dxf"; });
  }

  // Chooses the case's check, types its options, chooses the example files and checks.
  void checkTheExample() {
    const AgainstCase& c = GetParam();
    find<QRadioButton>(c.choice)->click();
    for (const auto& [name, text] : c.fields) {
      QLineEdit* field = findIn<QLineEdit>(c.optionsBox, name);
      ASSERT_NE(field, nullptr) << name;
      QTest::keyClicks(field, text);
    }
    choose("design", example(c.design));
    choose("survey", example(c.survey));
    check();
  }

  // The command line's CSV of the same check.
  std::vector<CsvRow> commandLineCsv() {
    const AgainstCase& c = GetParam();
    const std::string csv = folder.filePath("command.csv").toStdString();
    std::vector<std::string> arguments{example(c.design), example(c.survey), "--csv", csv};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const CommandRun run = command(arguments);
    EXPECT_LE(run.status, 1) << run.err;
    return readCsv(csv);
  }

  static bool alongAlignment() { return std::string(GetParam().choice) == "againstAlignment"; }

  std::vector<const host::model::Entity*> onLayer(const char* layer) const {
    std::vector<const host::model::Entity*> found;
    for (const host::model::Entity& entity : model->blocks()[0].entities) {
      if (model->layers()[entity.layer].name == layer) found.push_back(&entity);
    }
    return found;
  }
  std::multiset<std::string> textsOn(std::initializer_list<const char*> layers) const {
    std::multiset<std::string> texts;
    for (const char* layer : layers) {
      for (const host::model::Entity* entity : onLayer(layer)) {
        if (const auto* text = std::get_if<host::model::Text>(&entity->data)) {
          texts.insert(text->text);
        }
      }
    }
    return texts;
  }

  std::shared_ptr<host::model::Document> model = std::make_shared<host::model::Document>();
  std::shared_ptr<host::HostApplication> cad = std::make_shared<host::HostApplication>();
  MessageAnswerer answerer;  // a check that fails says so instead of hanging the test
};

TEST_P(AgainstWindow, ShowsTheShotsAsTheCommandLineWritesThem) {
  checkTheExample();
  const std::vector<CsvRow> csv = commandLineCsv();
  ASSERT_FALSE(csv.empty());
  const auto* table = find<QTableView>("pairs");
  const std::vector<std::string>& columns = GetParam().columns;
  ASSERT_EQ(table->model()->columnCount(), static_cast<int>(columns.size()));
  ASSERT_EQ(table->model()->rowCount(), static_cast<int>(csv.size()));
  std::map<std::string, int> statuses;
  for (std::size_t row = 0; row < csv.size(); ++row) {
    ++statuses[csv[row].at("status")];
    for (std::size_t column = 0; column < columns.size(); ++column) {
      const std::string shown =
          cell(table, static_cast<int>(row), static_cast<int>(column)).toStdString();
      const std::string written = csv[row].at(columns[column]);
      if (columns[column] == "status") {
        // The table says which components fail: "fail (z)".
        EXPECT_EQ(shown.substr(0, written.size()), written) << row;
      } else {
        EXPECT_EQ(shown, written) << "row " << row << ", " << columns[column];
      }
    }
  }
  EXPECT_GT(statuses["pass"], 0);
  EXPECT_GT(statuses["fail"], 0) << "the examples fail somewhere";
  // The components' columns are headed as the check names them.
  const auto dz = std::ranges::find(columns, "dz") - columns.begin();
  EXPECT_EQ(table->model()->headerData(static_cast<int>(dz), Qt::Horizontal).toString(), "dz");
  const QString counts = find<QLabel>("shotCounts")->text();
  EXPECT_TRUE(counts.contains(QString("%1 pass").arg(statuses["pass"]))) << counts.toStdString();
  EXPECT_TRUE(counts.contains(QString("%1 fail").arg(statuses["fail"]))) << counts.toStdString();
  EXPECT_TRUE(counts.contains(QString("%1 outside").arg(statuses["outside"])))
      << counts.toStdString();
  const QString overview = find<QLabel>("overview")->text();
  EXPECT_TRUE(overview.contains(counts)) << overview.toStdString();
  EXPECT_FALSE(overview.contains("Pairs")) << "shots are not paired";
  // A histogram of each difference, dz among them.
  EXPECT_EQ(find<QWidget>("statistics")->parentWidget()->findChildren<QChartView*>().size(), 2);
}

// How many of the pixels of the page's top 240 mm, above the plan's legend, are of `colour`.
int pixelsOf(const QImage& page, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < page.height() * 240 / 297; ++y) {
    for (int x = 0; x < page.width(); ++x) count += page.pixelColor(x, y) == colour;
  }
  return count;
}

TEST_P(AgainstWindow, ShowsThePicturePageBesideTheSummaryUntilAPointCheck) {
  checkTheExample();
  auto* view = window->findChild<PagePictureView*>();
  ASSERT_NE(view, nullptr);
  auto* tabs = qobject_cast<QTabWidget*>(view->parentWidget()->parentWidget());
  ASSERT_NE(tabs, nullptr);
  const int tab = tabs->indexOf(view);
  EXPECT_TRUE(tabs->isTabVisible(tab));
  EXPECT_EQ(tabs->tabText(tab), alongAlignment() ? "Long section" : "Plan");
  EXPECT_EQ(tabs->tabText(tab - 2), "Summary");
  EXPECT_FALSE(tabs->isTabVisible(tab - 1)) << "beside the summary, no unmatched points between";

  const QImage& picture = view->picture();
  ASSERT_FALSE(picture.isNull());
  EXPECT_NEAR(double(picture.height()) / picture.width(), 297.0 / 210.0, 0.01) << "an A4 page";
  // The surface's shots in the pale red and blue of dz just outside tolerance; the long
  // section's shots in the green of a pass and the red of a failure.
  const std::vector<QColor> colours =
      alongAlignment() ? std::vector<QColor>{QColor(0, 160, 0), QColor(220, 0, 0)}
                       : std::vector<QColor>{QColor(250, 160, 140), QColor(140, 175, 240)};
  for (const QColor& colour : colours) {
    EXPECT_GT(pixelsOf(picture, colour), 10) << colour.name().toStdString();
  }
  tabs->setCurrentIndex(tab);
  const auto* shown = view->findChild<QLabel*>("pagePicture");
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->pixmap().width(), view->viewport()->width()) << "fitted to the width";

  find<QRadioButton>("againstPoints")->click();
  choose("design", example("design.csv"));
  choose("survey", example("survey.csv"));
  check();
  EXPECT_FALSE(tabs->isTabVisible(tab)) << "a point check has no picture page";
  EXPECT_TRUE(tabs->isTabVisible(tab - 1)) << "its unmatched points instead";
}

TEST_P(AgainstWindow, DrawsEveryShotAndReplacesTheEarlierCheck) {
  checkTheExample();
  const std::vector<CsvRow> csv = commandLineCsv();
  find<QPushButton>("drawVectors")->click();
  const std::size_t drawn = model->blocks()[0].entities.size();
  ASSERT_GT(drawn, csv.size());
  for (const host::model::Entity& entity : model->blocks()[0].entities) {
    EXPECT_EQ(entity.properties->tag.application, draw::kCheckApplication);
  }
  // Each shot by the label the drawing gives it.
  std::multiset<std::string> expected;
  std::multiset<std::string> outside;
  for (const CsvRow& row : csv) {
    if (alongAlignment()) {  // the id and the chainage
      (row.at("status") == "outside" ? outside : expected)
          .insert(row.at("id") + "  " + row.at("chainage"));
    } else if (row.at("status") == "outside") {
      outside.insert(row.at("id"));
    } else {  // on the surface: the signed dz
      const std::string& dz = row.at("dz");
      expected.insert(
          dz.front() == '-' || dz.find_first_not_of("0.") == std::string::npos ? dz : "+" + dz);
    }
  }
  std::multiset<std::string> labels = textsOn({draw::kPassLayer, draw::kFailLayer});
  if (alongAlignment()) {  // the labels, beside the differences' own texts
    std::erase_if(labels, [](const std::string& text) { return text.find("  ") == text.npos; });
  }
  EXPECT_EQ(labels, expected);
  EXPECT_EQ(textsOn({draw::kOutsideLayer}), outside);
  EXPECT_EQ(onLayer(draw::kFailLayer).empty(), false);

  find<QPushButton>("drawVectors")->click();
  EXPECT_EQ(model->blocks()[0].entities.size(), drawn) << "the earlier check gave way";
}

TEST_P(AgainstWindow, SavesTheCsvReportOfTheCommandLine) {
  checkTheExample();
  const std::string saved = folder.filePath("window.csv").toStdString();
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->selectNameFilter("Comma-separated values (*.csv)");
    dialog->selectFile(folder.filePath("window"));  // the type added
    static_cast<QDialog*>(dialog)->accept();
  });
  find<QPushButton>("saveReport")->click();
  EXPECT_EQ(readCsv(saved), commandLineCsv());
}

TEST_P(AgainstWindow, SavesThePdfReportWithTheJobsFieldsAndUnit) {
  checkTheExample();
  findIn<QLineEdit>("reportBox", "project")->setText("Ring road, lot 4");
  findIn<QComboBox>("reportBox", "reportUnit")->setCurrentText("mm");
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(folder.filePath("window"));  // a PDF unless another type is chosen
    static_cast<QDialog*>(dialog)->accept();
  });
  find<QPushButton>("saveReport")->click();
  if (!fixtures::popplerInstalled()) GTEST_SKIP() << "poppler-utils reads the PDF back";
  const std::string text = fixtures::pdfText(folder.filePath("window.pdf").toStdString());
  EXPECT_NE(text.find(GetParam().pdfTitle), std::string::npos) << text;
  EXPECT_NE(text.find("Ring road, lot 4"), std::string::npos) << text;
  EXPECT_NE(text.find(GetParam().unitHeading), std::string::npos) << text;
}

TEST_P(AgainstWindow, RemembersTheChoiceAndItsOptions) {
  const AgainstCase& c = GetParam();
  find<QRadioButton>(c.choice)->click();
  for (const auto& [name, text] : c.fields) {
    QTest::keyClicks(findIn<QLineEdit>(c.optionsBox, name), text);
  }
  window.reset();
  openOverTheDrawing();
  EXPECT_TRUE(find<QRadioButton>(c.choice)->isChecked());
  for (const auto& [name, text] : c.fields) {
    EXPECT_EQ(findIn<QLineEdit>(c.optionsBox, name)->text(), text) << name;
  }
  EXPECT_FALSE(find<QWidget>("byId")->isEnabled()) << "shots are not paired";
}

INSTANTIATE_TEST_SUITE_P(Examples, AgainstWindow, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CheckWindowFixture, TellsWhatIsWrongWithAnOptionOfTheSurface) {
  MessageAnswerer answerer;
  open();
  find<QRadioButton>("againstSurface")->click();
  QTest::keyClicks(findIn<QLineEdit>("surfaceOptions", "max-edge"), "long");
  choose("design", example("surface.xml"));
  choose("survey", example("levels.csv"));
  check();
  ASSERT_EQ(answerer.texts.size(), 1);
  EXPECT_TRUE(answerer.texts[0].contains("--max-edge")) << answerer.texts[0].toStdString();
  EXPECT_FALSE(find<QPushButton>("saveReport")->isEnabled());
}

}  // namespace
}  // namespace check::windowtest
