#include <gtest/gtest.h>

#include "ezdxf_runner.h"
#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host_drawing.h"

// A layer's state (off, frozen, locked) is read, changed and written back so that another
// program sees what the user set; the flags it does not model travel untouched.
namespace host::dxf {
namespace {

// Layer A is off, B frozen, C locked and referenced by a block (64), D all three.
const std::string kLayers =
    "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n4\n"
    "0\nLAYER\n2\nA\n70\n0\n62\n-3\n6\nCONTINUOUS\n"
    "0\nLAYER\n2\nB\n70\n1\n62\n4\n6\nCONTINUOUS\n"
    "0\nLAYER\n2\nC\n70\n68\n62\n5\n6\nCONTINUOUS\n"
    "0\nLAYER\n2\nD\n70\n5\n62\n-6\n6\nCONTINUOUS\n"
    "0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nA\n11\n1\n0\nENDSEC\n0\nEOF\n";

const char* kShowLayers = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
for name in ("A", "B", "C", "D", "New"):
    if name in doc.layers:
        layer = doc.layers.get(name)
        print(name, layer.is_on(), layer.is_frozen(), layer.is_locked(), layer.color,
              layer.dxf.flags & 64)
)";

struct LayerState {
  std::string name;
  bool on, frozen, locked;
  int colour;
};

void expectStates(const model::Document& document, const std::vector<LayerState>& states) {
  for (const LayerState& want : states) {
    SCOPED_TRACE(want.name);
    const auto index = document.layers().find(want.name);
    ASSERT_TRUE(index.has_value());
    const model::Layer& layer = document.layers()[*index];
    EXPECT_EQ(layer.on, want.on);
    EXPECT_EQ(layer.frozen, want.frozen);
    EXPECT_EQ(layer.locked, want.locked);
    EXPECT_EQ(layer.colour, want.colour);
  }
}

model::Layer& change(std::vector<model::Layer>& layers, model::Document& document,
                     const std::string& name) {
  return layers.at(*document.layers().find(name));
}

TEST(DxfLayerState, IsReadAsTheFileGivesIt) {
  const auto directory = testing::scratchDirectory("layer_state_read");
  testing::writeFile(directory / "in.dxf", kLayers);
  const auto document = readDxf(directory / "in.dxf");
  expectStates(*document, {{"A", false, false, false, 3},
                           {"B", true, true, false, 4},
                           {"C", true, false, true, 5},
                           {"D", false, true, true, 6}});
}

TEST(DxfLayerState, ChangedStatesAreWhatAnotherProgramReadsBack) {
  const std::string interpreter = testing::ezdxfPython();
  if (interpreter.empty()) GTEST_SKIP() << "python3 with ezdxf is not installed";
  const auto directory = testing::scratchDirectory("layer_state_written");
  testing::writeFile(directory / "in.dxf", kLayers);
  testing::writeFile(directory / "show.py", kShowLayers);
  auto document = readDxf(directory / "in.dxf");
  std::vector<model::Layer> layers = document->layers().all();
  change(layers, *document, "A").on = true;
  change(layers, *document, "B").frozen = false;
  change(layers, *document, "B").locked = true;
  change(layers, *document, "C").locked = false;
  change(layers, *document, "C").frozen = true;
  change(layers, *document, "D").colour = 2;
  for (std::size_t i = 0; i < layers.size(); ++i) {
    document->setLayer(static_cast<model::LayerIndex>(i), layers[i]);
  }
  model::Layer added{"New", 1};
  added.on = false;
  added.locked = true;
  document->addLayer(added);
  saveDxf(*document, directory / "out.dxf");

  EXPECT_EQ(testing::runPython(interpreter, directory / "show.py", directory / "out.dxf"),
            "A True False False 3 0\n"
            "B True False True 4 0\n"
            "C True True False 5 64\n"
            "D False True True 2 0\n"
            "New False False True 1 0\n");
  expectStates(
      *readDxf(directory / "out.dxf"),
      {{"A", true, false, false, 3}, {"C", true, true, false, 5}, {"New", false, false, true, 1}});
}

}  // namespace
}  // namespace host::dxf
