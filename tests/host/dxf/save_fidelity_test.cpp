#include <gtest/gtest.h>

#include <functional>

#include "ezdxf_runner.h"
#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host_drawing.h"

// What we save we read back as it was: every character of a text or a name, blocks whose
// names differ by a blank, the space of every entity, entities with records after them.
namespace host::dxf {
namespace {

using model::BlockTable;

const std::string kEntities = "0\nSECTION\n2\nENTITIES\n";
const std::string kEnd = "0\nENDSEC\n0\nEOF\n";

const std::vector<model::Entity>& space(const model::Document& document, model::BlockIndex block) {
  return document.blocks()[block].entities;
}

const model::Block& insertedBlock(const model::Document& document, const model::Entity& entity) {
  return document.blocks()[std::get<model::BlockReference>(entity.data).block];
}

struct FidelityCase {
  std::string name;
  std::string file;
  std::function<void(const model::Document&)> check;
};

void PrintTo(const FidelityCase& c, std::ostream* os) {
  *os << c.name;
}

class DxfSaveFidelity : public ::testing::TestWithParam<FidelityCase> {};

TEST_P(DxfSaveFidelity, ReadsBackAsItWasRead) {
  const FidelityCase& c = GetParam();
  const auto directory = testing::scratchDirectory("fidelity_" + c.name);
  testing::writeFile(directory / "in.dxf", c.file);
  const auto first = readDxf(directory / "in.dxf");
  {
    SCOPED_TRACE("as read");
    c.check(*first);
  }
  saveDxf(*first, directory / "out.dxf");
  const auto second = readDxf(directory / "out.dxf");
  SCOPED_TRACE("saved and read again");
  c.check(*second);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DxfSaveFidelity,
    ::testing::Values(
        FidelityCase{"text_with_nul", kEntities + "0\nTEXT\n40\n1\n1\na\\U+0000b\n" + kEnd,
                     [](const model::Document& d) {
                       EXPECT_EQ(std::get<model::Text>(space(d, 0).at(0).data).text,
                                 std::string("a\0b", 3));
                     }},
        FidelityCase{
            "block_named_line_feed",
            "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\n\\U+000A\n0\nPOINT\n0\nENDBLK\n0\nENDSEC\n" +
                kEntities + "0\nINSERT\n2\n\\U+000A\n" + kEnd,
            [](const model::Document& d) {
              const model::Block& block = insertedBlock(d, space(d, 0).at(0));
              EXPECT_EQ(block.name, "\n");
              EXPECT_EQ(block.entities.size(), 1u);
            }},
        FidelityCase{"layer_named_carriage_return",
                     "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\n\\U+000D\n62\n3\n"
                     "0\nENDTAB\n0\nENDSEC\n" +
                         kEntities + "0\nLINE\n8\n\\U+000D\n11\n1\n" + kEnd,
                     [](const model::Document& d) {
                       const model::Layer& layer = d.layers()[space(d, 0).at(0).layer];
                       EXPECT_EQ(layer.name, "\r");
                       EXPECT_EQ(layer.colour, 3);
                     }},
        FidelityCase{"blocks_apart_by_a_trailing_blank",
                     "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nA\n0\nPOINT\n0\nENDBLK\n0\nBLOCK\n2\n"
                     "A\\U+0020\n0\nLINE\n11\n1\n0\nENDBLK\n0\nENDSEC\n" +
                         kEntities + "0\nINSERT\n2\nA\\U+0020\n0\nINSERT\n2\nA\n" + kEnd,
                     [](const model::Document& d) {
                       const model::Block& padded = insertedBlock(d, space(d, 0).at(0));
                       const model::Block& plain = insertedBlock(d, space(d, 0).at(1));
                       EXPECT_EQ(padded.name, "A ");
                       EXPECT_EQ(plain.name, "A");
                       ASSERT_EQ(padded.entities.size(), 1u);
                       EXPECT_TRUE(std::holds_alternative<model::Line>(padded.entities[0].data));
                     }},
        FidelityCase{"names_with_blanks_at_both_ends",
                     "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\n"
                     "\\U+0020Walls\\U+0009\n0\nENDTAB\n0\nENDSEC\n" +
                         kEntities + "0\nPOINT\n8\n\\U+0020Walls\\U+0009\n" + kEnd,
                     [](const model::Document& d) {
                       EXPECT_EQ(d.layers()[space(d, 0).at(0).layer].name, " Walls\t");
                     }},
        FidelityCase{"text_that_looks_like_an_escape",
                     kEntities + "0\nTEXT\n40\n1\n1\n\\U+005CU+0041 \\U+005Cu+00e9\n" + kEnd,
                     [](const model::Document& d) {
                       EXPECT_EQ(std::get<model::Text>(space(d, 0).at(0).data).text,
                                 "\\U+0041 \\u+00e9");
                     }},
        FidelityCase{"text_whose_bytes_look_like_utf8",
                     kEntities + "0\nTEXT\n40\n1\n1\n\\U+00C3\\U+00A9\n" + kEnd,
                     [](const model::Document& d) {
                       EXPECT_EQ(std::get<model::Text>(space(d, 0).at(0).data).text, "Ã©");
                     }},
        FidelityCase{"multi_line_text_with_line_breaks",
                     kEntities + "0\nMTEXT\n40\n1\n3\n" + std::string(240, 'a') +
                         "\\U+000D\\U+000A\n1\nb\\U+0000\n" + kEnd,
                     [](const model::Document& d) {
                       EXPECT_EQ(std::get<model::MText>(space(d, 0).at(0).data).text,
                                 std::string(240, 'a') + "\r\nb" + std::string(1, '\0'));
                     }},
        // Membership of paper space is kept for entities this program does not model too, from
        // the ENTITIES section and from the *Paper_Space block alike.
        FidelityCase{
            "paper_space_kept_entities",
            "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\n*Paper_Space\n0\nSOLID\n10\n1\n0\nENDBLK\n"
            "0\nENDSEC\n" +
                kEntities + "0\nSOLID\n67\n1\n10\n2\n0\nSOLID\n10\n3\n" + kEnd,
            [](const model::Document& d) {
              EXPECT_EQ(space(d, BlockTable::kPaperSpace).size(), 2u);
              EXPECT_EQ(space(d, BlockTable::kModelSpace).size(), 1u);
            }},
        // An insert whose attributes end without SEQEND, and a stray attribute in paper space
        // that comes first: saved, the stray one came right after the insert's own.
        FidelityCase{
            "stray_attribute_after_an_insert_with_attributes",
            "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nPin\n0\nENDBLK\n0\nENDSEC\n" + kEntities +
                "0\nATTRIB\n67\n1\n1\nstray\n0\nINSERT\n66\n1\n2\nPin\n0\nATTRIB\n1\nown\n" + kEnd,
            [](const model::Document& d) {
              ASSERT_EQ(space(d, BlockTable::kModelSpace).size(), 1u);
              const auto& insert =
                  std::get<model::UnsupportedEntity>(space(d, BlockTable::kModelSpace)[0].data);
              EXPECT_EQ(std::ranges::count(insert.groups, model::RawGroups::Group{0, "ATTRIB"}), 1);
              ASSERT_EQ(space(d, BlockTable::kPaperSpace).size(), 1u);
              EXPECT_EQ(
                  std::get<model::UnsupportedEntity>(space(d, BlockTable::kPaperSpace)[0].data)
                      .type,
                  "ATTRIB");
            }}),
    [](const auto& info) { return info.param.name; });

// The same names and texts as the independent reader sees them (it leaves \U+XXXX escapes to
// its decode_dxf_unicode), each printed as the hexadecimal of its UTF-8. The inserts lie on
// layer 0: the independent reader refuses an insert on a layer whose name holds a backslash.
TEST(DxfSaveFidelity, IndependentReaderSeesTheSameNamesTextsAndSpaces) {
  const std::string interpreter = testing::ezdxfPython();
  if (interpreter.empty()) GTEST_SKIP() << "python3 with ezdxf is not installed";
  const std::vector<std::string> names = {"\n", "\r", "A", "A ", " Walls\t", "Ã©", "\\U+0041"};
  model::Document document;
  for (const std::string& name : names) {
    const model::LayerIndex layer = document.addLayer({name});
    const model::BlockIndex block = document.addBlock(name, Eigen::Vector3d::Zero());
    document.addEntity(block, model::Point{});
    document.addEntity(BlockTable::kModelSpace, model::BlockReference{block});
    model::Text text;
    text.text = name + std::string(1, '\0');
    document.addEntity(BlockTable::kPaperSpace, text, layer);
  }
  const auto directory = testing::scratchDirectory("fidelity_ezdxf");
  saveDxf(document, directory / "ours.dxf");
  testing::writeFile(directory / "show.py", R"(import sys, ezdxf
from ezdxf import decode_dxf_unicode as decoded
doc = ezdxf.readfile(sys.argv[1])
def show(kind, text):
    print(kind, decoded(text).encode("utf-8").hex())
for e in doc.modelspace():
    show("insert", e.dxf.name)
for e in doc.layout("Layout1"):
    show("layer", e.dxf.layer)
    show("text", e.dxf.text)
)");
  std::string expected;
  const auto hex = [](const std::string& text) {
    std::string out;
    for (unsigned char c : text)
      out += "0123456789abcdef"[c >> 4], out += "0123456789abcdef"[c & 15];
    return out;
  };
  for (const std::string& name : names) expected += "insert " + hex(name) + "\n";
  for (const std::string& name : names) {
    expected += "layer " + hex(name) + "\ntext " + hex(name + std::string(1, '\0')) + "\n";
  }
  EXPECT_EQ(testing::runPython(interpreter, directory / "show.py", directory / "ours.dxf"),
            expected);
}

}  // namespace
}  // namespace host::dxf
