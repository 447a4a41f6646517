#pragma once

#include <gtest/gtest.h>

#include <Eigen/Core>
#include <sstream>

namespace e2e {

// Two points or directions in world coordinates that agree to well within what a drawing file
// keeps, printed in full when they do not.
inline testing::AssertionResult nearWorld(const Eigen::Vector3d& seen,
                                          const Eigen::Vector3d& expected,
                                          double tolerance = 1e-6) {
  if ((seen - expected).lpNorm<Eigen::Infinity>() <= tolerance) return testing::AssertionSuccess();
  std::ostringstream out;
  out.precision(12);
  out << "seen (" << seen.transpose() << "), expected (" << expected.transpose() << ")";
  return testing::AssertionFailure() << out.str();
}

}  // namespace e2e

#define EXPECT_WORLD(seen, expected) EXPECT_TRUE(::e2e::nearWorld((seen), (expected)))
