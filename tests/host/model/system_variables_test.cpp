#include <string>

#include <gtest/gtest.h>

#include "host/geom/invalid_input.h"
#include "host/geom/vector_near.h"
#include "host/model/system_variables.h"

namespace host::model {
namespace {

TEST(SystemVariables, UcsVariablesDescribeTheCurrentUcsInWorldCoordinates) {
  Document document;
  EXPECT_EQ(std::get<std::string>(systemVariable(document, "UCSNAME")), "");
  const auto frame = geom::Frame::fromDirections({5, 6, 7}, {0, 2, 0}, {-3, 0, 0});
  document.setCurrentUcs(Ucs{"Site", frame});
  EXPECT_EQ(std::get<std::string>(systemVariable(document, "ucsname")), "Site");
  EXPECT_TRUE(vectorNear(std::get<Eigen::Vector3d>(systemVariable(document, "UCSORG")), {5, 6, 7}));
  EXPECT_TRUE(
      vectorNear(std::get<Eigen::Vector3d>(systemVariable(document, "UCSXDIR")), {0, 1, 0}));
  EXPECT_TRUE(
      vectorNear(std::get<Eigen::Vector3d>(systemVariable(document, "UCSYDIR")), {-1, 0, 0}));
}

TEST(SystemVariables, PrecisionIsReadAndWrittenWithinItsRange) {
  Document document;
  EXPECT_EQ(std::get<std::int32_t>(systemVariable(document, "LUPREC")), 4);
  setSystemVariable(document, "LUPREC", std::int32_t{0});
  EXPECT_EQ(std::get<std::int32_t>(systemVariable(document, "LUPREC")), 0);
  EXPECT_THROW(setSystemVariable(document, "LUPREC", std::int32_t{9}), InvalidInput);
  EXPECT_THROW(setSystemVariable(document, "LUPREC", std::string("3")), InvalidInput);
  EXPECT_THROW(setSystemVariable(document, "UCSNAME", std::string("x")), InvalidInput);
  EXPECT_EQ(std::get<std::int32_t>(systemVariable(document, "LUPREC")), 0);
}

TEST(SystemVariables, UnknownNamesFail) {
  Document document;
  EXPECT_THROW(systemVariable(document, "NOSUCHVAR"), InvalidInput);
  EXPECT_THROW(systemVariable(document, ""), InvalidInput);
  EXPECT_THROW(setSystemVariable(document, "NOSUCHVAR", std::int32_t{1}), InvalidInput);
}

}  // namespace
}  // namespace host::model
