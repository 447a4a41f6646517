#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "host/dxf/fields.h"
#include "host/dxf/reader.h"
#include "host/model/drawing_description.h"
#include "host_drawing.h"

// What a drawing read from a file tells the window through the description the document
// holds: the file's display settings, and what the entities kept as read draw.
namespace host::dxf {
namespace {

using Eigen::Vector3d;

std::unique_ptr<model::Document> readText(const std::string& name, const std::string& sections) {
  const auto path = testing::scratchDirectory("description_" + name) / "drawing.dxf";
  testing::writeFile(path, sections + "0\nEOF\n");
  return readDxf(path);
}

std::string section(const std::string& name, const std::string& records) {
  return "0\nSECTION\n2\n" + name + "\n" + records + "0\nENDSEC\n";
}

const model::DrawingDescription& describedBy(const model::Document& document) {
  const model::DrawingDescription* description = model::descriptionOf(document);
  if (!description) throw std::runtime_error("the drawing read has no description");
  return *description;
}

TEST(DrawingDescription, ANewDrawingHasNone) {
  EXPECT_EQ(model::descriptionOf(model::Document()), nullptr);
}

struct HeaderCase {
  std::string name;
  std::string variable;  // the header's groups
  std::function<std::optional<double>(const model::DisplaySettings&)> read;
  std::optional<double> expected;
};

void PrintTo(const HeaderCase& c, std::ostream* os) {
  *os << c.name;
}

class DisplayHeader : public ::testing::TestWithParam<HeaderCase> {};

// A setting the window cannot use is not given, so that the window's default stands.
TEST_P(DisplayHeader, GivesWhatTheWindowCanUse) {
  const HeaderCase& c = GetParam();
  const auto document = readText(c.name, section("HEADER", c.variable));
  EXPECT_EQ(c.read(describedBy(*document).displaySettings(*document)), c.expected);
}

std::optional<double> lineTypeScale(const model::DisplaySettings& s) {
  return s.lineTypeScale;
}
std::optional<double> pointMode(const model::DisplaySettings& s) {
  return s.pointMode;
}
std::optional<double> pointSize(const model::DisplaySettings& s) {
  return s.pointSize;
}
std::optional<double> defaultLineWeight(const model::DisplaySettings& s) {
  return s.defaultLineWeight;
}
std::optional<double> lineWeightsShown(const model::DisplaySettings& s) {
  return s.lineWeightsShown;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, DisplayHeader,
    ::testing::Values(
        HeaderCase{"LineTypeScale", "9\n$LTSCALE\n40\n2.5\n", lineTypeScale, 2.5},
        HeaderCase{"NegativeLineTypeScale", "9\n$LTSCALE\n40\n-1\n", lineTypeScale, {}},
        HeaderCase{"NoHeader", "", lineTypeScale, {}},
        HeaderCase{"PointMode", "9\n$PDMODE\n70\n35\n", pointMode, 35},
        HeaderCase{"PointModeBeyondAByte", "9\n$PDMODE\n70\n291\n", pointMode, 35},
        HeaderCase{"PointSize", "9\n$PDSIZE\n40\n-5\n", pointSize, -5},
        HeaderCase{"HugePointSize", "9\n$PDSIZE\n40\n1e13\n", pointSize, 0},
        HeaderCase{"DefaultLineWeight", "9\n$LWDEFAULT\n370\n50\n", defaultLineWeight, 50},
        HeaderCase{"TooHeavyDefault", "9\n$LWDEFAULT\n370\n300\n", defaultLineWeight, {}},
        HeaderCase{"LineWeightsShown", "9\n$LWDISPLAY\n290\n1\n", lineWeightsShown, 1}),
    [](const auto& info) { return info.param.name; });

const std::string kTables =
    section("TABLES",
            "0\nTABLE\n2\nLTYPE\n"
            "0\nLTYPE\n2\nDASHED\n70\n0\n73\n2\n40\n0.75\n49\n0.5\n49\n-0.25\n"
            "0\nLTYPE\n2\nSOLIDDASH\n70\n0\n73\n1\n40\n1\n49\n1\n"  // no gap: continuous
            "0\nENDTAB\n"
            "0\nTABLE\n2\nLAYER\n"
            "0\nLAYER\n2\nWalls\n70\n0\n62\n1\n6\nDASHED\n370\n50\n420\n16744448\n"
            "0\nENDTAB\n");

TEST(DrawingDescription, LayersAndLineTypesAsTheTablesGiveThem) {
  const auto document = readText("tables", kTables);
  const model::DisplaySettings settings = describedBy(*document).displaySettings(*document);
  const auto walls = document->layers().find("Walls");
  ASSERT_TRUE(walls);
  ASSERT_LT(*walls, settings.layers.size());
  ASSERT_TRUE(settings.layers[*walls]);
  EXPECT_EQ(settings.layers[*walls]->lineType, "dashed");
  EXPECT_EQ(settings.layers[*walls]->lineWeight, 50);
  EXPECT_EQ(settings.layers[*walls]->trueColour, 0xFF8000u);
  EXPECT_FALSE(settings.layers[0]);  // layer 0 has no entry
  EXPECT_EQ(settings.lineTypes.at("dashed"), (std::vector<double>{0.5, -0.25}));
  EXPECT_FALSE(settings.lineTypes.contains("soliddash"));
}

TEST(DrawingDescription, ALayerColourGivenSinceReadingTakesThePlaceOfItsTrueColour) {
  auto document = readText("recoloured", kTables);
  const auto walls = document->layers().find("Walls");
  ASSERT_TRUE(walls);
  model::Layer layer = document->layers()[*walls];
  layer.colour = 3;
  document->setLayer(*walls, layer);
  const model::DisplaySettings settings = describedBy(*document).displaySettings(*document);
  ASSERT_TRUE(settings.layers[*walls]);
  EXPECT_FALSE(settings.layers[*walls]->trueColour);
  EXPECT_EQ(settings.layers[*walls]->lineType, "dashed");
}

const model::UnsupportedEntity& onlyKept(const model::Document& document) {
  const auto& entities = document.blocks()[model::BlockTable::kModelSpace].entities;
  if (entities.size() != 1) throw std::runtime_error("expected one entity");
  return std::get<model::UnsupportedEntity>(entities[0].data);
}

// Kept entities are drawn in world coordinates, placed by the block that holds them.
TEST(DrawingDescription, KeptSolidIsFilledInWorldCoordinates) {
  const auto document = readText(
      "solid", section("ENTITIES",
                       "0\nSOLID\n8\n0\n10\n0\n20\n0\n11\n4\n21\n0\n12\n0\n22\n2\n13\n4\n23\n2\n"));
  const auto& kept = onlyKept(*document);
  const Eigen::Affine3d shifted(Eigen::Translation3d(100.0, 200.0, 0.0));
  const auto drawn = describedBy(*document).keptDrawing(*document, kept, shifted, false);
  ASSERT_TRUE(drawn);
  ASSERT_EQ(drawn->shapes.areas.size(), 1u);
  ASSERT_EQ(drawn->shapes.areas[0].loops.size(), 1u);
  const auto& corners = drawn->shapes.areas[0].loops[0].points;
  const std::vector<Vector3d> expected{{100, 200, 0}, {104, 200, 0}, {104, 202, 0}, {100, 202, 0}};
  EXPECT_EQ(corners, expected);
  EXPECT_FALSE(describedBy(*document).inserts(kept));
}

struct KeptCase {
  std::string name;
  std::string entity;
  bool insideInsert = false;
  bool drawn = true;      // something comes back
  std::size_t texts = 0;  // of what comes back
};

void PrintTo(const KeptCase& c, std::ostream* os) {
  *os << c.name;
}

class KeptKinds : public ::testing::TestWithParam<KeptCase> {};

TEST_P(KeptKinds, DrawWhatTheirKindShows) {
  const KeptCase& c = GetParam();
  const auto document = readText(c.name, section("ENTITIES", c.entity));
  const auto drawn = describedBy(*document).keptDrawing(
      *document, onlyKept(*document), Eigen::Affine3d::Identity(), c.insideInsert);
  ASSERT_EQ(drawn.has_value(), c.drawn);
  if (drawn) {
    EXPECT_EQ(drawn->texts.size(), c.texts);
  }
}

const std::string kAttributeDefinition =
    "0\nATTDEF\n8\n0\n10\n1\n20\n2\n40\n2.5\n1\nvalue\n3\nPrompt\n2\nTAG\n70\n0\n";

INSTANTIATE_TEST_SUITE_P(
    Kinds, KeptKinds,
    ::testing::Values(
        KeptCase{"AttributeDefinitionShowsItsTag", kAttributeDefinition, false, true, 1},
        KeptCase{"AttributeDefinitionInAnInsertShowsNothing", kAttributeDefinition, true, true, 0},
        KeptCase{"TextWithoutAPlane",
                 "0\nTEXT\n8\n0\n10\n0\n20\n0\n40\n1\n1\nA\n72\n1\n11\n1\n21\n0\n210\n0\n220\n"
                 "0\n230\n0\n",
                 false, false, 0},
        KeptCase{"UnknownKind", "0\nWIPEOUT\n8\n0\n10\n0\n20\n0\n", false, false, 0}),
    [](const auto& info) { return info.param.name; });

struct FieldsCase {
  std::string name;
  model::RawGroups groups;
  std::size_t first = 0;
  int code = 0;
  double expected = 0.0;  // real(code, -1)
  std::size_t end = 0;
};

void PrintTo(const FieldsCase& c, std::ostream* os) {
  *os << c.name;
}

class KeptFields : public ::testing::TestWithParam<FieldsCase> {};

// A kept record never fails: a bad number reads as the fallback. The record ends at the next
// 0 group, and the first group of a code counts.
TEST_P(KeptFields, ReadAsTheFallbackWhereTheyCannot) {
  const FieldsCase& c = GetParam();
  const Fields fields(c.groups, c.first);
  EXPECT_EQ(fields.real(c.code, -1.0), c.expected);
  EXPECT_EQ(fields.end(), c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, KeptFields,
    ::testing::Values(
        FieldsCase{"Number", {{10, "2.5"}, {20, "3"}}, 0, 20, 3.0, 2},
        FieldsCase{"FirstOfACodeCounts", {{40, "1"}, {40, "2"}}, 0, 40, 1.0, 2},
        FieldsCase{"BadNumber", {{40, "1,5"}}, 0, 40, -1.0, 1},
        FieldsCase{"Missing", {{40, "1"}}, 0, 41, -1.0, 1},
        FieldsCase{"HighCode", {{420, "255"}}, 0, 420, 255.0, 1},
        FieldsCase{"EndsAtTheNextRecord",
                   {{0, "VERTEX"}, {10, "1"}, {0, "VERTEX"}, {10, "2"}},
                   2,
                   10,
                   2.0,
                   4},
        FieldsCase{"NextRecordIsNotRead", {{10, "1"}, {0, "VERTEX"}, {40, "2"}}, 0, 40, -1.0, 1}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace host::dxf
