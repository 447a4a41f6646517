#include <gtest/gtest.h>

#include <algorithm>

#include "ezdxf_runner.h"
#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host/dxf/writer.h"
#include "host_drawing.h"

// What files of other programs carry besides the drawing itself: paper-space viewports and
// records of the programs' own settings, which a save must neither lose silently nor warn
// about for no reason.
namespace host::dxf {
namespace {

using model::BlockTable;

std::string dxf(std::initializer_list<const char*> groups) {
  std::string text;
  for (const char* group : groups) text += std::string(group) + "\n";
  return text;
}

const model::UnsupportedEntity& onlyPaperSpaceEntity(const model::Document& document) {
  const auto& entities = document.blocks()[BlockTable::kPaperSpace].entities;
  EXPECT_EQ(entities.size(), 1u);
  return std::get<model::UnsupportedEntity>(entities.at(0).data);
}

bool hasGroup(const model::UnsupportedEntity& entity, int code) {
  return std::ranges::any_of(entity.groups, [&](const auto& group) { return group.code == code; });
}

TEST(DxfForeignContent, RecordsOfTheOtherProgramsOwnSettingsAreNotReported) {
  const auto directory = testing::scratchDirectory("settings");
  testing::writeFile(
      directory / "in.dxf",
      dxf({"0", "SECTION", "2", "OBJECTS",
           // The named object dictionary.
           "0", "DICTIONARY", "5", "C", "330", "0", "100", "AcDbDictionary", "3",
           "ACAD_CIP_PREVIOUS_PRODUCT_INFO", "350", "D", "3", "ACAD_VISUALSTYLE", "350", "E", "3",
           "SURVEY_NOTES", "350", "20", "3", "ACAD_GROUP", "350", "30",
           // Settings of the other program: straight under the root, and in the extension
           // dictionary of a visual style.
           "0", "XRECORD", "5", "D", "330", "C", "100", "AcDbXrecord", "1", "product", "0",
           "DICTIONARY", "5", "E", "330", "C", "100", "AcDbDictionary", "3", "Flat", "350", "F",
           "0", "VISUALSTYLE", "5", "F", "102", "{ACAD_XDICTIONARY", "360", "10", "102", "}", "330",
           "E", "100", "AcDbVisualStyle", "2", "Flat", "0", "DICTIONARY", "5", "10", "330", "F",
           "100", "AcDbDictionary", "3", "ACAD_XREC_ROUNDTRIP", "360", "11", "0", "XRECORD", "5",
           "11", "330", "10", "100", "AcDbXrecord", "102", "RTVSPropertyOp0", "70", "1",
           // The user's: an application's notes, a group, data on an entity (2A).
           "0", "DICTIONARY", "5", "20", "330", "C", "100", "AcDbDictionary", "3", "Station", "350",
           "21", "0", "XRECORD", "5", "21", "330", "20", "100", "AcDbXrecord", "1", "note", "0",
           "DICTIONARY", "5", "30", "330", "C", "100", "AcDbDictionary", "3", "*A1", "350", "31",
           "0", "GROUP", "5", "31", "330", "30", "100", "AcDbGroup", "300", "walls", "70", "0",
           "71", "1", "0", "DICTIONARY", "5", "40", "330", "2A", "100", "AcDbDictionary", "3",
           "DATA", "360", "41", "0", "XRECORD", "5", "41", "330", "40", "100", "AcDbXrecord", "1",
           "levelled", "0", "ENDSEC", "0", "EOF"}));
  const auto document = readDxf(directory / "in.dxf");
  EXPECT_EQ(contentNotSaved(*document), (std::vector<std::string>{"1 GROUP", "2 XRECORD"}));
}

TEST(DxfForeignContent, OwnershipCycleInABrokenFileIsReportedNotFollowedForever) {
  const auto directory = testing::scratchDirectory("cycle");
  testing::writeFile(directory / "in.dxf",
                     dxf({"0", "SECTION", "2",   "OBJECTS", "0",   "DICTIONARY",
                          "5", "A",       "330", "B",       "100", "AcDbDictionary",
                          "3", "x",       "350", "B",       "0",   "XRECORD",
                          "5", "B",       "330", "A",       "100", "AcDbXrecord",
                          "0", "ENDSEC",  "0",   "EOF"}));
  EXPECT_EQ(contentNotSaved(*readDxf(directory / "in.dxf")),
            (std::vector<std::string>{"1 XRECORD"}));
}

// A paper-space viewport as release 2000 files hold it, with `references` after its view.
std::string viewportFile(std::initializer_list<const char*> references) {
  std::string text = dxf({"0",   "SECTION",
                          "2",   "TABLES",
                          "0",   "TABLE",
                          "2",   "LAYER",
                          "0",   "LAYER",
                          "5",   "2F",
                          "100", "AcDbSymbolTableRecord",
                          "100", "AcDbLayerTableRecord",
                          "2",   "Walls",
                          "70",  "0",
                          "62",  "7",
                          "0",   "ENDTAB",
                          "0",   "ENDSEC",
                          "0",   "SECTION",
                          "2",   "ENTITIES",
                          "0",   "VIEWPORT",
                          "5",   "32",
                          "330", "1B",
                          "100", "AcDbEntity",
                          "67",  "1",
                          "8",   "0",
                          "100", "AcDbViewport",
                          "10",  "100.0",
                          "20",  "80.0",
                          "30",  "0",
                          "40",  "150.0",
                          "41",  "100.0",
                          "68",  "1",
                          "69",  "3",
                          "12",  "0.5",
                          "22",  "0.5",
                          "45",  "3.0"});
  for (const char* group : references) text += std::string(group) + "\n";
  return text + dxf({"90", "0", "0", "ENDSEC", "0", "EOF"});
}

TEST(DxfForeignContent, ViewportIsKeptWithNullReferencesAndWithoutDisplayLinks) {
  const auto directory = testing::scratchDirectory("viewport");
  testing::writeFile(directory / "in.dxf", viewportFile({"331", "2F", "331", "99", "340", "0",
                                                         "345", "1F", "348", "44"}));
  const auto first = readDxf(directory / "in.dxf");
  EXPECT_TRUE(contentNotSaved(*first).empty());
  saveDxf(*first, directory / "out.dxf");

  const auto second = readDxf(directory / "out.dxf");
  const auto& viewport = onlyPaperSpaceEntity(*second);
  EXPECT_EQ(viewport.type, "VIEWPORT");
  // The frozen layer comes back as the same layer, the reference to no layer is gone.
  std::vector<model::RawGroups::Group> references;
  for (const auto& group : viewport.groups) {
    if (group.code >= 330 && group.code < 370) references.push_back(group);
  }
  EXPECT_EQ(references, (std::vector<model::RawGroups::Group>{{331, "Walls"}, {340, "0"}}));
  EXPECT_FALSE(hasGroup(viewport, 345));
  EXPECT_FALSE(hasGroup(viewport, 348));
}

TEST(DxfForeignContent, ClippedViewportIsReportedAndLeftOut) {
  const auto directory = testing::scratchDirectory("clipped");
  testing::writeFile(directory / "in.dxf", viewportFile({"340", "5A"}));
  const auto first = readDxf(directory / "in.dxf");
  EXPECT_EQ(contentNotSaved(*first), (std::vector<std::string>{"1 VIEWPORT"}));
  saveDxf(*first, directory / "out.dxf");
  EXPECT_TRUE(readDxf(directory / "out.dxf")->blocks()[BlockTable::kPaperSpace].entities.empty());
}

// A layout made by another program: its own overall viewport and one onto the model with a
// frozen layer. Saved by us, the independent reader finds both, unchanged.
TEST(DxfForeignContent, PaperSpaceViewportsSurviveASaveAsTheIndependentReaderSeesThem) {
  const std::string interpreter = testing::ezdxfPython();
  if (interpreter.empty()) GTEST_SKIP() << "python3 with ezdxf is not installed";
  const auto directory = testing::scratchDirectory("layout");
  testing::writeFile(directory / "make.py", R"(import sys, ezdxf
doc = ezdxf.new("R2000")
doc.layers.add("Walls")
doc.modelspace().add_line((0, 0), (1, 1), dxfattribs={"layer": "Walls"})
layout = doc.layout("Layout1")
layout.page_setup()
viewport = layout.add_viewport(center=(100, 80), size=(150, 100), view_center_point=(0.5, 0.5),
                               view_height=3)
viewport.frozen_layers = ["Walls"]
doc.saveas(sys.argv[1])
)");
  testing::writeFile(directory / "show.py", R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print("audit", len(doc.audit().errors))
for viewport in doc.layout("Layout1").query("VIEWPORT"):
    print("viewport", viewport.dxf.id, *viewport.dxf.center, viewport.dxf.width,
          viewport.dxf.height, *viewport.frozen_layers)
)");
  testing::runPython(interpreter, directory / "make.py", directory / "theirs.dxf");
  const auto document = readDxf(directory / "theirs.dxf");
  EXPECT_TRUE(contentNotSaved(*document).empty());
  saveDxf(*document, directory / "ours.dxf");
  const std::string theirs =
      testing::runPython(interpreter, directory / "show.py", directory / "theirs.dxf");
  const std::string ours =
      testing::runPython(interpreter, directory / "show.py", directory / "ours.dxf");
  EXPECT_NE(ours.find("audit 0\n"), std::string::npos) << ours;
  EXPECT_NE(ours.find("viewport 3 100.0 80.0 0.0 150.0 100.0 Walls\n"), std::string::npos) << ours;
  EXPECT_EQ(ours, theirs);
}

}  // namespace
}  // namespace host::dxf
