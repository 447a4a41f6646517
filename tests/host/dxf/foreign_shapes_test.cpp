#include <gtest/gtest.h>

#include <functional>

#include "ezdxf_runner.h"
#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host/dxf/source_drawing.h"
#include "host/dxf/writer.h"
#include "host_drawing.h"

// Shapes of drawings other programs write, opened and saved (changed or not), then read back
// by ezdxf: each comes back as its author made it, as every reader sees it.
namespace host::dxf {
namespace {

// Writes the drawing with ezdxf to sys.argv[1], then patches its text into the shape.
constexpr const char* kPatch = R"(
def patched(old, new, encoding="cp1252"):
    path = Path(sys.argv[1])
    doc.saveas(path)
    text = path.read_text(encoding=encoding)
    assert old in text, old
    path.write_text(text.replace(old, new), encoding=encoding)
)";

struct ShapeCase {
  const char* name;
  const char* make;      // after "import sys, ezdxf" and kPatch
  const char* describe;  // after "import sys, ezdxf; doc = ezdxf.readfile(sys.argv[1])"
  const char* described;
  std::function<void(model::Document&)> edit;  // before saving; none when empty
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
  *os << c.name;
}

// Gives the first entity of model space another colour, so that it is written anew.
void recolourFirstEntity(model::Document& document) {
  const model::EntityLocation first{model::BlockTable::kModelSpace, 0};
  model::EntityProperties properties = document.entity(first).properties.get();
  properties.colour = {5, std::nullopt};
  document.setEntityProperties(first, properties);
}

// An entity of another program with only a 230 group for its extrusion, mirrored: its X and
// Y are 0, so it lies mirrored in the world, the centre's X turned round.
constexpr const char* kMirroredEntities = R"(msp = doc.modelspace()
msp.add_circle((3, 4), 1, dxfattribs={"extrusion": (0, 0, -1)})
msp.add_arc((5, 1), 2, 0, 90, dxfattribs={"extrusion": (0, 0, -1)})
full = "210\n0.0\n220\n0.0\n230\n-1.0\n"
path = Path(sys.argv[1])
doc.saveas(path)
text = path.read_text(encoding="cp1252")
assert text.count(full) == 2
path.write_text(text.replace(full, "230\n-1.0\n"), encoding="cp1252")
)";

constexpr const char* kWorldCentres = R"(for e in doc.modelspace():
    print(e.dxftype(), e.ocs().to_wcs(e.dxf.center).round(9), e.dxf.extrusion)
)";

constexpr const char* kMirroredDescribed =
    "CIRCLE (-3.0, 4.0, 0.0) (0.0, 0.0, -1.0)\nARC (-5.0, 1.0, 0.0) (0.0, 0.0, -1.0)\n";

const ShapeCase kCases[] = {
    {"layer_true_colour_of_release_2000",
     R"(doc = ezdxf.new("R2000")
doc.layers.add("AXES", color=5)
doc.modelspace().add_line((0, 0), (1, 1), dxfattribs={"layer": "AXES"})
patched("AXES\n 70\n0\n 62\n5\n", "AXES\n 70\n0\n 62\n5\n420\n2003199\n")
)",
     R"(layer = doc.layers.get("AXES")
print(doc.dxfversion, layer.dxf.color, layer.dxf.get("true_color"))
)",
     "AC1015 5 2003199\n",
     {}},
    {"layer_true_colour_of_release_2000_with_a_changed_entity",
     R"(doc = ezdxf.new("R2000")
doc.layers.add("AXES", color=5)
doc.modelspace().add_line((0, 0), (1, 1), dxfattribs={"layer": "AXES"})
patched("AXES\n 70\n0\n 62\n5\n", "AXES\n 70\n0\n 62\n5\n420\n2003199\n")
)",
     R"(layer = doc.layers.get("AXES")
print(doc.dxfversion, layer.dxf.color, layer.dxf.get("true_color"))
)",
     "AC1015 5 2003199\n", recolourFirstEntity},
    {"empty_dollar_space_blocks_of_release_2013",
     R"(doc = ezdxf.new("R2013")
doc.blocks.new("$MODEL_SPACE")
doc.blocks.new("$PAPER_SPACE")
doc.modelspace().add_line((0, 0), (1, 1))
doc.saveas(sys.argv[1])
)",
     R"(for name in ("$MODEL_SPACE", "$PAPER_SPACE"):
    b = doc.blocks.get(name)
    print(name, b.block.dxf.handle, b.endblk.dxf.handle, b.block_record_handle)
print(len(doc.modelspace()))
)",
     "$MODEL_SPACE 30 31 2F\n$PAPER_SPACE 33 34 32\n1\n",
     {}},
    {"extrusion_by_230_alone",
     R"(doc = ezdxf.new("R2000")
)"
     "%MIRRORED%",
     kWorldCentres,
     kMirroredDescribed,
     {}},
    {"extrusion_by_230_alone_in_release_12",
     R"(doc = ezdxf.new("R12")
)"
     "%MIRRORED%",
     kWorldCentres,
     kMirroredDescribed,
     {}},
    {"extrusion_by_230_alone_written_anew",
     R"(doc = ezdxf.new("R2000")
)"
     "%MIRRORED%",
     kWorldCentres, kMirroredDescribed, recolourFirstEntity},
    // A drawing of release 12 is built afresh on saving; its settings stay as read, also
    // those beyond what this program shows (8 decimals at most).
    {"settings_of_a_rebuilt_drawing",
     R"(doc = ezdxf.new("R12")
doc.modelspace().add_point((1, 2))
patched("$LUPREC\n 70\n4\n", "$LUPREC\n 70\n10\n")
)",
     "print(doc.dxfversion, doc.header[\"$LUPREC\"])\n",
     "AC1015 10\n",
     {}},
    // An entity without a handle has the drawing built afresh: a dimension style's text style
    // and arrow block are its references to other entries, which get handles of their own.
    {"dimension_style_references_of_a_rebuilt_drawing",
     R"(doc = ezdxf.new("R2000", setup=True)
doc.dimstyles.new("SURVEY", dxfattribs={"dimtxsty": "OpenSans", "dimblk": "OPEN"})
line = doc.modelspace().add_line((0, 0), (1, 1))
patched("LINE\n  5\n%s\n" % line.dxf.handle, "LINE\n")
)",
     "style = doc.dimstyles.get(\"SURVEY\")\nprint(style.dxf.dimtxsty, style.dxf.dimblk)\n",
     "OpenSans _OPEN\n",
     {}},
    {"block_record_without_its_block_in_a_rebuilt_drawing",
     R"py(import re
doc = ezdxf.new("R2000")
doc.blocks.new("ORPHAN").add_line((0, 0), (1, 0))
line = doc.modelspace().add_line((0, 0), (1, 1))
doc.saveas(sys.argv[1])
text = Path(sys.argv[1]).read_text().replace("LINE\n  5\n%s\n" % line.dxf.handle, "LINE\n")
block = r"  0\nBLOCK\n(?:(?!  0\nENDBLK\n).)*?  2\nORPHAN\n.*?  0\nENDBLK\n.*?(?=  0\n)"
Path(sys.argv[1]).write_text(re.sub(block, "", text, count=1, flags=re.S))
)py",
     "print([record.dxf.name for record in doc.block_records], len(doc.audit().errors))\n",
     "['*Model_Space', '*Paper_Space', 'ORPHAN'] 0\n",
     {}},
    // Layer names in UTF-8 in a file whose header gives the code page Windows-1252: an entity
    // written anew names its layer with the bytes of the layer's entry.
    {"utf8_layer_names_of_a_code_page_file",
     R"(doc = ezdxf.new("R2004")
doc.layers.add("Böschung", color=3)
doc.modelspace().add_circle((0, 0), 1, dxfattribs={"layer": "Böschung"})
doc.modelspace().add_line((0, 0), (1, 1), dxfattribs={"layer": "Böschung"})
doc.saveas(sys.argv[1], encoding="utf-8")
)",
     R"(print(doc.header["$DWGCODEPAGE"])
for e in doc.modelspace():
    print(e.dxftype(), e.dxf.color, e.dxf.layer in doc.layers)
data = Path(sys.argv[1]).read_bytes()
print(data.count("Böschung".encode("utf-8")), data.count("Böschung".encode("cp1252")))
)",
     "ANSI_1252\nCIRCLE 5 True\nLINE 256 True\n3 0\n", recolourFirstEntity},
};

std::string withMirrored(std::string make) {
  const std::string marker = "%MIRRORED%";
  if (const auto at = make.find(marker); at != std::string::npos) {
    make.replace(at, marker.size(), kMirroredEntities);
  }
  return make;
}

class DxfForeignShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(DxfForeignShapes, ComeBackAsOtherProgramsReadThem) {
  const ShapeCase& c = GetParam();
  const std::string python = testing::ezdxfPython();
  if (python.empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const auto directory = testing::scratchDirectory(std::string("shape_") + c.name);
  testing::writeFile(directory / "make.py", std::string("import sys, ezdxf\nfrom pathlib import "
                                                        "Path\ndoc = None\n") +
                                                kPatch + withMirrored(c.make));
  testing::writeFile(directory / "describe.py",
                     std::string("import sys, ezdxf\nfrom pathlib import Path\n"
                                 "doc = ezdxf.readfile(sys.argv[1])\n") +
                         c.describe);
  testing::runPython(python, directory / "make.py", directory / "drawn.dxf");
  const auto document = readDxf(directory / "drawn.dxf");
  if (c.edit) c.edit(*document);
  EXPECT_TRUE(contentNotSaved(*document).empty());
  saveDxf(*document, directory / "saved.dxf");
  EXPECT_EQ(testing::runPython(python, directory / "describe.py", directory / "saved.dxf"),
            c.described);
  // A second save of what was saved changes nothing more.
  const auto saved = readDxf(directory / "saved.dxf");
  saveDxf(*saved, directory / "again.dxf");
  EXPECT_EQ(testing::runPython(python, directory / "describe.py", directory / "again.dxf"),
            c.described);
}

INSTANTIATE_TEST_SUITE_P(Cases, DxfForeignShapes, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A file whose names contradict the code page its header gives says so once, naming the
// first such name; one that keeps to it says nothing.
TEST(DxfForeignShapes, NamesNotInTheirCodePageAreToldOnce) {
  struct Case {
    const char* name;
    const char* layers;  // LAYER entries
    const char* warning;
  };
  const Case cases[] = {
      {"utf8", "0\nLAYER\n2\nB\xc3\xb6schung\n70\n0\n62\n3\n0\nLAYER\n2\nGel\xc3\xa4nde\n",
       "The text of LAYER \"B\xc3\xb6schung\" and of 1 more names does not match the code page "
       "ANSI_1252 of the file: read as UTF-8"},
      {"code_page", "0\nLAYER\n2\nB\xf6schung\n70\n0\n62\n3\n", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto directory = testing::scratchDirectory(std::string("code_page_") + c.name);
    testing::writeFile(directory / "in.dxf",
                       std::string("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1018\n9\n"
                                   "$DWGCODEPAGE\n3\nANSI_1252\n0\nENDSEC\n0\nSECTION\n2\nTABLES\n"
                                   "0\nTABLE\n2\nLAYER\n") +
                           c.layers + "0\nENDTAB\n0\nENDSEC\n0\nEOF\n");
    const auto document = readDxf(directory / "in.dxf");
    const std::vector<std::string> expected =
        c.warning ? std::vector<std::string>{c.warning} : std::vector<std::string>{};
    EXPECT_EQ(sourceOf(*document)->warnings, expected);
  }
}

// Entities this program does not model are kept once: where the document's groups give their
// records back as read, no record is kept beside them, and they come back all the same.
TEST(DxfForeignShapes, EntitiesTheDocumentDoesNotModelAreKeptOnce) {
  const std::string python = testing::ezdxfPython();
  if (python.empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const auto directory = testing::scratchDirectory("kept_once");
  testing::writeFile(directory / "make.py", R"(import sys, ezdxf
doc = ezdxf.new("R2000")
doc.appids.new("SURVEY")
msp = doc.modelspace()
msp.add_spline([(0, 0), (10, 15), (25, 5), (40, 20)], dxfattribs={"color": 3})
msp.add_solid([(0, 0), (1, 0), (0, 1)]).set_xdata("SURVEY", [(1000, "kept")])
msp.add_xline((0, 0), (1, 1))
hatch = msp.add_hatch(color=4)
hatch.paths.add_polyline_path([(0, 0), (8, 0), (8, 5)], is_closed=True)
doc.layouts.get("Layout1").add_solid([(0, 0), (1, 0), (0, 1)])  # its record flags paper space
msp.add_line((0, 0), (1, 1)).new_extension_dict()  # a record with application data
doc.saveas(sys.argv[1])
)");
  testing::writeFile(directory / "describe.py", R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
for layout in (doc.modelspace(), doc.layouts.get("Layout1")):
    for e in layout:
        print(e.dxftype(), sorted(e.dxfattribs().items()), e.get_xdata("SURVEY") if e.has_xdata("SURVEY") else None)
        if e.dxftype() == "HATCH":
            print(e.paths.paths[0].vertices)
)");
  testing::runPython(python, directory / "make.py", directory / "drawn.dxf");
  const auto document = readDxf(directory / "drawn.dxf");
  // The paper-space solid and the line with its extension dictionary.
  EXPECT_EQ(sourceOf(*document)->entities.size(), 2u);
  saveDxf(*document, directory / "saved.dxf");
  EXPECT_EQ(testing::runPython(python, directory / "describe.py", directory / "saved.dxf"),
            testing::runPython(python, directory / "describe.py", directory / "drawn.dxf"));
}

}  // namespace
}  // namespace host::dxf
