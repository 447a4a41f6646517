#include "survey/statistics.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "survey/comparison.h"
#include "survey/design_points.h"
#include "survey/point_file.h"

// Statistics checked by hand on small cases and, on a whole survey read from files, against
// numpy computing the same from the same files.
namespace survey {
namespace {

std::vector<Sample> samplesOf(const std::vector<double>& values,
                              const std::vector<std::string>& ids) {
  std::vector<Sample> samples;
  for (std::size_t i = 0; i < values.size(); ++i) samples.push_back({values[i], &ids[i]});
  return samples;
}

TEST(Statistics, OfFourValuesByHand) {
  const std::vector<std::string> ids{"a", "b", "c", "d"};
  const ComponentStatistics s =
      statisticsOf(samplesOf({1, -2, 3, -4}, ids), Tolerance::within(2.0), 3);
  EXPECT_EQ(s.count, 4u);
  EXPECT_DOUBLE_EQ(s.mean, -0.5);
  EXPECT_DOUBLE_EQ(*s.standardDeviation, std::sqrt(29.0 / 3.0));
  EXPECT_DOUBLE_EQ(s.rms, std::sqrt(30.0 / 4.0));
  EXPECT_EQ(s.min, -4);
  EXPECT_EQ(s.max, 3);
  EXPECT_EQ(s.largest, -4);
  EXPECT_EQ(s.largestId, "d");
  EXPECT_EQ(s.percentile95, 4);  // rank ceil(3.8) = 4 of |values|
  EXPECT_EQ(s.withinTolerance, 2u);
}

TEST(Statistics, OfOneValueHasNoStandardDeviation) {
  const std::vector<std::string> ids{"a"};
  const ComponentStatistics s = statisticsOf(samplesOf({-0.5}, ids), std::nullopt, 3);
  EXPECT_FALSE(s.standardDeviation);
  EXPECT_EQ(s.percentile95, 0.5);
  EXPECT_FALSE(s.withinTolerance);
}

TEST(Statistics, TheLargestMagnitudeIsTheFirstOnATie) {
  const std::vector<std::string> ids{"a", "b", "c"};
  const ComponentStatistics s = statisticsOf(samplesOf({1, 2, -2}, ids), std::nullopt, 3);
  EXPECT_EQ(s.largest, 2);
  EXPECT_EQ(s.largestId, "b");
}

// Nearest rank at whole ranks: 95 % of 20 values is exactly the 19th.
TEST(Statistics, ThePercentileIsTheNearestRank) {
  for (const std::size_t n : {20u, 100u, 101u}) {
    std::vector<double> values;
    std::vector<std::string> ids(n, "p");
    for (std::size_t i = n; i >= 1; --i) values.push_back(static_cast<double>(i));
    const double expected = static_cast<double>((95 * n + 99) / 100);
    EXPECT_EQ(statisticsOf(samplesOf(values, ids), std::nullopt, 3).percentile95, expected) << n;
  }
}

constexpr const char* kNumpyScript = R"(import sys, numpy as np
def read(path):
    rows = [l.split(",") for l in open(path) if l.strip()]
    return {r[0]: np.array([float(v) for v in r[1:]]) for r in rows}
design, survey = read(sys.argv[1]), read(sys.argv[2])
ids = [i for i in design if i in survey]
d = np.array([survey[i] - design[i] for i in ids])
d = np.column_stack([d, np.hypot(d[:, 0], d[:, 1])])
for k in range(4):
    v = d[:, k]
    a = np.abs(v)
    big = int(np.argmax(a))
    p95 = np.percentile(a, 95, method="inverted_cdf")
    print(len(v), *map(repr, [v.mean(), v.std(ddof=1), np.sqrt(np.mean(v * v)), v.min(), v.max(),
          v[big], p95]), ids[big], int(np.sum(a <= 0.0105)))
)";

// The system's Python, which the set-up gives numpy, before any other on the path.
std::string pythonWithNumpy() {
  for (const char* candidate : {"/usr/bin/python3", "python3"}) {
    const std::string probe = std::string(candidate) + " -c 'import numpy' >/dev/null 2>&1";
    if (std::system(probe.c_str()) == 0) return candidate;
  }
  return {};
}

TEST(Statistics, AgreeWithNumpyOnAWholeSurvey) {
  const std::string python = pythonWithNumpy();
  ASSERT_FALSE(python.empty()) << "python3-numpy is missing: run scripts/setup.sh";
  const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) /
                                       ("statistics_numpy_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  std::mt19937 random(7);
  std::uniform_real_distribution<double> site(0, 2000), noise(-0.02, 0.02);
  std::ofstream design(folder / "design.csv"), survey(folder / "survey.csv");
  design.precision(17);
  survey.precision(17);
  for (int i = 0; i < 800; ++i) {
    const double x = 500000 + site(random), y = 5400000 + site(random),
                 z = 100 + site(random) / 100;
    design << "P" << i << "," << x << "," << y << "," << z << "\n";
    if (i % 10 != 3) {
      survey << "P" << i << "," << x + noise(random) << "," << y + noise(random) << ","
             << z + noise(random) << "\n";
    }
  }
  design.close();
  survey.close();

  const PointFile designFile = readPointFile(folder / "design.csv", {});
  const PointFile surveyFile = readPointFile(folder / "survey.csv", {});
  const Tolerances tolerances =
      parseTolerances("x=0.0105,y=0.0105,z=0.0105,h=0.0105", pointComponents());
  // Tolerances are tested on the values written: with 9 places that is the value itself here.
  const Pairing pairing = matchById(designFile, surveyFile, {});
  const host::geom::Frame world;
  const Comparison comparison =
      compare(DesignPoints(pairing, designFile.points, world), tolerances, 9);

  std::ofstream(folder / "stats.py") << kNumpyScript;
  const std::string command = python + " " + (folder / "stats.py").string() + " " +
                              (folder / "design.csv").string() + " " +
                              (folder / "survey.csv").string();
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char line[1024];
  for (std::size_t component = 0; component < comparison.schema.size(); ++component) {
    ASSERT_NE(std::fgets(line, sizeof line, pipe), nullptr);
    std::istringstream numpy(line);
    std::size_t count = 0, within = 0;
    double mean, deviation, rms, min, max, largest, percentile;
    std::string largestId;
    numpy >> count >> mean >> deviation >> rms >> min >> max >> largest >> percentile >>
        largestId >> within;
    const ComponentStatistics& s = comparison[component];
    const auto near = [](double ours, double theirs) {
      return std::abs(ours - theirs) <= 1e-12 + 1e-9 * std::abs(theirs);
    };
    SCOPED_TRACE(comparison.schema[component].key);
    EXPECT_EQ(s.count, count);
    EXPECT_TRUE(near(s.mean, mean)) << s.mean << " " << mean;
    EXPECT_TRUE(near(*s.standardDeviation, deviation)) << *s.standardDeviation << " " << deviation;
    EXPECT_TRUE(near(s.rms, rms));
    EXPECT_TRUE(near(s.min, min));
    EXPECT_TRUE(near(s.max, max));
    EXPECT_TRUE(near(s.largest, largest));
    EXPECT_EQ(s.largestId, largestId);
    EXPECT_TRUE(near(s.percentile95, percentile));
    EXPECT_EQ(s.withinTolerance, within);
  }
  EXPECT_EQ(::pclose(pipe), 0);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace survey
