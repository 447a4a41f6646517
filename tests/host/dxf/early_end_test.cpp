#include <gtest/gtest.h>

#include <algorithm>

#include "ezdxf_runner.h"
#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host_drawing.h"

// A drawing file cut off between two records (a copy stopped early, a disk that filled up)
// opens with everything before the cut, the user is told where it ends, and a save of it is a
// whole file again.
namespace host::dxf {
namespace {

// Four lines on a layer of its own, an insert, a 2D polyline of three vertices, one more line.
constexpr const char* kMakeDrawing = R"(import sys, ezdxf
doc = ezdxf.new("R2000")
doc.layers.add("Survey", color=3)
doc.blocks.new("Mark").add_circle((0, 0), 0.5)
msp = doc.modelspace()
for i in range(4):
    msp.add_line((i, 0), (i, 10), dxfattribs={"layer": "Survey"})
msp.add_blockref("Mark", (5, 5))
msp.add_polyline2d([(0, 0), (1, 1), (2, 0)])
msp.add_line((9, 0), (9, 10))
doc.saveas(sys.argv[1])
)";

// The model space as another reader sees it, and whether the file holds any fault.
constexpr const char* kDescribe = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
types = [e.dxftype() + (str(len(e.vertices)) if e.dxftype() == "POLYLINE" else "")
         for e in doc.modelspace()]
print(" ".join(types), "| audit", len(doc.audit().errors))
)";

// `text` up to the `nth` record (from 1) of `type`: the lines before its 0 group.
std::string cutBefore(const std::string& text, const std::string& type, int nth) {
  std::size_t at = 0;
  std::size_t lineStart = 0;
  std::string previous;
  for (std::size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
    const std::string line = text.substr(at, end - at);
    const bool zeroGroup = previous.find_first_not_of(' ') != std::string::npos &&
                           previous.substr(previous.find_first_not_of(' ')) == "0";
    if (zeroGroup && line == type && --nth == 0) return text.substr(0, lineStart);
    lineStart = at;
    previous = line;
  }
  ADD_FAILURE() << "no record " << type;
  return text;
}

std::size_t linesOf(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

std::string earlyEnd(std::size_t line) {
  return "the file ends early after line " + std::to_string(line) + ": what follows is missing";
}

struct Cut {
  std::string name;
  std::string type;  // the record the file stops before
  int nth;
  std::string described;  // the saved drawing's model space, as ezdxf reads it
};

void PrintTo(const Cut& c, std::ostream* os) {
  *os << c.name;
}

class DxfEarlyEnd : public ::testing::TestWithParam<Cut> {};

TEST_P(DxfEarlyEnd, OpensWithWhatWasReadAndSavesAWholeFile) {
  const std::string python = testing::ezdxfPython();
  if (python.empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const Cut& c = GetParam();
  const auto directory = testing::scratchDirectory("early_end_" + c.name);
  testing::writeFile(directory / "make.py", kMakeDrawing);
  testing::writeFile(directory / "describe.py", kDescribe);
  testing::runPython(python, directory / "make.py", directory / "whole.dxf");
  const std::string cut = cutBefore(testing::readFile(directory / "whole.dxf"), c.type, c.nth);
  testing::writeFile(directory / "site.dxf", cut);

  const auto document = readDxf(directory / "site.dxf");
  EXPECT_EQ(readingWarnings(*document), std::vector<std::string>{earlyEnd(linesOf(cut))});

  saveDxf(*document, directory / "saved.dxf");
  EXPECT_EQ(testing::runPython(python, directory / "describe.py", directory / "saved.dxf"),
            c.described + " | audit 0\n");
  EXPECT_TRUE(readingWarnings(*readDxf(directory / "saved.dxf")).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, DxfEarlyEnd,
    ::testing::Values(Cut{"without_eof", "EOF", 1, "LINE LINE LINE LINE INSERT POLYLINE3 LINE"},
                      // Before the sixth section, the objects.
                      Cut{"without_objects", "SECTION", 6,
                          "LINE LINE LINE LINE INSERT POLYLINE3 LINE"},
                      Cut{"inside_the_entities", "LINE", 3, "LINE LINE"},
                      Cut{"inside_a_polyline", "SEQEND", 1, "LINE LINE LINE LINE INSERT POLYLINE3"},
                      Cut{"between_vertices", "VERTEX", 3, "LINE LINE LINE LINE INSERT POLYLINE2"},
                      Cut{"inside_the_blocks", "ENDBLK", 2, ""},
                      Cut{"inside_the_tables", "LAYER", 3, ""}),
    [](const auto& info) { return info.param.name; });

// Small files written by hand: where the warning says the file ends, and what was read.
struct HandCut {
  std::string name;
  std::string content;
  std::size_t lastLine;
  std::size_t entities;
};

class DxfEarlyEndByHand : public ::testing::TestWithParam<HandCut> {};

TEST_P(DxfEarlyEndByHand, SaysWhereTheFileEnds) {
  const HandCut& c = GetParam();
  const auto path = testing::scratchDirectory("early_end_" + c.name) / "site.dxf";
  testing::writeFile(path, c.content);
  const auto document = readDxf(path);
  EXPECT_EQ(readingWarnings(*document), std::vector<std::string>{earlyEnd(c.lastLine)});
  EXPECT_EQ(document->blocks()[model::BlockTable::kModelSpace].entities.size(), c.entities);
}

const std::string kStart = "0\nSECTION\n2\nENTITIES\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, DxfEarlyEndByHand,
    ::testing::Values(HandCut{"missing_eof", kStart + "0\nENDSEC\n", 6, 0},
                      HandCut{"missing_endsec", kStart + "0\nLINE\n8\n0\n", 8, 1},
                      HandCut{"without_a_line_end", kStart + "0\nPOINT\n10\n1\n20\n2", 10, 1},
                      HandCut{"in_the_header", "0\nSECTION\n2\nHEADER\n9\n$LUPREC\n70\n4\n", 8, 0},
                      HandCut{"after_a_section_name", kStart, 4, 0},
                      HandCut{"after_a_section_record",
                              kStart + "0\nPOINT\n10\n1\n20\n2\n0\nENDSEC\n0\nSECTION\n", 14, 1}),
    [](const auto& info) { return info.param.name; });

TEST(DxfEarlyEndByHand, AFileReadWholeHasNoWarnings) {
  const auto path = testing::scratchDirectory("early_end_none") / "site.dxf";
  testing::writeFile(path, kStart + "0\nENDSEC\n0\nEOF\n");
  EXPECT_TRUE(readingWarnings(*readDxf(path)).empty());
  EXPECT_TRUE(readingWarnings(model::Document()).empty());
}

}  // namespace
}  // namespace host::dxf
