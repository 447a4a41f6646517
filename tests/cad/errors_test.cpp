#include <gtest/gtest.h>

#include <limits>

#include "cad/arithmetic.h"
#include "cad/automation_error.h"
#include "cad/ref.h"

namespace {

long errorNumberOf(const auto& action) {
  try {
    action();
  } catch (const cad::AutomationError& e) {
    return e.number();
  }
  return 0;
}

TEST(Ref, CallThroughAnEmptyReferenceIsError91) {
  struct Thing {
    int answer() { return 42; }
  };
  cad::Ref<Thing> empty;
  EXPECT_EQ(errorNumberOf([&] { empty->answer(); }), 91);
  cad::Ref<Thing> full(std::make_shared<Thing>());
  EXPECT_EQ(full->answer(), 42);
}

TEST(CheckedArithmetic, FaultsCarryTheirNumbers) {
  const double huge = std::numeric_limits<double>::max();
  EXPECT_EQ(errorNumberOf([] { cad::checkedDivide(0.0, 0.0); }), 6);
  EXPECT_EQ(errorNumberOf([] { cad::checkedDivide(1.0, 0.0); }), 11);
  EXPECT_EQ(errorNumberOf([] { cad::checkedDivide(-1.0, 0.0); }), 11);
  EXPECT_EQ(errorNumberOf([&] { cad::checked(huge * 2); }), 6);
  EXPECT_EQ(errorNumberOf([&] { cad::checkedDivide(huge, 0.5); }), 6);
  EXPECT_DOUBLE_EQ(cad::checkedDivide(0.75, 3.5), 0.75 / 3.5);
}

}  // namespace
