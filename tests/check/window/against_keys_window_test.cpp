// The check window's tolerances per code and design box when the check is against a surface or
// along an alignment: the keys of the chosen check, the same results as the command line, and
// the design described as the check reads it.
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "check/landxml_designs.h"
#include "check_window_fixture.h"
#include "python_reader.h"

namespace check::windowtest {
namespace {

// K passes only by the kerbs' lower bound of -0.03; I fails it; H fails the general 0.01.
constexpr const char* kShots =
    "B,10,0,12.010,KERB\n"
    "K,5,5,11.980,KERB\n"
    "E,5,5,11.995\n"
    "H,5,0,11.011\n"
    "I,2,6,10.769,kerb\n"
    "O,5,-0.01,11\n";

constexpr int kStatusColumn = 7;  // of the surface check's table: id, x, y, z, design z, dz, dn

class AgainstKeysWindow : public CheckWindowFixture {
 protected:
  void SetUp() override {
    CheckWindowFixture::SetUp();
    design = write("surface.xml", designs::kFormation);
    surveyed = write("shots.csv", kShots);
    open();
  }

  void chooseCheck(const char* choice) { find<QRadioButton>(choice)->click(); }
  QLineEdit* perCode() const { return find<QLineEdit>("codeTolerances"); }
  static bool red(const QLineEdit* edit) { return edit->styleSheet().contains("red"); }

  QString previewText() const { return findIn<QPlainTextEdit>("design", "preview")->toPlainText(); }
  QString previewNote() const { return findIn<QLabel>("design", "columnsFrom")->text(); }
  // Waits for the design's description, read in the background, to be shown.
  bool described() const {
    return QTest::qWaitFor([this] { return !previewNote().startsWith("Reading"); });
  }
};

TEST_F(AgainstKeysWindow, ACodesBoundsOnTheSurfaceCheckAsOnTheCommandLine) {
  chooseCheck("againstSurface");
  QTest::keyClicks(findIn<QLineEdit>("surfaceOptions", "tolerance"), "z=0.01");
  QTest::keyClicks(perCode(), "KERB: z=-0.03:0.01");
  EXPECT_FALSE(red(perCode())) << perCode()->toolTip().toStdString();
  choose("design", design);
  choose("survey", surveyed);
  MessageAnswerer answerer;
  check();
  ASSERT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('\n').toStdString();

  const std::string csv = folder.filePath("command.csv").toStdString();
  const CommandRun printed = command({design, surveyed, "--against", "surface", "--tolerance",
                                      "z=0.01", "--tolerance", "KERB:z=-0.03:0.01", "--csv", csv});
  EXPECT_EQ(printed.status, 1) << printed.err;
  std::ifstream written(csv);
  std::string line;
  std::getline(written, line);  // the header
  const auto* table = find<QTableView>("pairs");
  int row = 0;
  for (; std::getline(written, line); ++row) {
    const QStringList cells = QString::fromStdString(line).split(',');
    EXPECT_TRUE(cell(table, row, kStatusColumn).startsWith(cells[7])) << line;
  }
  EXPECT_EQ(table->model()->rowCount(), row);
  EXPECT_EQ(cell(table, 1, 0), "K");
  EXPECT_EQ(cell(table, 1, kStatusColumn), "pass") << "the kerb's own bound";
  EXPECT_TRUE(find<QLabel>("shotCounts")->text().contains("3 pass, 2 fail, 1 outside"));
}

TEST_F(AgainstKeysWindow, ACodesBoundsAlongAnAlignmentHoldForItsShots) {
  // k2, a right kerb 0.020 low, passes only by its code's bounds; k1 fails the general ones.
  const std::string road = write("road.xml", designs::kKerbLine);
  const std::string kerbs = write("kerbs.csv",
                                  "k1,20,3.48,10.22,KERB-L\n"
                                  "k2,10,-3.51,10.08,KERB-R\n");
  chooseCheck("againstAlignment");
  QTest::keyClicks(findIn<QLineEdit>("alignmentOptions", "design-offset"),
                   "KERB-L=-3.5,KERB-R=3.5");
  QTest::keyClicks(findIn<QLineEdit>("alignmentOptions", "tolerance"), "offset=0.015,z=0.01");
  QTest::keyClicks(perCode(), "KERB-R: z=-0.03:0.01");
  choose("design", road);
  choose("survey", kerbs);
  MessageAnswerer answerer;
  check();
  ASSERT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('\n').toStdString();
  const auto* table = find<QTableView>("pairs");
  constexpr int kAlignmentStatus = 10;  // after the chainage, offsets, levels and differences
  ASSERT_EQ(table->model()->rowCount(), 2);
  EXPECT_EQ(cell(table, 0, 0), "k2");
  EXPECT_EQ(cell(table, 0, kAlignmentStatus), "pass");
  EXPECT_TRUE(cell(table, 1, kAlignmentStatus).startsWith("fail")) << "k1 keeps the general ones";
}

TEST_F(AgainstKeysWindow, AKeyOfAnotherCheckTurnsTheFieldRedWhenTheCheckChanges) {
  const struct {
    const char* text;
    bool points, surface, alignment;  // read without fault by each check
  } cases[] = {{"KERB: h=0.01", true, false, false},
               {"KERB: n=0.02", false, true, false},
               {"KERB: offset=0.02", false, false, true},
               {"KERB: z=-0.03:0.01", false, true, true},
               {"KERB: z=0.01; STK: z=0.02", true, true, true}};
  for (const auto& c : cases) {
    perCode()->setText(c.text);
    for (const auto& [choice, readable] :
         {std::pair{"againstSurface", c.surface}, std::pair{"againstAlignment", c.alignment},
          std::pair{"againstPoints", c.points}}) {
      chooseCheck(choice);
      EXPECT_EQ(red(perCode()), !readable) << c.text << " " << choice;
      EXPECT_EQ(perCode()->toolTip().startsWith("Tolerances per code: KERB: "), !readable)
          << c.text << " " << choice << ": " << perCode()->toolTip().toStdString();
    }
  }
  // Check says what is wrong rather than checking without the code's tolerances.
  chooseCheck("againstSurface");
  perCode()->setText("KERB: x=0.01");
  choose("design", design);
  choose("survey", surveyed);
  MessageAnswerer answerer;
  check();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.texts.isEmpty(); }));
  EXPECT_EQ(answerer.texts[0], perCode()->toolTip());
  EXPECT_FALSE(find<QPushButton>("saveReport")->isEnabled());
}

TEST_F(AgainstKeysWindow, AnotherChecksTolerancesPerCodeAreRemembered) {
  chooseCheck("againstAlignment");
  perCode()->setText("KERB-L: offset=-0.01:0.02");
  window.reset();
  open();
  EXPECT_TRUE(find<QRadioButton>("againstAlignment")->isChecked());
  EXPECT_EQ(perCode()->text(), "KERB-L: offset=-0.01:0.02");
  EXPECT_FALSE(red(perCode()));
}

TEST_F(AgainstKeysWindow, APresetKeepsTheCheckItIsAgainstWithItsTolerances) {
  chooseCheck("againstSurface");
  QTest::keyClicks(findIn<QLineEdit>("surfaceOptions", "tolerance"), "z=0.01");
  perCode()->setText("KERB: z=-0.03:0.01,n=0.02");
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->setTextValue("LEVELS");
    dialog->accept();
  });
  QTest::mouseClick(find<QPushButton>("savePreset"), Qt::LeftButton);
  std::vector<std::string> kept;
  for (const PresetLine& line : readPreset(presetFolder(), "LEVELS")) {
    if (line.key == "against" || line.key == "tolerance") kept.push_back(line.value);
  }
  EXPECT_EQ(kept, (std::vector<std::string>{"surface", "z=0.01", "KERB:z=-0.03:0.01,n=0.02"}));

  // The command line checks with it as the window does.
  const CommandRun printed = command({design, surveyed, "--preset", "LEVELS"});
  EXPECT_NE(printed.out.find("Tolerances for code KERB: z -0.030 to 0.010, n 0.020\n"),
            std::string::npos)
      << printed.out << printed.err;

  // Chosen again over a point check, it brings back the surface and its tolerances.
  chooseCheck("againstPoints");
  findIn<QLineEdit>("surfaceOptions", "tolerance")->clear();
  perCode()->clear();
  MessageAnswerer answerer;
  auto* presets = find<QComboBox>("presets");
  presets->setCurrentIndex(presets->findText("LEVELS"));
  emit presets->activated(presets->currentIndex());
  EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('\n').toStdString();
  EXPECT_TRUE(find<QRadioButton>("againstSurface")->isChecked());
  EXPECT_EQ(findIn<QLineEdit>("surfaceOptions", "tolerance")->text(), "z=0.01");
  EXPECT_EQ(perCode()->text(), "KERB: z=-0.03:0.01,n=0.02");
  EXPECT_FALSE(red(perCode()));
}

TEST_F(AgainstKeysWindow, TheDesignBoxDescribesASurfaceOrAnAlignmentAndKeepsAPointFilesLines) {
  choose("design", design);
  EXPECT_TRUE(previewText().startsWith("<?xml")) << "design points: the file's lines";
  chooseCheck("againstSurface");
  ASSERT_TRUE(described());
  EXPECT_EQ(previewText(),
            "Surface 'Formation': 4 points, 2 faces\n"
            "Plan extent: east 0.000 to 10.000, north 0.000 to 10.000");

  const std::string road = write("road.xml", designs::kKerbLine);
  chooseCheck("againstAlignment");
  choose("design", road);
  ASSERT_TRUE(described());
  EXPECT_EQ(previewText(),
            "Alignment 'Kerb line': chainage 100.000 to 181.416, 2 elements, with a profile");

  // Points to triangulate are a point file, shown by their lines.
  chooseCheck("againstSurface");
  choose("design", surveyed);
  EXPECT_TRUE(previewText().startsWith("B,10,0,12.010,KERB")) << previewText().toStdString();
}

TEST_F(AgainstKeysWindow, ADrawingsFacesOnTheLayerChosenAreDescribed) {
  // A designer's drawing written by ezdxf: the square's two faces on FORMATION, one on OLD.
  const std::string drawing = folder.filePath("faces.dxf").toStdString();
  readback::readWithPython(R"(import sys, ezdxf
doc = ezdxf.new("R2010")
msp = doc.modelspace()
msp.add_3dface([(0, 0, 10), (10, 0, 12), (10, 10, 14)], dxfattribs={"layer": "FORMATION"})
msp.add_3dface([(0, 0, 10), (10, 10, 14), (0, 10, 10)], dxfattribs={"layer": "FORMATION"})
msp.add_3dface([(0, 0, 50), (20, 0, 50), (20, 10, 50)], dxfattribs={"layer": "OLD"})
doc.saveas(sys.argv[1])
)",
                           drawing);
  chooseCheck("againstSurface");
  QLineEdit* layer = findIn<QLineEdit>("surfaceOptions", "layer");
  QTest::keyClicks(layer, "FORMATION");
  QTest::keyClick(layer, Qt::Key_Return);
  choose("design", drawing);
  ASSERT_TRUE(described()) << previewNote().toStdString();
  // The faces hold their corners three each: the two they share are one point each.
  EXPECT_EQ(previewText(),
            "Surface of faces.dxf: 4 points, 2 faces\n"
            "Plan extent: east 0.000 to 10.000, north 0.000 to 10.000");
}

TEST_F(AgainstKeysWindow, TheSurfaceNamedInItsOptionIsDescribed) {
  // A second surface before Formation: the file holds two.
  std::string two = designs::kFormation;
  two.insert(two.find("  <Surface name"),
             "  <Surface name=\"Existing\"><Definition surfType=\"TIN\">\n"
             "   <Pnts><P id=\"1\">0 0 9</P><P id=\"2\">0 10 9</P><P id=\"3\">10 10 9</P></Pnts>\n"
             "   <Faces><F>1 2 3</F></Faces>\n"
             "  </Definition></Surface>\n");
  chooseCheck("againstSurface");
  choose("design", write("two.xml", two));
  ASSERT_TRUE(described());
  EXPECT_TRUE(previewNote().contains("two.xml")) << previewNote().toStdString();
  EXPECT_TRUE(previewNote().contains("Existing")) << previewNote().toStdString();
  QLineEdit* name = findIn<QLineEdit>("surfaceOptions", "surface");
  QTest::keyClicks(name, "Existing");
  QTest::keyClick(name, Qt::Key_Return);
  ASSERT_TRUE(described());
  EXPECT_TRUE(previewText().startsWith("Surface 'Existing': 3 points, 1 face\n"))
      << previewText().toStdString();
}

TEST_F(AgainstKeysWindow, ADesignThatCannotBeReadIsNamedWithItsLine) {
  // The second face, on line 7, names a point the surface does not have.
  std::string bad = designs::kFormation;
  bad.replace(bad.find("<F>1 3 4</F>"), 12, "\n<F>1 3 9</F>");
  const std::string path = write("bad.xml", bad);
  chooseCheck("againstSurface");
  choose("design", path);
  ASSERT_TRUE(described());
  EXPECT_TRUE(previewNote().contains("bad.xml:7:")) << previewNote().toStdString();
  EXPECT_TRUE(previewText().isEmpty());

  // An alignment's file that holds no alignment says so too.
  chooseCheck("againstAlignment");
  ASSERT_TRUE(described());
  EXPECT_TRUE(previewNote().contains("bad.xml")) << previewNote().toStdString();
}

}  // namespace
}  // namespace check::windowtest
