#include <gtest/gtest.h>

#include "host/model/change_log.h"

namespace host::model {
namespace {

TEST(ChangeLog, TellsTheFirstPlaceTouchedSinceARevision) {
  ChangeLog log;
  EXPECT_EQ(log.firstTouchedSince(0), std::nullopt);
  log.touched(10);
  const auto afterTen = log.revision();
  log.touched(ChangeLog::kNoEntity);
  log.touched(12);
  log.touched(11);
  EXPECT_EQ(log.firstTouchedSince(0), 10u);
  EXPECT_EQ(log.firstTouchedSince(afterTen), 11u);
  EXPECT_EQ(log.firstTouchedSince(log.revision()), std::nullopt);
}

TEST(ChangeLog, ARevisionTooOldForTheLogHasEverythingTouched) {
  ChangeLog log;
  for (int i = 0; i < 1000; ++i) log.touched(500);
  EXPECT_EQ(log.firstTouchedSince(0), 0u);
  EXPECT_EQ(log.firstTouchedSince(log.revision() - 5), 500u);
}

}  // namespace
}  // namespace host::model
