#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ezdxf_runner.h"
#include "host/dxf/numbers.h"
#include "host/dxf/reader.h"
#include "host/dxf/record_splitter.h"
#include "host/dxf/save.h"
#include "host_drawing.h"

// Binary drawing files of another program, of every release: read as the text file of the same
// drawing is, and saved back binary unless a text file is asked for.
namespace host::dxf {
namespace {

// Writes the drawing of the release the file is named after, as text, and in binary form
// beside it ("R2013.dxf", "R2013-binary.dxf").
constexpr const char* kMakeDrawings = R"(import sys, ezdxf
ezdxf.options.write_fixed_meta_data_for_testing = True
path = sys.argv[1]
doc = ezdxf.new(path.rsplit("/", 1)[1][:-4])
doc.layers.add("Böschung", color=3)
doc.appids.new("SURVEY")
msp = doc.modelspace()
line = msp.add_line((2500000.5, 5600000.25), (2500010.125, 5600003.75), dxfattribs={"layer": "Böschung"})
line.set_xdata("SURVEY", [(1000, "stake 12"), (1040, 0.1), (1070, -3), (1071, 70000), (1004, b"\x01\xfe")])
if doc.dxfversion >= "AC1018":
    line.rgb = (200, 100, 50)
msp.add_text("Böschung", dxfattribs={"layer": "Böschung", "insert": (2500001.0, 5600001.0), "height": 0.25})
doc.saveas(path)
doc.saveas(path[:-4] + "-binary.dxf", fmt="bin")
)";

constexpr const char* kDescribe = R"(import sys, ezdxf
path = sys.argv[1]
binary = open(path, "rb").read(22) == b"AutoCAD Binary DXF\r\n\x1a\x00"
doc = ezdxf.readfile(path)
line = doc.modelspace().query("LINE")[0]
text = doc.modelspace().query("TEXT")[0]
print("binary" if binary else "text", doc.dxfversion, line.dxf.layer, line.dxf.start, line.dxf.end,
      line.dxf.get("true_color"), [(t.code, t.value) for t in line.get_xdata("SURVEY")],
      text.dxf.text, len(doc.audit().errors))
)";

// Every group of a file: code and value, reals as their bits.
std::vector<std::string> groupsOf(const std::filesystem::path& path) {
  RecordSplitter splitter(path);
  std::vector<std::string> groups;
  Record record;
  while (splitter.next(record)) {
    for (const Group& group : record) {
      std::string value(group.value);
      double real = 0.0;
      if (holdsReal(group.code) && parseReal(group.value, real)) {
        value = std::to_string(std::bit_cast<std::uint64_t>(real));
      }
      groups.push_back(std::to_string(group.code) + "=" + value);
    }
  }
  return groups;
}

bool isBinary(const std::filesystem::path& path) {
  return testing::readFile(path).starts_with(std::string("AutoCAD Binary DXF\r\n\x1a\0", 22));
}

TEST(BinaryDrawings, ReadAsTheirTextFormAndSavedBackBinary) {
  const std::string python = testing::ezdxfPython();
  if (python.empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const auto directory = testing::scratchDirectory("binary_drawings");
  testing::writeFile(directory / "make.py", kMakeDrawings);
  testing::writeFile(directory / "describe.py", kDescribe);
  const std::string xdata =
      "[(1000, 'stake 12'), (1040, 0.1), (1070, -3), (1071, 70000), "
      "(1004, b'\\x01\\xfe')] Böschung 0\n";
  const std::string line = " Böschung (2500000.5, 5600000.25, 0.0) (2500010.125, 5600003.75, 0.0) ";
  struct Case {
    const char* release;
    const char* saved;  // the release a save writes, and the true colour
  };
  const Case cases[] = {
      {"R12", "AC1015 None"},       {"R2000", "AC1015 None"},     {"R2004", "AC1018 13132850"},
      {"R2007", "AC1021 13132850"}, {"R2010", "AC1024 13132850"}, {"R2013", "AC1027 13132850"},
      {"R2018", "AC1032 13132850"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.release);
    const std::string release = c.release;
    const auto textFile = directory / (release + ".dxf");
    const auto binaryFile = directory / (release + "-binary.dxf");
    testing::runPython(python, directory / "make.py", textFile);
    ASSERT_TRUE(isBinary(binaryFile));

    // The same groups, the same values to the bit.
    EXPECT_EQ(groupsOf(binaryFile), groupsOf(textFile));
    // The same drawing: written as text, the two are the same file.
    const auto fromText = readDxf(textFile);
    const auto fromBinary = readDxf(binaryFile);
    SaveOptions asText;
    asText.form = FileForm::kText;
    saveDxf(*fromText, directory / "from-text.dxf", asText);
    saveDxf(*fromBinary, directory / "from-binary.dxf", asText);
    EXPECT_EQ(testing::readFile(directory / "from-binary.dxf"),
              testing::readFile(directory / "from-text.dxf"));

    // Saved back binary, in its own release (release 12 as release 2000).
    const auto saved = directory / "saved.dxf";
    saveDxf(*fromBinary, saved);
    const std::string savedRelease = std::string(c.saved).substr(0, 6);
    const std::string colour = std::string(c.saved).substr(7);
    EXPECT_EQ(testing::runPython(python, directory / "describe.py", saved),
              "binary " + savedRelease + line + colour + " " + xdata);
    // Saved in another release it stays binary, unless a text file is asked for.
    SaveOptions r2013;
    r2013.release = findRelease("R2013");
    saveDxf(*fromBinary, saved, r2013);
    EXPECT_TRUE(isBinary(saved));
    r2013.form = FileForm::kText;
    saveDxf(*fromBinary, saved, r2013);
    EXPECT_EQ(testing::runPython(python, directory / "describe.py", saved),
              "text AC1027" + line + colour + " " + xdata);
  }
}

// A drawing saved binary reads back as the drawing saved as text.
TEST(BinaryDrawings, OurOwnDrawingReadsBackFromBinary) {
  const auto directory = testing::scratchDirectory("own_binary");
  const auto document = testing::hostDrawing();
  SaveOptions asBinary;
  asBinary.form = FileForm::kBinary;
  saveDxf(*document, directory / "binary.dxf", asBinary);
  saveDxf(*document, directory / "text.dxf");
  ASSERT_TRUE(isBinary(directory / "binary.dxf"));
  EXPECT_EQ(groupsOf(directory / "binary.dxf"), groupsOf(directory / "text.dxf"));
}

}  // namespace
}  // namespace host::dxf
