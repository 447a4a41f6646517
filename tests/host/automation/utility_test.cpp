#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "host/automation/call_guard.h"
#include "host/automation/host_fixture.h"
#include "host/geom/vector_near.h"

namespace host {
namespace {

// A UCS turned a quarter about Z and moved: its X along world Y, its Y along world -X.
class UnderTurnedUcs : public HostFixture {
 protected:
  void SetUp() override {
    drawing->setCurrentUcs(
        model::Ucs{"", geom::Frame::fromDirections({100, 50, 0}, {0, 1, 0}, {-1, 0, 0})});
  }
  cad::Point3 translate(const cad::Point3& p, int from, int to, int displacement) {
    return utility->TranslateCoordinates(p, from, to, static_cast<std::int16_t>(displacement));
  }
};

TEST_F(UnderTurnedUcs, PointsMoveBetweenWorldAndUcs) {
  EXPECT_TRUE(vectorNear(translate({100, 51, 0}, cad::kWorld, cad::kUcs, 0), {1, 0, 0}));
  EXPECT_TRUE(vectorNear(translate({0, 1, 2}, cad::kUcs, cad::kWorld, 0), {99, 50, 2}));
  EXPECT_TRUE(vectorNear(translate({7, 8, 9}, cad::kWorld, cad::kWorld, 0), {7, 8, 9}));
  EXPECT_TRUE(vectorNear(translate({7, 8, 9}, cad::kUcs, cad::kUcs, 0), {7, 8, 9}));
}

TEST_F(UnderTurnedUcs, DisplacementsIgnoreTheOrigin) {
  // Survey minus design of (0.25, -0.1, 0) in the world reads (-0.1, -0.25, 0) in this UCS.
  EXPECT_TRUE(vectorNear(translate({0.25, -0.1, 0}, cad::kWorld, cad::kUcs, 1), {-0.1, -0.25, 0}));
  EXPECT_TRUE(vectorNear(translate({1, 0, 0}, cad::kUcs, cad::kWorld, 1), {0, 1, 0}));
  const auto a = translate({100.25, 49.9, 3}, cad::kWorld, cad::kUcs, 0);
  const auto b = translate({100, 50, 3}, cad::kWorld, cad::kUcs, 0);
  EXPECT_TRUE(vectorNear(a - b, {-0.1, -0.25, 0}));
}

TEST_F(UnderTurnedUcs, UnnamedUcsIsHandedOutAsActiveAndItsDeleteRemovesNothing) {
  document->UserCoordinateSystems()->Add({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, "Kept");
  EXPECT_EQ(std::get<std::string>(document->GetVariable("UCSNAME")), "");
  auto active = document->ActiveUCS();
  EXPECT_EQ(active->Name(), "_Active");
  EXPECT_TRUE(vectorNear(active->GetUCSMatrix().block<3, 1>(0, 0), {0, 1, 0}));
  EXPECT_TRUE(vectorNear(active->GetUCSMatrix().block<3, 1>(0, 3), {100, 50, 0}));
  active->Delete();
  EXPECT_EQ(drawing->ucsTable().size(), 1u);
  EXPECT_TRUE(vectorNear(std::get<cad::Point3>(document->GetVariable("UCSXDIR")), {0, 1, 0}));
}

TEST_F(HostFixture, WorldUcsIsUnnamed) {
  EXPECT_EQ(std::get<std::string>(document->GetVariable("UCSNAME")), "");
  EXPECT_TRUE(vectorNear(std::get<cad::Point3>(document->GetVariable("UCSORG")), {0, 0, 0}));
  EXPECT_TRUE(vectorNear(std::get<cad::Point3>(document->GetVariable("UCSYDIR")), {0, 1, 0}));
  EXPECT_EQ(std::get<std::int32_t>(document->GetVariable("luprec")), 4);
  EXPECT_EQ(document->ActiveUCS()->GetUCSMatrix(), Eigen::Matrix4d::Identity());
}

TEST_F(HostFixture, AddingAnExistingUcsNameRedefinesItAndObjectsFollowByName) {
  auto ucs = document->UserCoordinateSystems()->Add({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, "OriginalUCS");
  auto again =
      document->UserCoordinateSystems()->Add({5, 0, 0}, {5, 1, 0}, {4, 0, 0}, "originalucs");
  EXPECT_EQ(drawing->ucsTable().size(), 1u);
  EXPECT_EQ(again->Name(), "OriginalUCS");
  EXPECT_TRUE(vectorNear(ucs->GetUCSMatrix().block<3, 1>(0, 3), {5, 0, 0}));
  ucs->Delete();
  EXPECT_EQ(drawing->ucsTable().size(), 0u);
  EXPECT_THROW(again->GetUCSMatrix(), cad::AutomationError);
}

TEST_F(HostFixture, NamedCurrentUcsIsTheTableEntry) {
  const auto frame = geom::Frame::fromDirections({1, 2, 3}, {1, 0, 0}, {0, 0, 1});
  drawing->defineUcs("Site", frame);
  drawing->setCurrentUcs(model::Ucs{"Site", frame});
  auto active = document->ActiveUCS();
  EXPECT_EQ(active->Name(), "Site");
  active->Delete();
  EXPECT_EQ(drawing->ucsTable().size(), 0u);
}

TEST_F(HostFixture, GetPointAnswersFromTheSourceAndCancelFails) {
  points->push({1, 2, 3});
  points->pushCancel();
  EXPECT_TRUE(vectorNear(utility->GetPoint(std::nullopt, "Insert Point "), {1, 2, 3}));
  for (const char* prompt : {"Leader to Point ", "Again "}) {  // cancel entry, then empty queue
    try {
      utility->GetPoint(std::nullopt, prompt);
      FAIL() << "not cancelled";
    } catch (const cad::AutomationError& error) {
      EXPECT_EQ(error.number(), kMethodFailed);
      EXPECT_EQ(error.description(), "Point request cancelled");
    }
  }
  EXPECT_EQ(points->prompts(),
            (std::vector<std::string>{"Insert Point ", "Leader to Point ", "Again "}));
}

}  // namespace
}  // namespace host
