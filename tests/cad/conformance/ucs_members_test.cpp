// The current UCS, named UCSs, the system variables that describe them and the translation of
// points between the world and the UCS.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "cad/conformance/cad_members.h"

namespace conformance {
namespace {

const cad::Matrix4 kCurrentUcs = ucsMatrix(kUcsOrigin, kUcsXDir, kUcsYDir);

struct Translation {
  std::string name;
  cad::Point3 point;
  std::int32_t from;
  std::int32_t to;
  std::int16_t displacement;
  cad::Point3 expected;
};

// Under the starting drawing's UCS: X along world Y, Y along world -X, origin (100, 200, 5).
const std::vector<Translation> kTranslations = {
    {"world point to UCS", {100, 201, 5}, cad::kWorld, cad::kUcs, 0, {1, 0, 0}},
    {"UCS point to world", {0, 1, 2}, cad::kUcs, cad::kWorld, 0, {99, 200, 7}},
    {"world to world", {7, 8, 9}, cad::kWorld, cad::kWorld, 0, {7, 8, 9}},
    {"UCS to UCS", {7, 8, 9}, cad::kUcs, cad::kUcs, 0, {7, 8, 9}},
    // Survey minus design of (0.25, -0.1, 0) in the world reads (-0.1, -0.25, 0) in the UCS.
    {"world displacement to UCS", {0.25, -0.1, 0}, cad::kWorld, cad::kUcs, 1, {-0.1, -0.25, 0}},
    {"UCS displacement to world", {1, 0, 0}, cad::kUcs, cad::kWorld, 1, {0, 1, 0}},
};

// Moved here from the built-in host's utility tests (points and displacements under a turned
// UCS) and the Wine tests' pick tests (a displacement ignores the origin).
TEST_P(CadMembers, TranslateCoordinatesMovesPointsBetweenWorldAndUcs) {
  start();
  for (const Translation& t : kTranslations) {
    SCOPED_TRACE(t.name);
    EXPECT_POINT_NEAR(utility().TranslateCoordinates(t.point, t.from, t.to, t.displacement),
                      t.expected);
  }
}

// The variables describe the current UCS, named or not.
TEST_P(CadMembers, UcsVariablesDescribeTheCurrentUcs) {
  for (const std::string name : {"", "Site"}) {
    SCOPED_TRACE("UCS named \"" + name + "\"");
    start(withUcsNamed(name));
    EXPECT_EQ(std::get<std::string>(document().GetVariable("UCSNAME")), name);
    EXPECT_POINT_NEAR(std::get<cad::Point3>(document().GetVariable("UCSORG")), kUcsOrigin);
    EXPECT_POINT_NEAR(std::get<cad::Point3>(document().GetVariable("UCSXDIR")), kUcsXDir);
    EXPECT_POINT_NEAR(std::get<cad::Point3>(document().GetVariable("UCSYDIR")), kUcsYDir);
  }
}

TEST_P(CadMembers, AnUnknownVariableFails) {
  start();
  EXPECT_THROW(document().GetVariable("NOSUCHVAR"), cad::AutomationError);
}

// The active UCS maps its coordinates to the world: the axes as columns, the origin in column 3.
TEST_P(CadMembers, ActiveUcsIsTheCurrentUcsUnderItsNameOrAsActive) {
  for (const auto& [name, shownName] :
       std::vector<std::pair<std::string, std::string>>{{"", "_Active"}, {"Site", "Site"}}) {
    SCOPED_TRACE("UCS named \"" + name + "\"");
    start(withUcsNamed(name));
    const cad::Ref<cad::UCS> active = document().ActiveUCS();
    EXPECT_EQ(active->Name(), shownName);
    EXPECT_MATRIX_NEAR(active->GetUCSMatrix(), kCurrentUcs);
  }
}

// Moved here from the built-in host's utility tests.
TEST_P(CadMembers, DeletingTheUnnamedActiveUcsRemovesNothing) {
  start();
  const cad::Ref<cad::UCS> kept =
      document().UserCoordinateSystems()->Add({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, "Kept");
  document().ActiveUCS()->Delete();
  EXPECT_EQ(std::get<std::string>(document().GetVariable("UCSNAME")), "");
  EXPECT_POINT_NEAR(std::get<cad::Point3>(document().GetVariable("UCSXDIR")), kUcsXDir);
  EXPECT_MATRIX_NEAR(document().ActiveUCS()->GetUCSMatrix(), kCurrentUcs);
  EXPECT_EQ(kept->Name(), "Kept");
  EXPECT_MATRIX_NEAR(kept->GetUCSMatrix(), cad::Matrix4::Identity());
}

// A UCS turned out of the world XY plane and moved: X along world (1, 1, 0), Y along world Z.
// Moved here from the built-in host's placement tests.
TEST_P(CadMembers, AnAddedUcsHasTheAxesThroughItsPoints) {
  start();
  const cad::Point3 origin{10, 20, 5};
  const cad::Point3 x = cad::Point3(1, 1, 0).normalized();
  const cad::Point3 y = cad::Point3::UnitZ();
  const cad::Ref<cad::UCS> ucs =
      document().UserCoordinateSystems()->Add(origin, origin + 2.0 * x, origin + 3.0 * y, "Tilted");
  EXPECT_EQ(ucs->Name(), "Tilted");
  EXPECT_MATRIX_NEAR(ucs->GetUCSMatrix(), ucsMatrix(origin, x, y));
  // A Y point off the square: the Y axis is the square one in the plane of the three points.
  const cad::Ref<cad::UCS> skewed = document().UserCoordinateSystems()->Add(
      origin, origin + 2.0 * x, origin + 3.0 * y + 1.5 * x, "Skewed");
  EXPECT_MATRIX_NEAR(skewed->GetUCSMatrix(), ucsMatrix(origin, x, y));
}

// Moved here from the built-in host's utility tests (an existing name redefined, objects that
// follow by name, the named current UCS as the table's entry).
TEST_P(CadTableMembers, AUcsAddedUnderAnExistingNameRedefinesIt) {
  start(withUcsNamed("Site"));
  const cad::Ref<cad::UserCoordinateSystems> ucss = document().UserCoordinateSystems();
  const cad::Ref<cad::UCS> ucs = ucss->Add({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, "OriginalUCS");
  const cad::Ref<cad::UCS> again = ucss->Add({5, 0, 0}, {5, 1, 0}, {4, 0, 0}, "originalucs");
  EXPECT_EQ(again->Name(), "OriginalUCS");
  EXPECT_MATRIX_NEAR(ucs->GetUCSMatrix(), ucsMatrix({5, 0, 0}, {0, 1, 0}, {-1, 0, 0}));
  ucs->Delete();
  EXPECT_THROW(again->GetUCSMatrix(), cad::AutomationError) << "a deleted UCS answered";

  const cad::Ref<cad::UCS> active = document().ActiveUCS();
  ucss->Add({1, 2, 3}, {2, 2, 3}, {1, 3, 3}, "SITE");
  EXPECT_MATRIX_NEAR(active->GetUCSMatrix(), ucsMatrix({1, 2, 3}, {1, 0, 0}, {0, 1, 0}));
  active->Delete();
  EXPECT_THROW(active->Name(), cad::AutomationError) << "the current UCS stayed in the table";
}

}  // namespace
}  // namespace conformance
