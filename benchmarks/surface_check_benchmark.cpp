// The check of a survey against a design surface, beside the check benchmark: a LandXML TIN of
// about a million faces over 1 km², and a million shots over it in a CSV file. Three jobs, each
// in a fresh process free to use both cores: read both files, locate every shot, compare and
// write the CSV (target 2 s, 1 GB); triangulate a million points with breaklines (3 s); the
// volumes of a million-shot survey on a 1 m grid, its triangulation included (3 s). Prints the
// processor time (the work, summed over threads), the wall time (what the user waits) and peak
// memory beside a plain reference in Python: scipy's Delaunay with a vectorised barycentric
// lookup in numpy on the same points and shots.
//
//   surface_check_benchmark [--no-python] [directory]
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

#include "check/surface_csv.h"
#include "check/surface_run.h"
#include "job_timing.h"
#include "survey/surface_locator.h"
#include "survey/surface_triangulation.h"
#include "survey/surface_volumes.h"

namespace {

using benchmark::outputOf;
using benchmark::peakKilobytes;
using benchmark::processorSeconds;

constexpr int kSide = 708;  // points a side: 2 x 707² = 999 698 faces
constexpr double kSpacing = 1000.0 / 707;
constexpr int kShots = 1'000'000;
constexpr double kEast = 512000.0, kNorth = 5401000.0;

double level(double x, double y) {
  return 100.0 + 0.02 * x + 3.0 * std::sin(y / 50.0);
}

void writeFiles(const std::filesystem::path& directory) {
  std::ofstream xml(directory / "design.xml"), points(directory / "design_points.csv");
  xml << "<?xml version=\"1.0\"?>\n<LandXML><Surfaces><Surface name=\"Formation\">"
         "<Definition surfType=\"TIN\">\n<Pnts>\n";
  char line[160];
  for (int j = 0; j < kSide; ++j) {
    for (int i = 0; i < kSide; ++i) {
      const double x = i * kSpacing, y = j * kSpacing;
      std::snprintf(line, sizeof line, "<P id=\"%d\">%.3f %.3f %.3f</P>\n", j * kSide + i + 1,
                    kNorth + y, kEast + x, level(x, y));
      xml << line;
      std::snprintf(line, sizeof line, "%.3f,%.3f,%.3f\n", kEast + x, kNorth + y, level(x, y));
      points << line;
    }
  }
  xml << "</Pnts>\n<Faces>\n";
  for (int j = 0; j + 1 < kSide; ++j) {
    for (int i = 0; i + 1 < kSide; ++i) {
      const int a = j * kSide + i + 1, b = a + 1, c = a + kSide + 1, d = a + kSide;
      std::snprintf(line, sizeof line, "<F>%d %d %d</F>\n<F>%d %d %d</F>\n", a, b, c, a, c, d);
      xml << line;
    }
  }
  xml << "</Faces>\n</Definition></Surface></Surfaces></LandXML>\n";
  std::mt19937 random(34);
  std::uniform_real_distribution<double> place(0.0, 1000.0);
  std::normal_distribution<double> noise(0.0, 0.015);
  std::ofstream shots(directory / "shots.csv");
  for (int k = 0; k < kShots; ++k) {
    const double x = place(random), y = place(random);
    std::snprintf(line, sizeof line, "S%07d,%.3f,%.3f,%.3f\n", k, kEast + x, kNorth + y,
                  level(x, y) + noise(random));
    shots << line;
  }
}

// Processor and wall seconds at one moment.
struct Moment {
  double processor;
  double wall;
};
Moment now() {
  return {processorSeconds(), benchmark::wallSeconds()};
}

// "what processor-seconds wall-seconds peak-MB (note)" on one line.
void printUsage(const char* what, const Moment& start, const std::string& note = {}) {
  const Moment end = now();
  std::printf("%-12s %6.3f s %6.3f s wall %5ld MB %s\n", what, end.processor - start.processor,
              end.wall - start.wall, peakKilobytes() / 1024, note.c_str());
}

int job(const std::string& which, const std::filesystem::path& directory) {
  const Moment start = now();
  check::SurfaceRequest request;
  request.design = directory / "design.xml";
  request.survey = directory / "shots.csv";
  request.tolerances = survey::parseTolerances("z=-0.03:0.01", survey::surfaceComponents());
  if (which == "check") {
    const check::SurfaceRun run = check::checkSurface(request);
    check::saveSurfaceCsv(directory / "levels.csv", run);
  } else if (which == "triangulate") {
    survey::TriangulationInput input{"points", {}, {}, {}};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> place(0.0, 1000.0);
    for (int k = 0; k < kShots; ++k) {
      const double x = place(random), y = place(random);
      input.points.push_back({x, y, level(x, y)});
    }
    // A hundred kerbs across the site, each of a hundred points.
    for (int b = 0; b < 100; ++b) {
      survey::Breakline kerb;
      for (int k = 0; k < 100; ++k) {
        const double x = 5.0 + 9.9 * k, y = 5.0 + 9.9 * b + 2.0 * std::sin(k / 5.0);
        kerb.points.push_back({x, y, level(x, y) + 0.15});
      }
      input.breaklines.push_back(kerb);
    }
    const Moment made = now();
    const survey::TinSurface surface = survey::triangulate(input);
    return printUsage("triangulate", made, std::to_string(surface.faces.size()) + " faces"), 0;
  } else {
    const survey::TinSurface design = check::readDesignSurface(request);
    const survey::SurfaceLocator locator(design);
    survey::PointFile shots = survey::readPointFile(request.survey, {});
    const Moment read = now();
    survey::TriangulationInput input{"shots", {}, {}, {}};
    for (const survey::Point& p : shots.points) input.points.push_back({p.x, p.y, *p.z});
    const survey::TinSurface surveyed = survey::triangulate(input);
    const Moment triangulated = now();
    const survey::SurfaceVolumes volumes = survey::volumesBetween(surveyed, design, locator, 1.0);
    const Moment done = now();
    char split[120];
    std::snprintf(split, sizeof split,
                  "(triangulation %.3f s, %.3f s wall; volumes %.3f s, %.3f s wall), ",
                  triangulated.processor - read.processor, triangulated.wall - read.wall,
                  done.processor - triangulated.processor, done.wall - triangulated.wall);
    return printUsage("volumes", read,
                      split + std::to_string(volumes.squares.size()) + " squares, cut " +
                          std::to_string(volumes.total.cut) + ", fill " +
                          std::to_string(volumes.total.fill)),
           0;
  }
  printUsage(which.c_str(), start, "read, located, compared, CSV written");
  return 0;
}

constexpr const char* kPython = R"(import sys, time, resource
clock = time.process_time
import numpy as np
from scipy.spatial import Delaunay
folder = sys.argv[1]
start = clock()
points = np.loadtxt(folder + "/design_points.csv", delimiter=",")
shots = np.loadtxt(folder + "/shots.csv", delimiter=",", usecols=(1, 2, 3))
tin = Delaunay(points[:, :2])
simplex = tin.find_simplex(shots[:, :2])
inside = simplex >= 0
t = tin.transform[simplex[inside]]
b = np.einsum("ijk,ik->ij", t[:, :2], shots[inside, :2] - t[:, 2])
w = np.c_[b, 1 - b.sum(axis=1)]
design_z = (points[tin.simplices[simplex[inside]], 2] * w).sum(axis=1)
dz = shots[inside, 2] - design_z
np.savetxt(folder + "/py_levels.csv", np.c_[shots[inside], design_z, dz], fmt="%.3f",
           delimiter=",")
check = clock() - start
step = clock()
Delaunay(np.random.default_rng(7).uniform(0, 1000, (1000000, 2)))
print("%.3f %.3f %d" % (check, clock() - step,
      resource.getrusage(resource.RUSAGE_SELF).ru_maxrss // 1024))
)";

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--job") return job(argv[2], argv[3]);
  bool python = true;
  std::filesystem::path directory = std::filesystem::temp_directory_path() / "kestova_surface";
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--no-python") {
      python = false;
    } else {
      directory = argv[i];
    }
  }
  std::filesystem::create_directories(directory);
  writeFiles(directory);
  std::cout << "files:  " << directory << ", design.xml "
            << std::filesystem::file_size(directory / "design.xml") / 1e6 << " MB, shots.csv "
            << std::filesystem::file_size(directory / "shots.csv") / 1e6 << " MB\n";
  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  std::cout << "kestova (processor seconds, wall seconds, peak MB):\n";
  for (const char* which : {"check", "triangulate", "volumes"}) {
    std::cout << "  "
              << outputOf("'" + self + "' --job " + which + " '" + directory.string() + "'");
  }
  if (python) {
    const std::filesystem::path script = directory / "surface_job.py";
    std::ofstream(script) << kPython;
    const std::string output =
        outputOf("/usr/bin/python3 '" + script.string() + "' '" + directory.string() + "'");
    std::cout << "python (read, Delaunay, lookup, write; Delaunay of 1M points; peak MB):\n  "
              << (output.empty() ? "not available (python3-numpy, python3-scipy)\n" : output);
  }
  std::filesystem::remove_all(directory);
  return 0;
}
