#include <gtest/gtest.h>

#include "ezdxf_runner.h"
#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host_drawing.h"

// The drawing's units, length format and decimals are read, and what the user changed is what
// another program reads back, in a drawing built afresh and in one read from another program.
namespace host::dxf {
namespace {

const char* kShowUnits = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print(doc.header.get("$INSUNITS"), doc.header.get("$LUNITS"), doc.header.get("$LUPREC"))
)";

// Feet, architectural lengths, 2 decimals.
const std::string kForeignUnits =
    "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$INSUNITS\n70\n2\n9\n$LUNITS\n70\n4\n"
    "9\n$LUPREC\n70\n2\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n11\n1\n0\nENDSEC\n"
    "0\nEOF\n";

TEST(DxfUnits, AreReadFromTheHeader) {
  const auto directory = testing::scratchDirectory("units_read");
  testing::writeFile(directory / "in.dxf", kForeignUnits);
  const auto document = readDxf(directory / "in.dxf");
  EXPECT_EQ(document->header().insunits, 2);
  EXPECT_EQ(document->header().lunits, 4);
  EXPECT_EQ(document->header().luprec, 2);
}

TEST(DxfUnits, ChangedUnitsAreWhatAnotherProgramReadsBack) {
  const std::string interpreter = testing::ezdxfPython();
  if (interpreter.empty()) GTEST_SKIP() << "python3 with ezdxf is not installed";
  const auto directory = testing::scratchDirectory("units_written");
  testing::writeFile(directory / "in.dxf", kForeignUnits);
  testing::writeFile(directory / "show.py", kShowUnits);

  const auto unchanged = readDxf(directory / "in.dxf");
  saveDxf(*unchanged, directory / "unchanged.dxf");
  EXPECT_EQ(testing::runPython(interpreter, directory / "show.py", directory / "unchanged.dxf"),
            "2 4 2\n");

  auto changed = readDxf(directory / "in.dxf");
  model::HeaderVariables header = changed->header();
  header.insunits = 6;
  header.lunits = 2;
  header.luprec = 3;
  changed->setHeader(header);
  saveDxf(*changed, directory / "changed.dxf");
  EXPECT_EQ(testing::runPython(interpreter, directory / "show.py", directory / "changed.dxf"),
            "6 2 3\n");

  auto fresh = testing::hostDrawing();
  header = fresh->header();
  header.lunits = 3;
  fresh->setHeader(header);
  saveDxf(*fresh, directory / "fresh.dxf");
  EXPECT_EQ(testing::runPython(interpreter, directory / "show.py", directory / "fresh.dxf"),
            "6 3 3\n");
}

}  // namespace
}  // namespace host::dxf
