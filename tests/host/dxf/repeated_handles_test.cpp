#include <gtest/gtest.h>

#include "ezdxf_runner.h"
#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host/dxf/writer.h"
#include "host_drawing.h"

// Entities of a file that repeat each other's handles: the first to come keeps the handle, the
// others get fresh ones above every handle the file uses, and one save settles them.
namespace host::dxf {
namespace {

std::unique_ptr<model::Document> read(const std::string& name, const std::string& content) {
  const auto path = testing::scratchDirectory("repeated_handles_" + name) / "drawing.dxf";
  testing::writeFile(path, content);
  return readDxf(path);
}

std::string saved(const model::Document& document) {
  std::string text;
  DxfOutput out([&](std::string_view part) { text += part; });
  writeDxf(document, out, savedRelease(document));
  return text;
}

std::vector<model::Handle> handlesIn(const model::Document& document, const std::string& block) {
  std::vector<model::Handle> handles;
  for (const model::Entity& entity : document.blocks()[*document.blocks().find(block)].entities) {
    handles.push_back(entity.handle);
  }
  return handles;
}

std::string point(const char* handle) {
  return std::string("0\nPOINT\n5\n") + handle + "\n10\n0\n20\n0\n";
}

TEST(DxfRepeatedHandles, RepeatedHandlesAreReplacedAboveTheFilesOwnAndOneSaveSettlesThem) {
  const std::string points = point("20") + point("20") + point("21") + point("22");
  const std::string seed = "0\nSECTION\n2\nHEADER\n9\n$HANDSEED\n5\n30\n0\nENDSEC\n";
  const std::string entities = "0\nSECTION\n2\nENTITIES\n" + points + "0\nENDSEC\n";
  const std::string block =
      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n10\n0\n20\n0\n" + points + "0\nENDBLK\n0\nENDSEC\n";
  const std::string objects = "0\nSECTION\n2\nOBJECTS\n0\nDICTIONARY\n5\n40\n0\nENDSEC\n";
  const std::string end = "0\nEOF\n";
  const struct {
    const char* name;
    std::string file;
    std::string block;
    std::vector<model::Handle> handles;
  } cases[] = {
      {"model_space", seed + entities + end, "*Model_Space", {0x20, 0x30, 0x21, 0x22}},
      {"block", seed + block + end, "B", {0x20, 0x30, 0x21, 0x22}},
      // Without a handle seed, the objects further on in the file decide which handles are free.
      {"objects_after", entities + objects + end, "*Model_Space", {0x20, 0x41, 0x21, 0x22}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string firstSave = saved(*read(c.name, c.file));
    const auto reread = read(c.name, firstSave);
    EXPECT_EQ(handlesIn(*reread, c.block), c.handles);
    const std::string secondSave = saved(*reread);
    EXPECT_EQ(saved(*read(c.name, secondSave)), secondSave);
  }
}

// A drawing of another program, whole but for an entity repeating another's handle: only that
// entity gets a fresh handle; every table entry, block, layout, object and setting stays as
// read, with its handle, as ezdxf sees it, and a second and third save give the same bytes.
TEST(DxfRepeatedHandles, OnlyTheRepeatedHandleIsRenumberedInAnOtherwiseWholeDrawing) {
  const std::string python = testing::ezdxfPython();
  if (python.empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const auto directory = testing::scratchDirectory("repeated_handles_whole");
  testing::writeFile(directory / "make.py", R"(import sys, ezdxf
from pathlib import Path
doc = ezdxf.new("R2000", setup=True)
msp = doc.modelspace()
first = msp.add_line((0, 0), (1, 1))
second = msp.add_line((0, 1), (1, 2), dxfattribs={"color": 3})
msp.add_polyline3d([(0, 0, 0), (1, 1, 1), (2, 0, 1)])
doc.blocks.new("MARK").add_attdef("N", (0, 0))
msp.add_blockref("MARK", (5, 5)).add_auto_attribs({"N": "P1"})
doc.layouts.new("Sheet A3").add_circle((10, 10), 5)
doc.rootdict.add_new_dict("SURVEY").add_xrecord("DATUM").reset([(1, "grid")])
path = Path(sys.argv[1])
doc.saveas(path)
old = "LINE\n  5\n%s\n" % second.dxf.handle
text = path.read_text()
assert old in text
path.write_text(text.replace(old, "LINE\n  5\n%s\n" % first.dxf.handle))
)");
  testing::writeFile(directory / "describe.py", R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print(doc.layouts.names(), sorted(doc.rootdict.keys()), len(doc.objects))
for table in (doc.layers, doc.linetypes, doc.styles, doc.dimstyles, doc.appids, doc.viewports,
              doc.block_records):
    print([(entry.dxf.name, entry.dxf.handle) for entry in table])
for block in doc.blocks:
    print(block.name, block.block.dxf.handle, block.endblk.dxf.handle)
    for e in block:
        print(" ", e.dxftype(), e.dxf.handle, e.dxf.owner, e.dxf.color,
              [v.dxf.handle for v in (e.vertices if e.dxftype() == "POLYLINE" else [])],
              [a.dxf.handle for a in (e.attribs if e.dxftype() == "INSERT" else [])],
              getattr(e, "seqend", None) and e.seqend.dxf.handle)
print(doc.objects.query("XRECORD")[0].tags)
)");
  testing::runPython(python, directory / "make.py", directory / "drawn.dxf");
  saveDxf(*readDxf(directory / "drawn.dxf"), directory / "first.dxf");
  const std::string drawn =
      testing::runPython(python, directory / "describe.py", directory / "drawn.dxf");
  const std::string first =
      testing::runPython(python, directory / "describe.py", directory / "first.dxf");
  // The second line, of colour 3, is the one that repeats the handle; it gets the next free one.
  const auto repeated = drawn.find(" 256 [] [] None\n  LINE ");
  ASSERT_NE(repeated, std::string::npos) << drawn;
  const std::size_t handle = repeated + std::string(" 256 [] [] None\n  LINE ").size();
  const std::size_t handleEnd = drawn.find(' ', handle);
  EXPECT_EQ(first.substr(0, handle), drawn.substr(0, handle));
  EXPECT_EQ(first.substr(first.find(' ', handle)), drawn.substr(handleEnd));
  EXPECT_NE(first.substr(handle, first.find(' ', handle) - handle),
            drawn.substr(handle, handleEnd - handle));

  const std::string second =
      saved(*read("whole_second", testing::readFile(directory / "first.dxf")));
  EXPECT_EQ(saved(*read("whole_third", second)), second);
}

}  // namespace
}  // namespace host::dxf
