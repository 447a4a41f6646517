#include "survey/point_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>

#include "survey/point_file_error.h"

// Point files as surveyors' software writes them, read as a user expects: every point with its
// id, world coordinates and line, and every bad line named by file, line and column.
namespace survey {
namespace {

struct Expected {
  std::string id;
  double x;
  double y;
  std::optional<double> z;
  std::size_t line;
};

struct ReadCase {
  const char* what;
  std::string content;
  std::string columns;
  bool decimalComma;
  std::vector<Expected> points;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << c.what;
}

// The message a read fails with.
template <class Read>
std::string messageOf(Read read) {
  try {
    read();
  } catch (const PointFileError& e) {
    return e.what();
  }
  return "read without complaint";
}

ReadOptions optionsFor(const std::string& columns, bool decimalComma) {
  ReadOptions options;
  if (!columns.empty()) options.columns = parseColumnOrder(columns);
  options.decimalComma = decimalComma;
  return options;
}

class ReadsPoints : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadsPoints, AsWritten) {
  const ReadCase& c = GetParam();
  const PointFile file = parsePoints(c.content, "site.csv", optionsFor(c.columns, c.decimalComma));
  ASSERT_EQ(file.points.size(), c.points.size());
  for (std::size_t i = 0; i < c.points.size(); ++i) {
    const Point& p = file.points[i];
    const Expected& e = c.points[i];
    EXPECT_EQ(p.id, e.id);
    EXPECT_EQ(p.x, e.x) << e.id;
    EXPECT_EQ(p.y, e.y) << e.id;
    EXPECT_EQ(p.z, e.z) << e.id;
    EXPECT_EQ(p.line, e.line) << e.id;
  }
}

const char* const kLandXml = R"(<?xml version="1.0" encoding="UTF-8"?>
<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2" version="1.2">
  <CgPoints>
    <CgPoint name="P1">200.5 100.25 10</CgPoint>
    <CgPoint name="P2" code="kerb">201 101</CgPoint>
    <CgPoints name="stakes"><CgPoint name="P3">
      2 1 3</CgPoint></CgPoints>
    <CgPoint name="R1" pntRef="P1"/>
  </CgPoints>
</LandXML>
)";

INSTANTIATE_TEST_SUITE_P(
    Files, ReadsPoints,
    testing::Values(
        ReadCase{"header with a description",
                 "Point,Easting,Northing,Elevation,Code\n"
                 "P1,1.5,2.5,3.5,stake\n",
                 "",
                 false,
                 {{"P1", 1.5, 2.5, 3.5, 2}}},
        ReadCase{"header names in any case and order, tabs",
                 "n\tE\tPOINT\n2\t1\tB\n",
                 "",
                 false,
                 {{"B", 1, 2, std::nullopt, 2}}},
        ReadCase{"header with x, y, unknown columns",
                 "id;quality;x;y;h\nA;good;1;2;3\n",
                 "",
                 false,
                 {{"A", 1, 2, 3, 2}}},
        ReadCase{"default order PENZD, runs of blanks",
                 "  P1   1   2  3  kerb edge\n",
                 "",
                 false,
                 {{"P1", 1, 2, 3, 1}}},
        ReadCase{"order PNEZD", "P1,2,1,3,x\n", "PNEZD", false, {{"P1", 1, 2, 3, 1}}},
        ReadCase{"order pxyz in lower case", "P1,1,2,3\n", "pxyz", false, {{"P1", 1, 2, 3, 1}}},
        ReadCase{"no ids: made up from file and line",
                 "\n1,2,3\n",
                 "ENZ",
                 false,
                 {{"site.csv:2", 1, 2, 3, 2}}},
        ReadCase{"trailing columns missing",
                 "P1,1,2\nP2,3,4,\n",
                 "",
                 false,
                 {{"P1", 1, 2, std::nullopt, 1}, {"P2", 3, 4, std::nullopt, 2}}},
        ReadCase{"quoted fields",
                 "\"P 1, a\" , 1,2,3,\"say \"\"hi\"\"\"\n",
                 "",
                 false,
                 {{"P 1, a", 1, 2, 3, 1}}},
        ReadCase{"byte-order mark, CRLF, comments, blank lines",
                 "\xEF\xBB\xBF# site\r\n// design\r\n\r\n  \r\nP1,1,2,3\r\n",
                 "",
                 false,
                 {{"P1", 1, 2, 3, 5}}},
        ReadCase{"no line end at the end", "P1,1,2,3", "", false, {{"P1", 1, 2, 3, 1}}},
        ReadCase{"semicolons win over a comma in a description",
                 "P1;1;2;3;a,b\n",
                 "",
                 false,
                 {{"P1", 1, 2, 3, 1}}},
        ReadCase{"decimal comma, semicolons",
                 "P1;1,5;2,25;-3,125\n",
                 "",
                 true,
                 {{"P1", 1.5, 2.25, -3.125, 1}}},
        ReadCase{"decimal comma, tabs", "P1\t1,5\t2\t3\n", "", true, {{"P1", 1.5, 2, 3, 1}}},
        ReadCase{"signs, bare fractions, exponents",
                 "P1,+1,-.5,1e2\n",
                 "",
                 false,
                 {{"P1", 1, -0.5, 100, 1}}},
        ReadCase{"UTF-8 ids", "Pfahl-ä1,1,2,3\n", "", false, {{"Pfahl-ä1", 1, 2, 3, 1}}},
        ReadCase{
            "LandXML: northing easting elevation; groups; references",
            kLandXml,
            "",
            false,
            {{"P1", 100.25, 200.5, 10, 4}, {"P2", 101, 201, std::nullopt, 5}, {"P3", 1, 2, 3, 6}}},
        ReadCase{"LandXML with a namespace prefix",
                 "<lx:LandXML xmlns:lx=\"urn:x\"><lx:CgPoints>"
                 "<lx:CgPoint name=\"A\">2 1 0</lx:CgPoint></lx:CgPoints></lx:LandXML>",
                 "",
                 false,
                 {{"A", 1, 2, 0, 1}}}));

struct BadCase {
  const char* what;
  std::string content;
  bool decimalComma;
  std::string message;
};

void PrintTo(const BadCase& c, std::ostream* os) {
  *os << c.what;
}

class RefusesBadInput : public testing::TestWithParam<BadCase> {};

TEST_P(RefusesBadInput, NamingFileLineAndColumn) {
  const BadCase& c = GetParam();
  const std::string message =
      messageOf([&] { parsePoints(c.content, "survey.csv", optionsFor("", c.decimalComma)); });
  EXPECT_EQ(message.substr(0, c.message.size()), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusesBadInput,
    testing::Values(
        BadCase{"a word for a number", "P1,1,2,3\nP2,1,abc,3\n", false,
                "survey.csv:2: 'abc' in column N is not a number"},
        BadCase{"named by the header", "Point,East,North\n\nP1,x,2\n", false,
                "survey.csv:3: 'x' in column East is not a number"},
        BadCase{"an empty coordinate", "P1,,2\n", false, "survey.csv:1: no value in column E"},
        BadCase{"a missing northing", "P1,1\n", false, "survey.csv:1: no value in column N"},
        BadCase{"an empty id", ",1,2\n", false, "survey.csv:1: no point id in column P"},
        BadCase{"an open quote", "\"P1,1,2\n", false, "survey.csv:1: a quote is not closed"},
        BadCase{"a coordinate out of range", "P1,1e300,2\n", false,
                "survey.csv:1: '1e300' in column E is beyond ±1e12"},
        BadCase{"infinity", "P1,inf,2\n", false, "survey.csv:1: 'inf' in column E is not a number"},
        BadCase{"not a number", "P1,1,nan\n", false,
                "survey.csv:1: 'nan' in column N is not a number"},
        BadCase{"hexadecimal", "P1,0x10,2\n", false,
                "survey.csv:1: '0x10' in column E is not a number"},
        BadCase{"two signs", "P1,+-1,2\n", false,
                "survey.csv:1: '+-1' in column E is not a number"},
        BadCase{"a point where a comma is the separator", "P1;1.5;2\n", true,
                "survey.csv:1: '1.5' in column E is not a number"},
        BadCase{"a comma without --decimal-comma", "P1;1,5;2\n", false,
                "survey.csv:1: '1,5' in column E is not a number; the file seems to write a "
                "decimal comma"},
        BadCase{"a point with --decimal-comma", "P1;1;2.5\n", true,
                "survey.csv:1: '2.5' in column N is not a number; the file seems to write a "
                "decimal point, not a comma"},
        BadCase{"a long field is cut short", "P1," + std::string(100, 'x') + ",2\n", false,
                "survey.csv:1: '" + std::string(40, 'x') + "...' in column E is not a number"},
        BadCase{"UTF-16 text cut mid-character", std::string("\xFF\xFEP\0001", 5), false,
                "survey.csv: its UTF-16 text ends mid-character"},
        BadCase{"broken XML", "<LandXML>\n<CgPoints>\n<CgPoint name=\"A\">1 2", false,
                "survey.csv:3: not readable as XML: "},
        BadCase{"XML that is not LandXML", "<kml/>", false,
                "survey.csv: is not a LandXML file (its root element is 'kml')"},
        BadCase{"a CgPoint with one number", "<LandXML>\n<CgPoint name=\"A\">1</CgPoint></LandXML>",
                false, "survey.csv:2: CgPoint 'A' has 1 numbers; expected northing easting"},
        BadCase{"a CgPoint without a name", "<LandXML><CgPoint>1 2</CgPoint></LandXML>", false,
                "survey.csv:1: a CgPoint without a name"},
        BadCase{"a CgPoint with a word", "<LandXML><CgPoint name=\"A\">1 x</CgPoint></LandXML>",
                false, "survey.csv:1: CgPoint 'A': 'x' as easting is not a number"}));

TEST(SkipBadLines, ReadsOnAndListsWhatItSkipped) {
  std::string content = "P1,1,2,3\nP2,1,abc,3\nP3,4,5,6\n";
  for (int i = 0; i < 150; ++i) content += "P,x,1\n";
  ReadOptions options;
  options.skipBadLines = true;
  const PointFile file = parsePoints(content, "survey.csv", options);
  ASSERT_EQ(file.points.size(), 2u);
  EXPECT_EQ(file.points[1].id, "P3");
  EXPECT_EQ(file.skippedCount, 151u);
  ASSERT_EQ(file.skipped.size(), kMaxSkippedListed);
  EXPECT_EQ(file.skipped[0], "survey.csv:2: 'abc' in column N is not a number");
  EXPECT_EQ(file.skipped[1], "survey.csv:4: 'x' in column E is not a number");
}

TEST(HostileInput, OnlyTheColumnsReadAreCutOut) {
  const std::string line = "P1,1,2,3" + std::string(3'000'000, ',') + "\n";
  EXPECT_EQ(parsePoints(line, "wide.csv", {}).points.size(), 1u);
}

TEST(HostileInput, DeeplyNestedXmlIsWalkedWithoutRecursion) {
  std::string xml = "<LandXML>";
  for (int i = 0; i < 200'000; ++i) xml += "<a>";
  xml += "<CgPoint name=\"deep\">1 2</CgPoint>";
  for (int i = 0; i < 200'000; ++i) xml += "</a>";
  xml += "</LandXML>";
  const PointFile file = parsePoints(xml, "deep.xml", {});
  ASSERT_EQ(file.points.size(), 1u);
  EXPECT_EQ(file.points[0].id, "deep");
}

TEST(HostileInput, XmlOfNothingButTagsIsRefusedBeforeItIsBuilt) {
  std::string xml = "<LandXML>";
  for (int i = 0; i < 2'000'000; ++i) xml += "<a/>";
  xml += "</LandXML>";
  EXPECT_EQ(messageOf([&] { parsePoints(xml, "tags.xml", {}); }),
            "tags.xml: has more than 2000000 tags and attributes, more than a LandXML point "
            "file holds");
}

class PointFileOnDisk : public testing::Test {
 protected:
  std::filesystem::path folder =
      std::filesystem::path(testing::TempDir()) / ("point_file_test_" + std::to_string(::getpid()));
  void SetUp() override { std::filesystem::create_directories(folder); }
  void TearDown() override { std::filesystem::remove_all(folder); }
};

TEST_F(PointFileOnDisk, MessagesNameTheFileAsGiven) {
  const std::filesystem::path missing = folder / "missing.csv";
  EXPECT_EQ(messageOf([&] { readPointFile(missing, {}); }),
            missing.string() + ": cannot be opened");
  EXPECT_EQ(messageOf([&] { readPointFile(folder, {}); }),
            folder.string() + ": is a folder, not a point file");
}

TEST_F(PointFileOnDisk, AFileBeyondTheLimitIsRefusedUnread) {
  const std::filesystem::path huge = folder / "huge.csv";
  std::ofstream(huge) << "P1,1,2,3\n";
  std::filesystem::resize_file(huge, kMaxFileBytes + 1);  // sparse: costs no disk
  EXPECT_EQ(messageOf([&] { readPointFile(huge, {}); }),
            huge.string() + ": is larger than 128 MiB, more than a point file holds");
}

}  // namespace
}  // namespace survey
