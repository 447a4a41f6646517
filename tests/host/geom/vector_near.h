#pragma once

#include <gtest/gtest.h>

#include <Eigen/Geometry>

// Compares points and vectors coordinate by coordinate, printing both on failure.
inline testing::AssertionResult vectorNear(const Eigen::Vector3d& actual,
                                           const Eigen::Vector3d& expected,
                                           double tolerance = 1e-9) {
  if ((actual - expected).cwiseAbs().maxCoeff() <= tolerance) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "(" << actual.transpose() << ") is not ("
                                     << expected.transpose() << ") within " << tolerance;
}
