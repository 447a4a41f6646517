// The check of a large survey: 100k design points and 1 million survey shots in 10 CSV files,
// a day of the stake-out each (every stake shot once a day, a few missed, a few extra shots).
// The job, in a fresh process on one core: read all files as one survey, pair by id and by
// proximity (the shots of one id combined first), compute the statistics and write the CSV
// report of each. Prints its processor time and peak memory beside the same job in Python
// (pandas read_csv, groupby and merge on id; scipy's cKDTree for proximity, nearest within R
// but not one to one), and their ratio. Then times the check of 100k shots along a 20 km
// alignment and its PDF report (alignment_job.h).
//
//   check_benchmark [--no-python] [directory]
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "alignment_job.h"
#include "check/check_report.h"
#include "check/csv_report.h"
#include "job_timing.h"
#include "numbers/number_format.h"
#include "survey/comparison.h"
#include "survey/design_points.h"
#include "survey/joined_survey.h"
#include "survey/point_file.h"

namespace {

using benchmark::outputOf;
using benchmark::peakKilobytes;
using benchmark::processorSeconds;

constexpr int kPoints = 100'000;
constexpr int kFiles = 10;
constexpr double kRadius = 0.5;
constexpr const char* kTolerances = "x=0.02,y=0.02,z=0.015,h=0.025";

double secondsSince(double start) {
  return processorSeconds() - start;
}

std::filesystem::path surveyFile(const std::filesystem::path& directory, int day) {
  return directory / ("survey_day" + std::to_string(day + 1) + ".csv");
}

// Stakes on a 2 m grid around a projected origin, shot each day with centimetre noise.
void writeFiles(const std::filesystem::path& directory) {
  std::mt19937 random(18);
  std::normal_distribution<double> noise(0.0, 0.01);
  std::uniform_real_distribution<double> chance(0.0, 1.0);
  const auto stake = [](int i) {
    return std::array<double, 3>{512000.0 + (i % 400) * 2.0, 5401000.0 + (i / 400) * 2.0,
                                 100.0 + (i % 97) * 0.01};
  };
  char line[160];
  std::ofstream design(directory / "design.csv");
  design << "Point,Easting,Northing,Elevation,Code\n";
  for (int i = 0; i < kPoints; ++i) {
    const auto [x, y, z] = stake(i);
    std::snprintf(line, sizeof line, "ST%06d,%.3f,%.3f,%.3f,stake\n", i, x, y, z);
    design << line;
  }
  for (int day = 0; day < kFiles; ++day) {
    std::ofstream survey(surveyFile(directory, day));
    for (int i = 0; i < kPoints; ++i) {
      const auto [x, y, z] = stake(i);
      const double roll = chance(random);
      if (roll < 0.01) continue;  // missed
      std::snprintf(line, sizeof line, "ST%06d,%.3f,%.3f,%.3f\n", i, x + noise(random),
                    y + noise(random), z + noise(random));
      survey << line;
      if (roll < 0.02) {
        std::snprintf(line, sizeof line, "EX%06d,%.3f,%.3f,%.3f\n", i, x + 1.0, y + 1.0, z);
        survey << line;
      }
    }
  }
}

void writeReport(const survey::PointFile& design, const survey::PointFile& surveyed,
                 const survey::Pairing& pairing, const std::filesystem::path& path) {
  const survey::Tolerances tolerances =
      survey::parseTolerances(kTolerances, survey::pointComponents());
  const host::geom::Frame world;
  const survey::Comparison comparison =
      survey::compare(survey::DesignPoints(pairing, design.points, world), tolerances, 3);
  const check::CheckReport report{
      design, surveyed, pairing, comparison, tolerances, "", "", 3, numbers::numberFormatFor(3)};
  check::saveCsvReport(path, report);
}

// The job alone, in a fresh process, so that the peak memory is its own.
int job(const std::filesystem::path& directory) {
  const double start = processorSeconds();
  const survey::PointFile design = survey::readPointFile(directory / "design.csv", {});
  std::vector<survey::PointFile> days;
  for (int day = 0; day < kFiles; ++day) {
    days.push_back(survey::readPointFile(surveyFile(directory, day), {}));
  }
  const survey::PointFile surveyed = survey::joinedSurvey(std::move(days));
  const double read = secondsSince(start);

  double step = processorSeconds();
  writeReport(design, surveyed, survey::matchById(design, surveyed, {}), directory / "by_id.csv");
  const double byId = secondsSince(step);

  step = processorSeconds();
  writeReport(design, surveyed, survey::matchByProximity(design, surveyed, kRadius, {}),
              directory / "by_proximity.csv");
  const double byProximity = secondsSince(step);

  std::printf("%.3f %.3f %.3f %.3f %ld\n", read, byId, byProximity, secondsSince(start),
              peakKilobytes());
  return 0;
}

constexpr const char* kPython = R"(import sys, time, resource
clock = time.process_time
start = clock()
import numpy as np, pandas as pd
from scipy.spatial import cKDTree
folder, radius = sys.argv[1], float(sys.argv[2])
tolerance = {"dx": 0.02, "dy": 0.02, "dz": 0.015, "dh": 0.025}
job = clock()
design = pd.read_csv(folder + "/design.csv", dtype={"Point": str})
design.columns = ["id", "x", "y", "z", "code"]
survey = pd.concat([pd.read_csv(folder + "/survey_day%d.csv" % (day + 1), header=None,
                                 names=["id", "x", "y", "z"], dtype={"id": str})
                     for day in range(int(sys.argv[3]))], ignore_index=True)
read = clock() - job

def report(pairs, path):
    for a in "xyz":
        pairs["d" + a] = pairs[a + "_s"] - pairs[a + "_d"]
    pairs["dh"] = np.hypot(pairs["dx"], pairs["dy"])
    for c in ["dx", "dy", "dz", "dh"]:
        v = pairs[c].to_numpy()
        a = np.abs(v)
        (v.mean(), v.std(ddof=1), np.sqrt(np.mean(v * v)), v.min(), v.max(),
         pairs["id"].iloc[int(np.argmax(a))], np.percentile(a, 95, method="inverted_cdf"),
         int(np.sum(a <= tolerance[c])))
    pairs.to_csv(path, index=False, float_format="%.3f")

step = clock()
shots = survey.groupby("id", sort=False).mean(numeric_only=True).reset_index()
report(design.merge(shots, on="id", suffixes=("_d", "_s")), folder + "/py_by_id.csv")
by_id = clock() - step

step = clock()
shots = survey.groupby("id", sort=False).mean(numeric_only=True).reset_index()
distance, nearest = cKDTree(design[["x", "y"]].to_numpy()).query(
    shots[["x", "y"]].to_numpy(), k=1, distance_upper_bound=radius)
found = np.isfinite(distance)
pairs = design.iloc[nearest[found]].reset_index(drop=True).join(
    shots[found].reset_index(drop=True), lsuffix="_d", rsuffix="_s")
pairs["id"] = pairs["id_d"]
report(pairs, folder + "/py_by_proximity.csv")
by_proximity = clock() - step
end = clock()
print("%.3f %.3f %.3f %.3f %.3f %d" % (read, by_id, by_proximity, end - job, job - start,
      resource.getrusage(resource.RUSAGE_SELF).ru_maxrss))
)";

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--job") return job(argv[2]);
  bool python = true;
  std::filesystem::path directory = std::filesystem::temp_directory_path() / "kestova_check";
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--no-python") {
      python = false;
    } else {
      directory = argv[i];
    }
  }
  std::filesystem::create_directories(directory);
  writeFiles(directory);
  std::uintmax_t surveyBytes = 0;
  for (int day = 0; day < kFiles; ++day) {
    surveyBytes += std::filesystem::file_size(surveyFile(directory, day));
  }
  std::cout << "files:  " << directory << ", design.csv "
            << std::filesystem::file_size(directory / "design.csv") / 1e6 << " MB, " << kFiles
            << " survey files " << surveyBytes / 1e6 << " MB\n\n";

  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  // One core, as the target is set.
  double read = 0, byId = 0, byProximity = 0, total = 0;
  long kilobytes = 0;
  std::sscanf(outputOf("taskset -c 0 '" + self + "' --job '" + directory.string() + "'").c_str(),
              "%lf %lf %lf %lf %ld", &read, &byId, &byProximity, &total, &kilobytes);
  std::printf("%-8s %8s %8s %13s %8s %10s\n", "", "read", "by id", "by proximity", "total", "peak");
  std::printf("%-8s %7.3fs %7.3fs %12.3fs %7.3fs %7ld MB\n", "kestova", read, byId, byProximity,
              total, kilobytes / 1024);

  if (python) {
    const std::filesystem::path script = directory / "check_job.py";
    std::ofstream(script) << kPython;
    double imports = 0;
    const std::string output =
        outputOf("taskset -c 0 /usr/bin/python3 '" + script.string() + "' '" + directory.string() +
                 "' " + std::to_string(kRadius) + " " + std::to_string(kFiles));
    const double ourTotal = total;
    const long ourKilobytes = kilobytes;
    if (std::sscanf(output.c_str(), "%lf %lf %lf %lf %lf %ld", &read, &byId, &byProximity, &total,
                    &imports, &kilobytes) == 6) {
      std::printf("%-8s %7.3fs %7.3fs %12.3fs %7.3fs %7ld MB  (+%.3fs to import)\n", "python", read,
                  byId, byProximity, total, kilobytes / 1024, imports);
      std::printf("ratio    kestova takes %.2f of python's time and %.2f of its memory\n",
                  ourTotal / total, static_cast<double>(ourKilobytes) / kilobytes);
    } else {
      std::cout << "python: not available (python3-pandas, python3-scipy)\n";
    }
  }
  std::filesystem::remove_all(directory);
  benchmark::runAlignmentJob();
  return 0;
}
