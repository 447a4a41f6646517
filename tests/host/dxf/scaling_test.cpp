#include <gtest/gtest.h>

#include "heap_counter.h"
#include "host/dxf/reader.h"
#include "host_drawing.h"
#include "hostile_drawings.h"

// Loading stays linear in the size of a file whatever its structure, and a huge record costs
// little more than its text. Told by counting the heap a load takes, not by timing it.
namespace host::dxf {
namespace {

struct Shape {
  std::string name;
  std::string (*make)(std::size_t count);
};

void PrintTo(const Shape& shape, std::ostream* os) {
  *os << shape.name;
}

struct Load {
  std::size_t fileBytes = 0;
  testing::HeapFigures heap;
};

Load load(const std::string& name, const std::string& content) {
  const auto path = testing::scratchDirectory("scaling_" + name) / "drawing.dxf";
  testing::writeFile(path, content);
  testing::resetHeapFigures();
  readDxf(path);
  return {content.size(), testing::heapFigures()};
}

class DxfScaling : public ::testing::TestWithParam<Shape> {};

// Four times the file takes about four times the heap; a load that copies what it has read
// so far for every section or record it adds (quadratic) takes some sixteen times.
TEST_P(DxfScaling, FourTimesTheFileTakesAboutFourTimesTheHeap) {
  const Shape& shape = GetParam();
  constexpr std::size_t kCount = 2000;
  const Load small = load(shape.name, shape.make(kCount));
  const Load large = load(shape.name, shape.make(4 * kCount));
  EXPECT_LT(large.heap.taken, 6 * small.heap.taken)
      << small.heap.taken << " bytes for " << kCount << ", " << large.heap.taken << " for "
      << 4 * kCount;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, DxfScaling,
    ::testing::Values(Shape{"entities_sections", testing::manyEntitiesSections},
                      Shape{"objects_sections", testing::manyObjectsSections},
                      Shape{"ucss", testing::manyUcss}, Shape{"layers", testing::manyLayers},
                      Shape{"blocks", testing::manyBlocks},
                      Shape{"bare_records", testing::bareRecords}),
    [](const auto& info) { return info.param.name; });

TEST(DxfScaling, OneRecordOfAMillionGroupsTakesLessThanFourTimesTheFile) {
  const Load loaded = load("one_record", testing::oneRecordOfManyGroups(1000000));
  EXPECT_LT(loaded.heap.peak, 4 * loaded.fileBytes)
      << loaded.heap.peak << " bytes at most for a file of " << loaded.fileBytes;
}

// The smallest entities a file can list: the load takes the entities the drawing holds, with a
// little room to spare, and at most four times the file besides.
TEST(DxfScaling, BareRecordsTakeTheirEntitiesAndLessThanFourTimesTheFile) {
  constexpr std::size_t kCount = 1000000;
  const Load loaded = load("bare_records", testing::bareRecords(kCount));
  const std::size_t entities = kCount * sizeof(model::Entity);
  EXPECT_LT(loaded.heap.peak, 4 * loaded.fileBytes + entities + entities / 4)
      << loaded.heap.peak << " bytes at most for a file of " << loaded.fileBytes << " and "
      << kCount << " entities of " << sizeof(model::Entity) << " bytes";
}

}  // namespace
}  // namespace host::dxf
