#include <gtest/gtest.h>

#include "host/dxf/reader.h"
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

}  // namespace
}  // namespace host::dxf
