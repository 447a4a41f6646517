#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "cad/conformance/cad_backend.h"

// The behaviour of every cad:: member, written once and run against each backend. A backend's
// test program instantiates the suites with INSTANTIATE_CAD_MEMBER_SUITES; a suite of what a
// backend does not model (Models) skips its tests and says why.
namespace conformance {

// Members every backend has: model space and its entities, the UCS, system variables and point
// requests.
class CadMembers : public testing::TestWithParam<Backend> {
 protected:
  // Starts a fresh application and document on `drawing`; each test calls it first, and again
  // to start afresh. Fails the test by throwing when the backend cannot start.
  void start(const StartingDrawing& drawing = {});

  cad::Document& document() const { return *session_->document; }
  cad::ModelSpace& modelSpace() const { return *modelSpace_; }
  cad::Utility& utility() const { return *utility_; }
  cad::Application& application() const { return *session_->application; }

  // Skips the test unless the backend models `what`.
  void requireModelled(bool Models::*what, const char* description);

 private:
  // Declared first, so that it goes after the objects it serves.
  std::unique_ptr<Session> session_;
  cad::Ref<cad::ModelSpace> modelSpace_;
  cad::Ref<cad::Utility> utility_;
};

// Layers, text styles, block definitions and an entity's layer.
class CadTableMembers : public CadMembers {
 protected:
  void SetUp() override { requireModelled(&Models::tables, "the drawing's tables"); }
};

// The Application object.
class CadApplicationMembers : public CadMembers {
 protected:
  void SetUp() override { requireModelled(&Models::application, "the Application object"); }
};

// Calls the CAD program refuses.
class CadRefusals : public CadMembers {
 protected:
  void SetUp() override { requireModelled(&Models::refusals, "refused calls"); }
};

// Whether two points agree to within a millionth of a unit.
testing::AssertionResult pointsNear(const char* actualText, const char* expectedText,
                                    const cad::Point3& actual, const cad::Point3& expected);

// The matrix that maps coordinates of the UCS with these axes to the world.
cad::Matrix4 ucsMatrix(const cad::Point3& origin, const cad::Point3& xDir, const cad::Point3& yDir);

// Whether two matrices agree to within a millionth, element by element.
testing::AssertionResult matricesNear(const char* actualText, const char* expectedText,
                                      const cad::Matrix4& actual, const cad::Matrix4& expected);

}  // namespace conformance

#define EXPECT_POINT_NEAR(actual, expected) \
  EXPECT_PRED_FORMAT2(::conformance::pointsNear, actual, expected)
#define EXPECT_MATRIX_NEAR(actual, expected) \
  EXPECT_PRED_FORMAT2(::conformance::matricesNear, actual, expected)

// Runs every member suite against `backend` (a conformance::Backend); once per backend.
#define INSTANTIATE_CAD_MEMBER_SUITES(prefix, backend)                                             \
  namespace conformance {                                                                          \
  const auto prefix##Name = [](const testing::TestParamInfo<Backend>& info) {                      \
    return info.param.name;                                                                        \
  };                                                                                               \
  INSTANTIATE_TEST_SUITE_P(prefix, CadMembers, testing::Values(backend), prefix##Name);            \
  INSTANTIATE_TEST_SUITE_P(prefix, CadTableMembers, testing::Values(backend), prefix##Name);       \
  INSTANTIATE_TEST_SUITE_P(prefix, CadApplicationMembers, testing::Values(backend), prefix##Name); \
  INSTANTIATE_TEST_SUITE_P(prefix, CadRefusals, testing::Values(backend), prefix##Name);           \
  }
