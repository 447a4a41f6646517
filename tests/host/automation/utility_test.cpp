#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "host/automation/call_guard.h"
#include "host/automation/host_fixture.h"
#include "host/geom/vector_near.h"

namespace host {
namespace {

// Translations under a turned UCS and the unnamed active UCS, which deleting leaves in place,
// are checked for every backend by the cad:: member suite (tests/cad/conformance/
// ucs_members_test.cpp), the built-in host included (host_backend.cpp).

TEST_F(HostFixture, WorldUcsIsUnnamed) {
  EXPECT_EQ(std::get<std::string>(document->GetVariable("UCSNAME")), "");
  EXPECT_TRUE(vectorNear(std::get<cad::Point3>(document->GetVariable("UCSORG")), {0, 0, 0}));
  EXPECT_TRUE(vectorNear(std::get<cad::Point3>(document->GetVariable("UCSYDIR")), {0, 1, 0}));
  EXPECT_EQ(std::get<std::int32_t>(document->GetVariable("luprec")), 4);
  EXPECT_EQ(document->ActiveUCS()->GetUCSMatrix(), Eigen::Matrix4d::Identity());
}

// A UCS added under an existing name, objects that follow by name and the named current UCS as
// the table's entry are checked for every backend that models the tables by the cad:: member
// suite (tests/cad/conformance/ucs_members_test.cpp).

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
