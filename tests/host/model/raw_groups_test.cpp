#include <gtest/gtest.h>

#include <vector>

#include "host/model/raw_groups.h"

namespace host::model {
namespace {

TEST(RawGroups, GivesBackEveryGroupAsAppended) {
  const std::string nul("a\0b", 3);
  RawGroups groups;
  groups.reserve(4, 8);
  groups.append(0, "SEQEND");
  groups.append(1, "");
  groups.append(-5, nul);
  groups.append(1071, "last value");
  std::vector<RawGroups::Group> read(groups.begin(), groups.end());
  EXPECT_EQ(read, (std::vector<RawGroups::Group>{
                      {0, "SEQEND"}, {1, ""}, {-5, nul}, {1071, "last value"}}));
  EXPECT_EQ(groups[2].value.size(), 3u);
  EXPECT_EQ(groups, (RawGroups{{0, "SEQEND"}, {1, ""}, {-5, nul}, {1071, "last value"}}));
  EXPECT_NE(groups, (RawGroups{{0, "SEQEND"}, {1, ""}, {-5, nul}, {1071, "last valu"}}));
}

}  // namespace
}  // namespace host::model
