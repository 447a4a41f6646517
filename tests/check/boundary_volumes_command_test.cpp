// `kestova check --against surface --volumes` on a LandXML design with boundaries, as a script
// meets it: the summary's volumes and squares read back as numbers.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "program_folder.h"

namespace check {
namespace {

// A flat design at level 100 over 20 by 20 m in squares of 10 m of two faces, within a square
// turned by 45 degrees about (10, 10), half diagonal 8: 128 m², less a void of 4 by 4 in its
// middle: 112 m². Northing before easting, as LandXML writes.
constexpr const char* kDesign = R"(<?xml version="1.0"?>
<LandXML>
 <Surfaces>
  <Surface name="Formation"><Definition surfType="TIN">
   <Pnts><P id="1">0 0 100</P><P id="2">0 10 100</P><P id="3">0 20 100</P>
    <P id="4">10 0 100</P><P id="5">10 10 100</P><P id="6">10 20 100</P>
    <P id="7">20 0 100</P><P id="8">20 10 100</P><P id="9">20 20 100</P></Pnts>
   <Faces><F>1 2 5</F><F>1 5 4</F><F>2 3 6</F><F>2 6 5</F>
    <F>4 5 8</F><F>4 8 7</F><F>5 6 9</F><F>5 9 8</F></Faces>
   <Boundaries>
    <Boundary bndType="outer"><PntList2D>2 10 10 18 18 10 10 2</PntList2D></Boundary>
    <Boundary bndType="void"><PntList2D>8 8 8 12 12 12 12 8</PntList2D></Boundary>
   </Boundaries>
  </Definition></Surface>
 </Surfaces>
</LandXML>
)";

// Shots 0.5 above the design, over 30 by 30 m around it.
constexpr const char* kShots = "A,-5,-5,100.5\nB,25,-5,100.5\nC,25,25,100.5\nD,-5,25,100.5\n";

class BoundaryVolumesCommand : public ProgramFolder {
 protected:
  BoundaryVolumesCommand() : ProgramFolder("check ") {}
};

// The numbers on the line of the summary that begins with `label`, after it.
std::vector<double> numbersAfter(const std::string& summary, const std::string& label) {
  const std::size_t at = summary.find("\n" + label + " ");
  if (at == std::string::npos) return {};
  const std::size_t from = at + 1 + label.size();
  std::istringstream line(summary.substr(from, summary.find('\n', from) - from));
  std::vector<double> numbers;
  for (double number; line >> number;) numbers.push_back(number);
  return numbers;
}

TEST_F(BoundaryVolumesCommand, TheVolumesAndSquaresCountTheDesignWithinItsBoundaries) {
  write("design.xml", kDesign);
  write("shots.csv", kShots);
  const ProgramRun result =
      run("design.xml shots.csv --against surface --volumes --grid 10 --decimals 2");
  ASSERT_NE(result.status, 2) << result.err << result.out;
  // cut, fill, net, area: 0.5 x 112 of fill.
  EXPECT_EQ(numbersAfter(result.out, "  all"), (std::vector<double>{0.0, 56.0, 56.0, 112.0}))
      << result.out;
  EXPECT_NE(result.out.find("Area compared: 112.00 of 900.00 surveyed\n"), std::string::npos)
      << result.out;
  // Each square of 10 holds a quarter of the region, by symmetry.
  ASSERT_NE(result.out.find("Squares of 10.00 (4)"), std::string::npos) << result.out;
  for (const char* corner : {"  0.00 0.00", "  10.00 0.00", "  0.00 10.00", "  10.00 10.00"}) {
    EXPECT_EQ(numbersAfter(result.out, corner), (std::vector<double>{0.0, 14.0, 14.0, 28.0}))
        << corner << "\n"
        << result.out;
  }
}

}  // namespace
}  // namespace check
