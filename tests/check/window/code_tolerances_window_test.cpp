// Tolerances per code typed in the check window: checked as typed without interrupting the
// user, used by Check as `kestova check --tolerance KERB:z=...` uses them, kept in presets and
// in the remembered settings.
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>

#include "check_window_fixture.h"

namespace check::windowtest {
namespace {

constexpr const char* kDesign =
    "Point,Easting,Northing,Elevation,Code\n"
    "P1,1000.000,2000.000,50.000,STK\n"
    "P2,1010.000,2000.000,50.500,KERB\n"
    "P3,1020.000,2000.000,51.000,CP\n";
// P1 is 0.011 high, P2 (a kerb) 0.02 low.
constexpr const char* kSurvey =
    "P1,1000.000,2000.000,50.011\n"
    "P2,1010.000,2000.000,50.480\n"
    "P3,1020.000,2000.000,51.000\n";

class CodeTolerancesWindow : public CheckWindowFixture {
 protected:
  void SetUp() override {
    CheckWindowFixture::SetUp();
    design = write("design.csv", kDesign);
    surveyed = write("survey.csv", kSurvey);
  }

  // Opens the window over the files with z tested against 0.01 in general.
  void openTheCheck() {
    open();
    choose("design", design);
    choose("survey", surveyed);
    find<QCheckBox>("tested_z")->click();
    find<QDoubleSpinBox>("tolerance_z")->setValue(0.01);
  }

  QLineEdit* perCode() const { return find<QLineEdit>("codeTolerances"); }

  // Types `text` key by key, noting whether a dialog opened while typing.
  void typeCodeTolerances(const QString& text) {
    perCode()->clear();
    for (const QChar c : text) {
      QTest::keyClicks(perCode(), QString(c));
      if (QApplication::activeModalWidget() != nullptr) dialogWhileTyping = true;
    }
  }

  static bool red(const QLineEdit* edit) { return edit->styleSheet().contains("red"); }

  bool dialogWhileTyping = false;
};

TEST_F(CodeTolerancesWindow, AKerbsOwnToleranceChecksAsOnTheCommandLine) {
  openTheCheck();
  typeCodeTolerances("KERB: z=0.05");
  EXPECT_FALSE(dialogWhileTyping);
  EXPECT_FALSE(red(perCode()));
  EXPECT_TRUE(perCode()->toolTip().startsWith("Tolerances per code")) << "the help again";
  check();
  const CommandRun printed =
      command({design, surveyed, "--tolerance", "z=0.01", "--tolerance", "KERB:z=0.05"});
  EXPECT_EQ(printed.status, 1) << printed.err;
  // P1 fails; the kerb 0.02 low passes its own tolerance.
  EXPECT_NE(printed.out.find("Outside tolerance: 1 "), std::string::npos) << printed.out;
  const QString overview = find<QLabel>("overview")->text();
  std::istringstream lines(printed.out);
  int compared = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("Outside tolerance:", 0) != 0 && line.rfind("Tolerances:", 0) != 0) continue;
    EXPECT_TRUE(overview.contains(QString::fromStdString(line))) << line;
    ++compared;
  }
  EXPECT_GE(compared, 2) << printed.out;
}

TEST_F(CodeTolerancesWindow, BadTextTurnsRedWithItsReasonAndCheckSaysIt) {
  const struct {
    const char* text;
    const char* reason;
  } cases[] = {{"KERB: q=0.01", "q"},
               {"z=0.01", "write the code before its tolerances"},
               {"KERB: z=0.01; kerb: z=0.02", "kerb is given twice"},
               {"KERB: z=-1", "KERB"},
               {"KERB:", "KERB"}};
  for (const auto& c : cases) {
    openTheCheck();
    typeCodeTolerances(c.text);
    EXPECT_FALSE(dialogWhileTyping) << c.text;
    EXPECT_TRUE(red(perCode())) << c.text;
    EXPECT_TRUE(perCode()->toolTip().startsWith("Tolerances per code: ")) << c.text;
    EXPECT_TRUE(perCode()->toolTip().contains(c.reason))
        << c.text << ": " << perCode()->toolTip().toStdString();
    MessageAnswerer answerer;
    check();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.texts.isEmpty(); })) << c.text;
    EXPECT_EQ(answerer.texts[0], perCode()->toolTip());
    window.reset();
    QSettings().clear();
  }
}

TEST_F(CodeTolerancesWindow, AreKeptInPresetsAndInTheRememberedSettings) {
  openTheCheck();
  typeCodeTolerances("KERB : z = 0.05 ;STK: x=0.01,y=0.02");
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->setTextValue("KERBS");
    dialog->accept();
  });
  QTest::mouseClick(find<QPushButton>("savePreset"), Qt::LeftButton);
  std::vector<std::string> tolerances;
  for (const PresetLine& line : readPreset(presetFolder(), "KERBS")) {
    if (line.key == "tolerance") tolerances.push_back(line.value);
  }
  EXPECT_EQ(tolerances, (std::vector<std::string>{"z=0.01", "KERB:z=0.05", "STK:x=0.01,y=0.02"}));

  window.reset();
  open();
  EXPECT_EQ(perCode()->text(), "KERB: z=0.05; STK: x=0.01,y=0.02");

  // A preset written by hand shows its codes' tolerances, and replaces those typed.
  std::ofstream(presetFolder() / "STAKES.txt") << "tolerance = STK:h=0.03\n";
  window.reset();
  open();
  MessageAnswerer answerer;  // a preset refused would say so in a message box
  auto* presets = find<QComboBox>("presets");
  presets->setCurrentIndex(presets->findText("STAKES"));
  emit presets->activated(presets->currentIndex());
  EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('\n').toStdString();
  EXPECT_EQ(perCode()->text(), "STK: h=0.03");
  EXPECT_FALSE(red(perCode()));
}

}  // namespace
}  // namespace check::windowtest
