#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
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

// Values of every length around the one where the length moves out of the group's header, and
// enough groups that finding one by its index starts from a noted place and walks from there.
TEST(RawGroups, FindsEachOfManyGroupsOfEveryLength) {
  RawGroups groups;
  std::vector<RawGroups::Group> appended;
  std::vector<std::string> values;
  for (std::size_t i = 0; i < 100; ++i) values.push_back(std::string(i % 70, char('a' + i % 26)));
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int code = static_cast<int>(i * 10) - 5;
    groups.append(code, values[i]);
    appended.push_back({code, values[i]});
  }
  ASSERT_EQ(groups.size(), appended.size());
  for (std::size_t i = 0; i < appended.size(); ++i) EXPECT_EQ(groups[i], appended[i]) << i;
  EXPECT_EQ(std::vector<RawGroups::Group>(groups.begin(), groups.end()), appended);
  // Walked from a place between the noted ones, as a kept record inside a larger one is.
  std::vector<RawGroups::Group> tail(RawGroups::Iterator(&groups, 37),
                                     RawGroups::Iterator(&groups, 53));
  EXPECT_EQ(tail, std::vector<RawGroups::Group>(appended.begin() + 37, appended.begin() + 53));
  const std::string huge(100000, 'x');
  groups.append(1, huge);
  EXPECT_EQ(groups[100].value, huge);
  EXPECT_EQ(groups.storedBytes(), [&] {
    std::size_t bytes = 0;
    for (const auto& value : values) bytes += RawGroups::storedBytes(value.size());
    return bytes + RawGroups::storedBytes(huge.size());
  }());
}

TEST(RawGroups, RefusesCodesNoFileHolds) {
  RawGroups groups;
  EXPECT_THROW(groups.append(-6, "x"), std::out_of_range);
  EXPECT_THROW(groups.append(1072, "x"), std::out_of_range);
  EXPECT_TRUE(groups.empty());
}

}  // namespace
}  // namespace host::model
