#pragma once

// Designs as a road designer's program hands them over in LandXML, shared by the tests of the
// checks against a surface and along an alignment.
namespace check::designs {

// Two faces over 10 by 10 m: ABC rises 0.2 per metre in x and in y, ACD 0.4 in x.
inline constexpr const char* kFormation = R"(<?xml version="1.0"?>
<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2">
 <Surfaces>
  <Surface name="Formation"><Definition surfType="TIN">
   <Pnts><P id="1">0 0 10</P><P id="2">0 10 12</P><P id="3">10 10 14</P><P id="4">10 0 10</P></Pnts>
   <Faces><F>1 2 3</F><F>1 3 4</F></Faces>
  </Definition></Surface>
 </Surfaces>
</LandXML>
)";

// 50 m east from (0, 0) from chainage 100, then a quarter circle of radius 20 to the left about
// (50, 20); levels rising 1 % from 10 at chainage 100.
inline constexpr const char* kKerbLine = R"(<?xml version="1.0"?>
<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2">
 <Alignments>
  <Alignment name="Kerb line" staStart="100">
   <CoordGeom>
    <Line><Start>0 0</Start><End>0 50</End></Line>
    <Curve rot="ccw" radius="20"><Start>0 50</Start><Center>20 50</Center><End>20 70</End></Curve>
   </CoordGeom>
   <Profile><ProfAlign name="Design"><PVI>100 10</PVI><PVI>200 11</PVI></ProfAlign></Profile>
  </Alignment>
 </Alignments>
</LandXML>
)";

// Shots along kKerbLine: kerbs 3.5 m either side, one shot on the curve 3.504 m outside it, one
// before the start. In the survey's order k1 comes before k2, though k2 lies at the smaller
// chainage.
inline constexpr const char* kKerbShots =
    "k1,20,3.48,10.22,KERB-L\n"
    "k2,10,-3.51,10.08,KERB-R\n"
    "a1,66.61984,3.38016,10.66,KERB-R\n"
    "x1,-5,0,10,CL\n";

}  // namespace check::designs
