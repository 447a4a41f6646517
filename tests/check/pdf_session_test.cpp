// `kestova check --pdf` run by a script on a server: no display and no desktop session, so no
// XDG_RUNTIME_DIR either. Standard error stays free of Qt's warning about that, which would read
// like a fault of the check, and the temp folder is left as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "program_folder.h"

namespace check {
namespace {

constexpr const char* kSurface = R"(<?xml version="1.0"?>
<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2"><Surfaces>
 <Surface name="Formation"><Definition surfType="TIN">
  <Pnts><P id="1">0 0 10</P><P id="2">0 10 12</P><P id="3">10 10 14</P></Pnts>
  <Faces><F>1 2 3</F></Faces>
 </Definition></Surface>
</Surfaces></LandXML>
)";

// 100 m east from (0, 0).
constexpr const char* kRoad = R"(<?xml version="1.0"?>
<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2"><Alignments>
 <Alignment name="Road" staStart="0"><CoordGeom>
  <Line><Start>0 0</Start><End>0 100</End></Line>
 </CoordGeom></Alignment>
</Alignments></LandXML>
)";

class PdfWithoutSession : public ProgramFolder {
 protected:
  // The temp folder inside the test's folder, so that whatever the program leaves there is seen.
  PdfWithoutSession()
      : ProgramFolder("check ", std::string(kWithoutDisplay) + " -u XDG_RUNTIME_DIR TMPDIR=tmp") {}

  void SetUp() override {
    ProgramFolder::SetUp();
    std::filesystem::create_directory(folder / "tmp");
    write("design.csv", "P1,0,0,10\nP2,10,0,10\n");
    write("survey.csv", "P1,0.01,0,10\nP2,10,0,10.02\n");
    write("surface.xml", kSurface);
    write("shots.csv", "S1,2,6,11.6\n");
    write("road.xml", kRoad);
    write("kerb.csv", "K1,50,3.5,0\n");
  }
};

TEST_F(PdfWithoutSession, ThePdfReportsLeaveNoWarningAndNoRuntimeFolder) {
  for (const char* arguments : {"design.csv survey.csv", "surface.xml shots.csv --against surface",
                                "road.xml kerb.csv --against alignment"}) {
    SCOPED_TRACE(arguments);
    const ProgramRun result = run(std::string(arguments) + " --pdf out.pdf");
    // Within tolerance or not, the report is written.
    ASSERT_TRUE(result.status == 0 || result.status == 1) << result.status << result.err;
    EXPECT_TRUE(std::filesystem::exists(folder / "out.pdf"));
    EXPECT_EQ(result.err.find("XDG_RUNTIME_DIR"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("QStandardPaths"), std::string::npos) << result.err;
    EXPECT_TRUE(std::filesystem::is_empty(folder / "tmp"));
    std::filesystem::remove(folder / "out.pdf");
  }
}

}  // namespace
}  // namespace check
