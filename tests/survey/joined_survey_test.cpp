#include "survey/joined_survey.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "survey/pairing.h"
#include "survey/point_file.h"
#include "survey/point_file_error.h"

// Day 1 and day 2 of a stake-out read as one survey, each shot still knowing where it was read.
namespace survey {
namespace {

std::vector<PointFile> days() {
  ReadOptions skipping;
  skipping.skipBadLines = true;
  std::vector<PointFile> files;
  files.push_back(parsePoints("Point,East,North,Height\nA,0.01,0,1\nB,10,0,1\n", "day1.csv", {}));
  files.push_back(parsePoints("# day 2\nA,0.03,0,1\nC,20,0,1\nbad,x,0,0\n", "day2.csv", skipping));
  files.push_back(parsePoints("B,10.02,0,1\n", "day3.csv", {}));
  return files;
}

TEST(JoinedSurvey, KeepsEachShotsFileAndLineAndEachFilesCount) {
  const PointFile joined = joinedSurvey(days());
  EXPECT_EQ(joined.name, "day1.csv, day2.csv, day3.csv");
  std::vector<std::string> where;
  for (const Point& point : joined.points) {
    where.push_back(point.id + "@" + fileNameOf(joined, point) + ":" + std::to_string(point.line));
  }
  EXPECT_EQ(where, (std::vector<std::string>{"A@day1.csv:2", "B@day1.csv:3", "A@day2.csv:2",
                                             "C@day2.csv:3", "B@day3.csv:1"}));
  ASSERT_EQ(joined.sources.size(), 3u);
  EXPECT_EQ(joined.sources[0].points, 2u);
  EXPECT_EQ(joined.sources[1].points, 2u);
  EXPECT_EQ(joined.sources[2].points, 1u);
  EXPECT_FALSE(joined.sources[0].columnsRead.empty());
  EXPECT_EQ(joined.skippedCount, 1u);
  ASSERT_EQ(joined.skipped.size(), 1u);
  EXPECT_EQ(joined.skipped[0].rfind("day2.csv:4:", 0), 0u) << joined.skipped[0];
}

TEST(JoinedSurvey, OneFileIsLeftAsItIs) {
  std::vector<PointFile> one;
  one.push_back(parsePoints("A,1,2,3\n", "only.csv", {}));
  const PointFile joined = joinedSurvey(std::move(one));
  EXPECT_EQ(joined.name, "only.csv");
  EXPECT_TRUE(joined.sources.empty());
  EXPECT_EQ(fileNameOf(joined, joined.points.front()), "only.csv");
}

// A stake shot on two days is one observation of two shots, whose place is its first shot's,
// or with the last shot kept, the last one's.
TEST(JoinedSurvey, ShotsOfOneIdInSeveralFilesAreRepeatedShots) {
  const PointFile design = parsePoints("A,0,0,1\nB,10,0,1\nC,20,0,1\n", "design.csv", {});
  const PointFile joined = joinedSurvey(days());
  for (const Repeats repeats : {Repeats::Average, Repeats::Last}) {
    IdMatching matching;
    matching.repeats = repeats;
    const Pairing pairing = matchById(design, joined, matching);
    ASSERT_EQ(pairing.pairs.size(), 3u);
    const Observation& a = pairing.pairs[0].survey;
    EXPECT_EQ(a.shots, 2u);
    EXPECT_DOUBLE_EQ(a.point.x, repeats == Repeats::Average ? 0.02 : 0.03);
    EXPECT_EQ(fileNameOf(joined, a.point), repeats == Repeats::Average ? "day1.csv" : "day2.csv");
  }
}

// By proximity, a file without ids beside files with ids: the stake shot on two days is still
// one observation, and the shot without an id one of its own.
TEST(JoinedSurvey, RepeatedShotsAreCombinedBesideAFileWithoutIds) {
  const PointFile design = parsePoints("A,0,0,1\nB,10,0,1\nC,20,0,1\n", "design.csv", {});
  std::vector<PointFile> files = days();
  files.push_back(parsePoints("Easting,Northing\n10.01,0\n", "no_ids.csv", {}));
  ASSERT_FALSE(files.back().named);
  const PointFile joined = joinedSurvey(std::move(files));
  const Pairing pairing = matchByProximity(design, joined, 0.5, IdMatching{});
  std::vector<std::string> observed;
  for (const Pair& pair : pairing.pairs) {
    observed.push_back(pair.survey.point.id + "x" + std::to_string(pair.survey.shots));
  }
  EXPECT_EQ(observed, (std::vector<std::string>{"Ax2", "Bx2", "Cx1"}));
  ASSERT_EQ(pairing.unmatchedSurvey.size(), 1u);
  EXPECT_EQ(pairing.unmatchedSurvey[0].point.id, "no_ids.csv:2");
}

TEST(JoinedSurvey, RefusesLatitudesBesideGridCoordinates) {
  std::vector<PointFile> files = days();
  files.push_back(
      parsePoints("Point,Latitude,Longitude,Height\nA,50.0,8.0,100\n", "rover.csv", {}));
  ASSERT_TRUE(files.back().geographic);
  try {
    joinedSurvey(std::move(files));
    FAIL() << "joined";
  } catch (const PointFileError& e) {
    EXPECT_EQ(std::string(e.what()),
              "rover.csv: gives latitude and longitude and day1.csv does not: check them apart");
  }
}

}  // namespace
}  // namespace survey
