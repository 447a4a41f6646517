// What the check window keeps between two openings, as a user meets it: the files and options
// of the last check, and the named presets that `kestova check --preset` uses too.
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include "check_window_fixture.h"

namespace check::windowtest {
namespace {

constexpr const char* kDesign =
    "Point,Easting,Northing,Elevation,Code\n"
    "P1,1000.000,2000.000,50.000,STK\n"
    "P2,1010.000,2000.000,50.500,KERB\n"
    "P3,1020.000,2000.000,51.000,CP\n";
// Northing before easting, a decimal comma, and codes of its own.
constexpr const char* kSurvey =
    "P1;2000,004;1000,006;50,011;stk\n"
    "P2;2000,010;1010,000;50,480;STK\n"
    "P3;2000,000;1020,000;51,000;CP\n";

class CheckWindowSettings : public CheckWindowFixture {
 protected:
  void SetUp() override {
    CheckWindowFixture::SetUp();
    design = write("design.csv", kDesign);
    surveyed = write("survey.txt", kSurvey);
  }

  // Sets up the check of kSurvey against kDesign as a user would, options folded away included.
  void setUpTheCheck() {
    choose("design", design);
    choose("survey", surveyed);
    findIn<QComboBox>("survey", "columns")->setCurrentText("PNEZD");
    findIn<QCheckBox>("survey", "decimalComma")->click();
    find<QRadioButton>("byProximity")->click();
    find<QDoubleSpinBox>("radius")->setValue(0.3);
    find<QCheckBox>("tested_z")->click();
    find<QDoubleSpinBox>("tolerance_z")->setValue(0.015);
    find<QComboBox>("surveyUnits")->setCurrentText("m");
    find<QLineEdit>("leftOutCodes")->setText("CP");
  }

  // Answers the next "Save preset" question with `name`.
  static void answerName(const QString& name) {
    QTimer::singleShot(0, [name] {
      auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->setTextValue(name);
      dialog->accept();
    });
  }
};

TEST_F(CheckWindowSettings, OpensAgainAsItWasLeft) {
  open();
  setUpTheCheck();
  window.reset();
  open();
  EXPECT_EQ(findIn<QLineEdit>("design", "path")->text().toStdString(), design);
  EXPECT_EQ(findIn<QLineEdit>("survey", "path")->text().toStdString(), surveyed);
  EXPECT_EQ(findIn<QComboBox>("survey", "columns")->currentText(), "PNEZD");
  EXPECT_EQ(findIn<QComboBox>("design", "columns")->currentText(), "From the file");
  EXPECT_TRUE(findIn<QCheckBox>("survey", "decimalComma")->isChecked());
  EXPECT_FALSE(findIn<QCheckBox>("design", "decimalComma")->isChecked());
  EXPECT_TRUE(find<QRadioButton>("byProximity")->isChecked());
  EXPECT_DOUBLE_EQ(find<QDoubleSpinBox>("radius")->value(), 0.3);
  EXPECT_TRUE(find<QCheckBox>("tested_z")->isChecked());
  EXPECT_FALSE(find<QCheckBox>("tested_x")->isChecked());
  EXPECT_DOUBLE_EQ(find<QDoubleSpinBox>("tolerance_z")->value(), 0.015);
  EXPECT_EQ(find<QComboBox>("surveyUnits")->currentText(), "m");
  EXPECT_EQ(find<QComboBox>("designUnits")->currentText(), "Not given");
  EXPECT_EQ(find<QLineEdit>("leftOutCodes")->text(), "CP");
  // The options it holds show unfolded, and the file's preview follows the options.
  EXPECT_TRUE(find<QLineEdit>("leftOutCodes")->isVisible());
  EXPECT_TRUE(findIn<QLabel>("survey", "columnsFrom")->text().contains("order chosen"));
}

TEST_F(CheckWindowSettings, ASavedPresetChecksOnTheCommandLineAsInTheWindow) {
  open();
  setUpTheCheck();
  answerName("ROADS");
  QTest::mouseClick(find<QPushButton>("savePreset"), Qt::LeftButton);
  EXPECT_EQ(find<QComboBox>("presets")->currentText(), "ROADS");
  check();
  const CommandRun printed = command({design, surveyed, "--preset", "ROADS"});
  EXPECT_EQ(printed.status, 1) << printed.err;  // P2 is 0.02 low
  const QString overview = find<QLabel>("overview")->text();
  int compared = 0;
  std::istringstream lines(printed.out);
  for (std::string line; std::getline(lines, line);) {
    for (const char* start : {"Survey:", "Pairs:", "Tolerances:", "Outside tolerance:"}) {
      if (line.rfind(start, 0) != 0) continue;
      EXPECT_TRUE(overview.contains(QString::fromStdString(line))) << line;
      ++compared;
    }
  }
  EXPECT_EQ(compared, 4) << printed.out;
  EXPECT_NE(printed.out.find("Pairs: 2, by proximity within 0.3"), std::string::npos)
      << printed.out;
}

TEST_F(CheckWindowSettings, ChoosingAPresetSetsItsOptionsAndDeletingItRemovesItsFile) {
  std::filesystem::create_directories(presetFolder());
  std::ofstream(presetFolder() / "KERBS.txt") << "# by hand\n"
                                                 "match = near:0.2\n"
                                                 "tolerance = h=0.005\n"
                                                 "columns = PNEZ\n"
                                                 "codes = KERB\n";
  open();
  find<QCheckBox>("tested_z")->click();  // not in the preset: cleared by choosing it
  auto* presets = find<QComboBox>("presets");
  ASSERT_EQ(presets->findText("KERBS"), 1);
  presets->setCurrentIndex(1);
  emit presets->activated(1);
  EXPECT_TRUE(find<QRadioButton>("byProximity")->isChecked());
  EXPECT_DOUBLE_EQ(find<QDoubleSpinBox>("radius")->value(), 0.2);
  EXPECT_TRUE(find<QCheckBox>("tested_h")->isChecked());
  EXPECT_FALSE(find<QCheckBox>("tested_z")->isChecked());
  EXPECT_EQ(findIn<QComboBox>("design", "columns")->currentText(), "PNEZ");
  EXPECT_EQ(findIn<QComboBox>("survey", "columns")->currentText(), "PNEZ");
  EXPECT_EQ(find<QLineEdit>("onlyCodes")->text(), "KERB");

  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    box->button(QMessageBox::Yes)->click();
  });
  QTest::mouseClick(find<QPushButton>("deletePreset"), Qt::LeftButton);
  EXPECT_FALSE(std::filesystem::exists(presetFolder() / "KERBS.txt"));
  EXPECT_EQ(presets->count(), 1);  // "None" alone
}

TEST_F(CheckWindowSettings, APresetsTolerancesPerCodeAreCheckedWithAndSavedBack) {
  std::filesystem::create_directories(presetFolder());
  std::ofstream(presetFolder() / "KERBS.txt") << "survey-columns = PNEZD\n"
                                                 "survey-decimal-comma = yes\n"
                                                 "tolerance = z=0.01\n"
                                                 "tolerance = KERB:z=0.05\n";
  open();
  choose("design", design);
  choose("survey", surveyed);
  auto* presets = find<QComboBox>("presets");
  presets->setCurrentIndex(1);
  emit presets->activated(1);
  // P1 is 0.011 high and fails; P2, a kerb 0.02 low, passes its own tolerance.
  check();
  const CommandRun printed = command({design, surveyed, "--preset", "KERBS"});
  EXPECT_EQ(printed.status, 1) << printed.err;
  const QString overview = find<QLabel>("overview")->text();
  EXPECT_NE(printed.out.find("Outside tolerance: 1 "), std::string::npos) << printed.out;
  std::istringstream lines(printed.out);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("Outside tolerance:", 0) == 0) {
      EXPECT_TRUE(overview.contains(QString::fromStdString(line))) << overview.toStdString();
    }
  }

  find<QDoubleSpinBox>("tolerance_z")->setValue(0.015);
  answerName("KERBS");
  QTest::mouseClick(find<QPushButton>("savePreset"), Qt::LeftButton);
  std::vector<std::string> tolerances;
  for (const PresetLine& line : readPreset(presetFolder(), "KERBS")) {
    if (line.key == "tolerance") tolerances.push_back(line.value);
  }
  EXPECT_EQ(tolerances, (std::vector<std::string>{"z=0.015", "KERB:z=0.05"}));
}

TEST_F(CheckWindowSettings, ABadPresetIsNamedWithItsLine) {
  std::filesystem::create_directories(presetFolder());
  std::ofstream(presetFolder() / "BAD.txt") << "match = id\nunits = yards\n";
  open();
  find<QCheckBox>("tested_z")->click();
  MessageAnswerer answerer;
  auto* presets = find<QComboBox>("presets");
  presets->setCurrentIndex(1);
  emit presets->activated(1);
  ASSERT_EQ(answerer.texts.size(), 1);
  EXPECT_TRUE(answerer.texts[0].startsWith(
      QString::fromStdString((presetFolder() / "BAD.txt").string()) + ":2: --units: "))
      << answerer.texts[0].toStdString();
  EXPECT_TRUE(find<QCheckBox>("tested_z")->isChecked());  // the options stay as they were
  EXPECT_EQ(presets->currentIndex(), 0);
}

TEST_F(CheckWindowSettings, TheCodesShowInTheTables) {
  write("survey.txt", std::string(kSurvey) + "X9;5;5;5;STK\n");
  open();
  choose("design", design);
  choose("survey", surveyed);
  findIn<QComboBox>("survey", "columns")->setCurrentText("PNEZD");
  findIn<QCheckBox>("survey", "decimalComma")->click();
  write("design.csv", std::string(kDesign) + "P4,0,0,0,GATE\n");
  check();
  const auto* pairs = find<QTableView>("pairs");
  const int code = pairs->model()->columnCount() - 1;
  EXPECT_EQ(pairs->model()->headerData(code, Qt::Horizontal).toString(), "Code");
  EXPECT_EQ(column(pairs, code), QStringList({"STK", "KERB / STK", "CP"}));
  EXPECT_EQ(cell(find<QTableView>("neverSurveyed"), 0, 5), "GATE");
  EXPECT_EQ(cell(find<QTableView>("noDesign"), 0, 5), "STK");
}

TEST_F(CheckWindowSettings, OptionsTheCommandLineRefusesAreNamed) {
  const struct {
    const char* field;
    const char* text;
    const char* message;
  } cases[] = {
      {"designCrs", "EPSG:25832", "Give the coordinate systems of both files, or of neither."},
      {"onlyCodes", "STK,,KERB", "--codes: "}};
  for (const auto& c : cases) {
    open();
    choose("design", design);
    choose("survey", surveyed);
    find<QLineEdit>(c.field)->setText(c.text);
    MessageAnswerer answerer;
    check();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.texts.isEmpty(); }));
    EXPECT_TRUE(answerer.texts[0].startsWith(c.message)) << answerer.texts[0].toStdString();
    window.reset();
    QSettings().clear();
  }
}

TEST_F(CheckWindowSettings, FitsOnASmallScreen) {
  open();
  find<QToolButton>("moreOptions")->click();  // the options unfolded too
  window->resize(800, 600);
  QApplication::processEvents();
  EXPECT_EQ(window->size(), QSize(800, 600));
  EXPECT_FALSE(find<QPushButton>("check")->visibleRegion().isEmpty());
  EXPECT_GE(find<QTableView>("pairs")->height(), 100);
}

}  // namespace
}  // namespace check::windowtest
