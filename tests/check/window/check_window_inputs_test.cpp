// The check window's inputs as a user sees them: the previews of the files, the same check
// and the same figures as `kestova check` for the same choices, and the messages for bad input.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <functional>

#include "check/drawing_frame.h"
#include "check_window_fixture.h"
#include "site_drawing.h"

namespace check::windowtest {
namespace {

constexpr const char* kDesign =
    "Point,Easting,Northing,Elevation,Code\n"
    "P1,1000.000,2000.000,50.000,stake\n"
    "P2,1010.000,2000.000,50.500,stake\n"
    "P3,1020.000,2000.000,51.000,stake\n";

constexpr const char* kSurvey =
    "# crew B\r\n"
    "P1,1000.005,1999.998,50.003\r\n"
    "P2,1010.030,2000.004,50.480\r\n"
    "X9,5,6,7\r\n";

struct PreviewCase {
  const char* name;
  const char* content;
  const char* columnsFrom;
  const char* firstLine;
  bool columnsChosen;  // an order may be chosen, over a header row too
};

void PrintTo(const PreviewCase& c, std::ostream* os) {
  *os << c.name;
}

class CheckWindowPreview : public CheckWindowFixture,
                           public testing::WithParamInterface<PreviewCase> {};

TEST_P(CheckWindowPreview, ShowsTheFirstLinesAndWhereTheColumnsComeFrom) {
  open();
  const PreviewCase& c = GetParam();
  const std::string path =
      c.content ? write("points.txt", c.content) : folder.filePath("none.csv").toStdString();
  choose("survey", path);
  EXPECT_TRUE(findIn<QLabel>("survey", "columnsFrom")->text().contains(c.columnsFrom))
      << findIn<QLabel>("survey", "columnsFrom")->text().toStdString();
  EXPECT_EQ(findIn<QPlainTextEdit>("survey", "preview")->toPlainText().section('\n', 0, 0),
            c.firstLine);
  EXPECT_EQ(findIn<QComboBox>("survey", "columns")->isEnabled(), c.columnsChosen);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CheckWindowPreview,
    testing::Values(
        PreviewCase{"header", kDesign,
                    "Header row: Point (P), Easting (E), Northing (N), Elevation (Z), Code (D)",
                    "Point,Easting,Northing,Elevation,Code", true},
        PreviewCase{"comment before the header", "\xEF\xBB\xBF// job 12\nname;x;y;remark\n",
                    "Header row: name (P), x (E), y (N), remark (not read)", "// job 12", true},
        PreviewCase{"no header", kSurvey, "No header row: the columns are read as PENZD",
                    "# crew B", true},
        PreviewCase{"LandXML", "<?xml version=\"1.0\"?>\n<LandXML/>\n", "LandXML points",
                    "<?xml version=\"1.0\"?>", false},
        PreviewCase{"missing", nullptr, "cannot be opened", "", true}));

// Stands for the site drawing's path among a command's arguments.
constexpr const char* kSiteDrawing = "site.dxf";

// What the user does in the window, and the same check on the command line.
struct SameCheckCase {
  const char* name;
  const char* design;
  const char* survey;
  std::function<void(CheckWindowFixture&)> choose;
  std::vector<std::string> arguments;
};

void PrintTo(const SameCheckCase& c, std::ostream* os) {
  *os << c.name;
}

class CheckWindowAsCommand : public CheckWindowFixture,
                             public testing::WithParamInterface<SameCheckCase> {};

std::vector<std::string> wordsOf(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

TEST_P(CheckWindowAsCommand, SummaryHasTheCommandsFigures) {
  const SameCheckCase& c = GetParam();
  const std::string site = folder.filePath("site.dxf").toStdString();
  fixtures::saveSiteDrawing(site);
  open({{worldUcs(),
         {"SITE", drawingFrame(site, "SITE").description, drawingFrame(site, "SITE").frame}}});
  const std::string design = write("design.csv", c.design);
  const std::string surveyed = write("survey.csv", c.survey);
  choose("design", design);
  choose("survey", surveyed);
  c.choose(*this);
  check();

  std::vector<std::string> arguments{design, surveyed};
  for (const std::string& argument : c.arguments) {
    arguments.push_back(argument == kSiteDrawing ? site : argument);
  }
  const CommandRun printed = command(arguments);
  ASSERT_EQ(printed.err, "");
  const auto* statistics = find<QTableWidget>("statistics");
  ASSERT_EQ(statistics->rowCount(), 4);
  std::istringstream lines(printed.out);
  int row = 0;
  const QString overview = find<QLabel>("overview")->text();
  for (std::string line; std::getline(lines, line);) {
    const std::string first = line.substr(0, line.find(' '));
    if (first == "dx" || first == "dy" || first == "dz" || first == "dH") {
      ASSERT_LT(row, 4);
      std::string cells = statistics->verticalHeaderItem(row)->text().toStdString();
      for (int k = 0; k < statistics->columnCount(); ++k) {
        cells += ' ' + statistics->item(row, k)->text().toStdString();
      }
      EXPECT_EQ(wordsOf(cells), wordsOf(line)) << line;
      ++row;
    }
    for (const char* start :
         {"Design:", "Survey:", "Pairs:", "Deviations:", "Tolerances:", "Outside tolerance:"}) {
      if (line.rfind(start, 0) == 0) {
        EXPECT_TRUE(overview.contains(QString::fromStdString(line))) << line;
      }
    }
  }
  EXPECT_EQ(row, 4);
}

void tolerate(CheckWindowFixture& f, const char* letter, double limit) {
  f.find<QCheckBox>((std::string("tested_") + letter).c_str())->click();
  f.find<QDoubleSpinBox>((std::string("tolerance_") + letter).c_str())->setValue(limit);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, CheckWindowAsCommand,
    testing::Values(
        SameCheckCase{"ById",
                      kDesign,
                      kSurvey,
                      [](CheckWindowFixture& f) {
                        for (const char* letter : {"x", "y", "h"}) tolerate(f, letter, 0.02);
                        tolerate(f, "z", 0.01);
                      },
                      {"--tolerance", "x=0.02,y=0.02,z=0.01,h=0.02"}},
        SameCheckCase{"ByProximityWithFourDecimals",
                      kDesign,
                      "101  2000.010  1000.004  50.002\n102  2000.300  1010.000  50.000\n"
                      "103  2000.001  1019.990\n",
                      [](CheckWindowFixture& f) {
                        f.find<QRadioButton>("byProximity")->click();
                        f.find<QDoubleSpinBox>("radius")->setValue(0.25);
                        f.findIn<QComboBox>("survey", "columns")->setCurrentText("PNEZ");
                        f.find<QSpinBox>("decimals")->setValue(4);
                        tolerate(f, "h", 0.01);
                      },
                      {"--match", "near:0.25", "--survey-columns", "PNEZ", "--decimals", "4",
                       "--tolerance", "h=0.01"}},
        SameCheckCase{"IdOptionsDecimalCommaSkippedLines",
                      "A1;0,5;0,25\na2;10;20\n",
                      "s-A1;0,51;0,27;1\ns-A1;0,53;0,21;1\ns-A2;10,1;20\nbad;x;y\n",
                      [](CheckWindowFixture& f) {
                        for (const char* box : {"design", "survey"}) {
                          f.findIn<QCheckBox>(box, "decimalComma")->click();
                        }
                        f.find<QCheckBox>("ignoreCase")->click();
                        f.find<QLineEdit>("surveyPrefix")->setText("s-");
                        f.find<QComboBox>("repeats")->setCurrentText("Last");
                        f.find<QCheckBox>("skipBadLines")->click();
                      },
                      {"--decimal-comma", "--ignore-case", "--survey-prefix", "s-", "--repeats",
                       "last", "--skip-bad-lines"}},
        SameCheckCase{"UnitsAndCodes",
                      kDesign,
                      "P1,3280.856,6561.673,164.05\nP2,3313.714,6561.693,165.617\n",
                      [](CheckWindowFixture& f) {
                        f.find<QComboBox>("designUnits")->setCurrentText("m");
                        f.find<QComboBox>("surveyUnits")->setCurrentText("ft");
                        f.find<QLineEdit>("onlyCodes")->setText("STAKE,kerb");
                        tolerate(f, "h", 0.02);
                      },
                      {"--design-units", "m", "--survey-units", "ft", "--codes", "STAKE,kerb",
                       "--tolerance", "h=0.02"}},
        // A rover's latitude and longitude against a design in ETRS89 / UTM zone 32.
        SameCheckCase{
            "CoordinateSystems",
            "Point,E,N,Z\nS1,500000.000,5538630.703,312.500\n"
            "S2,574595.112,5316784.009,298.000\n",
            "Point ID,Latitude,Longitude,Ellipsoidal Height\n"
            "S1,50.0,9.0,312.5\nS2,48.0000001,10.0,298.0\n",
            [](CheckWindowFixture& f) {
              f.find<QLineEdit>("designCrs")->setText("EPSG:25832");
              f.find<QLineEdit>("surveyCrs")->setText("EPSG:4258");
              f.find<QLineEdit>("leftOutCodes")->setText("CP");
            },
            {"--design-crs", "EPSG:25832", "--survey-crs", "EPSG:4258", "--exclude-codes", "CP"}},
        SameCheckCase{"AlongANamedUcs",
                      kDesign,
                      kSurvey,
                      [](CheckWindowFixture& f) {
                        f.find<QComboBox>("ucs")->setCurrentIndex(1);
                        f.find<QSpinBox>("decimals")->setValue(4);
                        tolerate(f, "y", 0.02);
                      },
                      {"--drawing", kSiteDrawing, "--ucs", "SITE", "--tolerance", "y=0.02"}}));

struct BadInputCase {
  const char* name;
  const char* design;  // nullptr: no such file; "": none chosen
  const char* survey;
  const char* surveyColumns;
  const char* message;  // nullptr: what `kestova check` says of the same files
};

void PrintTo(const BadInputCase& c, std::ostream* os) {
  *os << c.name;
}

class CheckWindowBadInput : public CheckWindowFixture,
                            public testing::WithParamInterface<BadInputCase> {
 protected:
  std::string pathOf(const char* name, const char* content) {
    if (content == nullptr) return folder.filePath(name).toStdString();
    return *content == '\0' ? std::string() : write(name, content);
  }
};

TEST_P(CheckWindowBadInput, ShowsTheCommandsMessageAndChangesNothing) {
  const BadInputCase& c = GetParam();
  open();
  choose("design", write("design.csv", kDesign));
  choose("survey", write("survey.csv", kSurvey));
  check();
  const QString overview = find<QLabel>("overview")->text();

  const std::string design = pathOf("bad_design.csv", c.design);
  const std::string surveyed = pathOf("bad_survey.csv", c.survey);
  choose("design", design);
  choose("survey", surveyed);
  findIn<QComboBox>("survey", "columns")->setCurrentText(c.surveyColumns);
  MessageAnswerer answerer;
  check();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.texts.isEmpty(); }));

  std::string message = c.message ? c.message : "";
  if (c.message == nullptr) {
    const CommandRun printed = command({design, surveyed, "--columns", c.surveyColumns});
    ASSERT_EQ(printed.err.rfind("kestova check: ", 0), 0u) << printed.err;
    message = printed.err.substr(15, printed.err.size() - 16);
  }
  EXPECT_EQ(answerer.texts, QStringList({QString::fromStdString(message)}));
  EXPECT_EQ(answerer.captions, QStringList({"Kestova"}));
  EXPECT_EQ(find<QLabel>("overview")->text(), overview);
  EXPECT_EQ(column(find<QTableView>("pairs"), 0), QStringList({"P1", "P2"}));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, CheckWindowBadInput,
    testing::Values(
        BadInputCase{"NotANumber", kDesign, "P1,1000.005,1999.998,50.003\nP2,1010.010,abc\n",
                     "PENZD", nullptr},
        BadInputCase{"RepeatedDesignId", "P1,0,0\n\nP1,1,1\n", kSurvey, "PENZD", nullptr},
        BadInputCase{"NoSuchFile", kDesign, nullptr, "PENZD", nullptr},
        BadInputCase{"NoPoints", kDesign, "# nothing yet\n", "PENZD", nullptr},
        BadInputCase{"NoFileChosen", "", kSurvey, "PENZD",
                     "Choose the design file and the survey file."},
        BadInputCase{"NoSuchColumn", kDesign, kSurvey, "PQ",
                     "Survey file: columns PQ: 'Q' is not a column: use P, E (or X), N (or Y), "
                     "Z and D"}));

}  // namespace
}  // namespace check::windowtest
