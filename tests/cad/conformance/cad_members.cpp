#include "cad/conformance/cad_members.h"

#include <sstream>
#include <stdexcept>

namespace conformance {
namespace {

std::string shown(const cad::Point3& p) {
  std::ostringstream text;
  text.precision(17);
  text << "(" << p.x() << ", " << p.y() << ", " << p.z() << ")";
  return text.str();
}

}  // namespace

void CadMembers::start(const StartingDrawing& drawing) {
  // A backend may serve one session at a time: the last one ends first.
  utility_.reset();
  modelSpace_.reset();
  session_.reset();
  session_ = GetParam().start(drawing);
  if (!session_ || !session_->document)
    throw std::runtime_error(GetParam().name + " did not start");
  modelSpace_ = session_->document->ModelSpace();
  utility_ = session_->document->Utility();
}

void CadMembers::requireModelled(bool Models::*what, const char* description) {
  if (!(GetParam().models.*what)) {
    GTEST_SKIP() << GetParam().name << " does not model " << description;
  }
}

testing::AssertionResult pointsNear(const char* actualText, const char* expectedText,
                                    const cad::Point3& actual, const cad::Point3& expected) {
  if ((actual - expected).cwiseAbs().maxCoeff() <= 1e-6) return testing::AssertionSuccess();
  return testing::AssertionFailure() << actualText << " is " << shown(actual) << ", "
                                     << expectedText << " is " << shown(expected);
}

cad::Matrix4 ucsMatrix(const cad::Point3& origin, const cad::Point3& xDir,
                       const cad::Point3& yDir) {
  cad::Matrix4 m = cad::Matrix4::Identity();
  m.block<3, 1>(0, 0) = xDir;
  m.block<3, 1>(0, 1) = yDir;
  m.block<3, 1>(0, 2) = xDir.cross(yDir);
  m.block<3, 1>(0, 3) = origin;
  return m;
}

testing::AssertionResult matricesNear(const char* actualText, const char* expectedText,
                                      const cad::Matrix4& actual, const cad::Matrix4& expected) {
  if ((actual - expected).cwiseAbs().maxCoeff() <= 1e-6) return testing::AssertionSuccess();
  std::ostringstream text;
  text << actualText << " is\n" << actual << "\n" << expectedText << " is\n" << expected;
  return testing::AssertionFailure() << text.str();
}

}  // namespace conformance
