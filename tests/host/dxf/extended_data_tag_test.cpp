// An entity's tag of extended data: written with the application registered, found again after
// a reading (from the kept record), and written once when a tagged entity of a file is tagged
// again, beside the extended data of other applications that it keeps.
#include <gtest/gtest.h>

#include "ezdxf_runner.h"
#include "host/dxf/extended_data.h"
#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host_drawing.h"

namespace host::dxf {
namespace {

constexpr const char* kDescribe = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print("registered" if doc.appids.has_entry("OURS") else "unregistered", len(doc.audit().errors))
for e in doc.modelspace():
    apps = sorted(e.xdata.data.keys()) if e.xdata else []
    print(e.dxftype(), apps, [(t.code, t.value) for t in e.get_xdata("OURS")] if e.has_xdata("OURS") else "-")
)";

constexpr model::BlockIndex kModel = model::BlockTable::kModelSpace;

void tag(model::Document& drawing, std::size_t index) {
  model::EntityProperties properties = drawing.blocks()[kModel].entities[index].properties.get();
  properties.tag = {"OURS", "drawn by us"};
  drawing.setEntityProperties({kModel, index}, properties);
}

TEST(ExtendedDataTag, IsWrittenRegisteredAndFoundAfterAReading) {
  const std::string python = testing::ezdxfPython();
  if (python.empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const auto directory = testing::scratchDirectory("extended_data_tag");
  testing::writeFile(directory / "describe.py", kDescribe);

  model::Document drawing;
  drawing.addEntity(kModel, model::Line{{0, 0, 0}, {1, 0, 0}});
  drawing.addEntity(kModel, model::Circle{{0, 0, 0}, 1.0});
  tag(drawing, 0);
  EXPECT_TRUE(hasExtendedData(drawing, drawing.blocks()[kModel].entities[0], "ours"));
  EXPECT_FALSE(hasExtendedData(drawing, drawing.blocks()[kModel].entities[1], "OURS"));
  saveDxf(drawing, directory / "tagged.dxf");
  EXPECT_EQ(testing::runPython(python, directory / "describe.py", directory / "tagged.dxf"),
            "registered 0\nLINE ['OURS'] [(1000, 'drawn by us')]\nCIRCLE [] -\n");

  // Read again, the tag lives in the kept record and is still found.
  const std::unique_ptr<model::Document> read = readDxf(directory / "tagged.dxf");
  const auto& entities = read->blocks()[kModel].entities;
  ASSERT_EQ(entities.size(), 2u);
  EXPECT_TRUE(hasExtendedData(*read, entities[0], "OURS"));
  EXPECT_FALSE(hasExtendedData(*read, entities[1], "OURS"));
  EXPECT_FALSE(hasExtendedData(*read, entities[0], "OTHER"));
}

TEST(ExtendedDataTag, TaggedAgainIsWrittenOnceBesideOtherApplications) {
  const std::string python = testing::ezdxfPython();
  if (python.empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const auto directory = testing::scratchDirectory("extended_data_tag_again");
  testing::writeFile(directory / "describe.py", kDescribe);
  testing::writeFile(directory / "make.py", R"(import sys, ezdxf
doc = ezdxf.new("R2010")
doc.appids.new("OURS")
doc.appids.new("THEIRS")
line = doc.modelspace().add_line((0, 0), (1, 0))
line.set_xdata("THEIRS", [(1000, "kept")])
line.set_xdata("OURS", [(1000, "old")])
doc.saveas(sys.argv[1])
)");
  testing::runPython(python, directory / "make.py", directory / "theirs.dxf");
  const std::unique_ptr<model::Document> read = readDxf(directory / "theirs.dxf");
  tag(*read, 0);
  saveDxf(*read, directory / "again.dxf");
  EXPECT_EQ(testing::runPython(python, directory / "describe.py", directory / "again.dxf"),
            "registered 0\nLINE ['OURS', 'THEIRS'] [(1000, 'drawn by us')]\n");
  // The name twice in the file: its APPID entry and the line's one 1001 group.
  const std::string file = testing::readFile(directory / "again.dxf");
  std::size_t named = 0;
  for (std::size_t at = file.find("\nOURS\n"); at != std::string::npos;
       at = file.find("\nOURS\n", at + 1)) {
    ++named;
  }
  EXPECT_EQ(named, 2u);
}

}  // namespace
}  // namespace host::dxf
