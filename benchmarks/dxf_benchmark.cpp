// Load and save speed of drawing files on a large drawing: 200k lines, 100k block inserts,
// 50k texts and 50k points (about 75 MB), written with our writer. Prints the save time, the
// load time and peak memory of a fresh process that only loads (the best of three), and the
// load time of ezdxf on the same file for comparison, with the ratio. Then the same for a drawing
// of about 75 MB that ezdxf writes (benchmarks/ezdxf_drawing.py) as another program would: a
// colour, a line type, a lineweight and extended data on every entity, and objects this program
// does not model; it is loaded and saved back whole, its load also beside ezdxf's. Then the load
// time and peak memory of files shaped to make a reader slow or hungry (many sections, many table
// records, one huge record, millions of bare records). Between them, the save and load of the
// first drawing in binary form.
//
//   dxf_benchmark [--no-ezdxf] [directory]
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "host/dxf/hostile_drawings.h"
#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "job_timing.h"
#include "support/project_paths.h"

namespace {

using benchmark::outputOf;
using Clock = std::chrono::steady_clock;
using Eigen::Vector3d;
using host::model::BlockTable;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

std::unique_ptr<host::model::Document> largeDrawing() {
  auto document = std::make_unique<host::model::Document>();
  host::model::Document::HistoryPause pause(*document);
  const auto arrow = document->addBlock("ArrowX1", Vector3d::Zero());
  host::model::Polyline3d shape;
  shape.vertices = {{0, 0, 0}, {3, 0, 0}, {1.75, 0.5, 0}, {1.75, -0.5, 0}, {3, 0, 0}};
  document->addEntity(arrow, shape);
  const auto layer = document->addLayer({"Deviations", 1});
  // Coordinates with many significant digits, as surveyed drawings have.
  const auto at = [](int i) {
    return Vector3d(512345.678 + i * 0.0137, 6712345.123 - i * 0.0291, 45.0 + i * 1e-5);
  };
  for (int i = 0; i < 200000; ++i) {
    document->addEntity(BlockTable::kModelSpace, host::model::Line{at(i), at(i + 7)}, layer);
  }
  for (int i = 0; i < 100000; ++i) {
    const Eigen::Affine3d placement = Eigen::Translation3d(at(i)) *
                                      Eigen::AngleAxisd(i * 0.001, Vector3d::UnitZ()) *
                                      Eigen::Scaling(0.25);
    document->addEntity(BlockTable::kModelSpace, host::model::BlockReference{arrow, placement});
  }
  for (int i = 0; i < 50000; ++i) {
    host::model::Text text;
    text.text = std::to_string(i * 0.001);
    text.height = 0.25;
    text.placement = Eigen::Translation3d(at(i)) * Eigen::AngleAxisd(0.3, Vector3d::UnitZ());
    document->addEntity(BlockTable::kModelSpace, text, layer);
  }
  for (int i = 0; i < 50000; ++i) {
    document->addEntity(BlockTable::kModelSpace, host::model::Point{at(i)});
  }
  return document;
}

// Run in a fresh process, so that the peak memory is the load's alone.
int loadOnly(const char* path) {
  const auto start = Clock::now();
  const auto document = host::dxf::readDxf(path);
  const double seconds = secondsSince(start);
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  std::printf("%.3f %.3f %ld %zu\n", seconds, cpu, usage.ru_maxrss,
              document->blocks()[BlockTable::kModelSpace].entities.size());
  return 0;
}

struct LoadFigures {
  double seconds = 0.0;
  double cpuSeconds = 0.0;
  long peakKilobytes = 0;
  std::size_t entities = 0;
};

// The best of three loads, each in a fresh process: the machine may be busy with other work.
LoadFigures loadInFreshProcess(const std::filesystem::path& path) {
  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  LoadFigures best;
  for (int run = 0; run < 3; ++run) {
    LoadFigures figures;
    std::sscanf(outputOf("'" + self + "' --load '" + path.string() + "'").c_str(),
                "%lf %lf %ld %zu", &figures.seconds, &figures.cpuSeconds, &figures.peakKilobytes,
                &figures.entities);
    if (run == 0 || figures.seconds < best.seconds) best = figures;
  }
  return best;
}

void writeText(const std::filesystem::path& path, const std::string& text) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

void printLoad(const LoadFigures& load) {
  std::cout << "load:        " << load.seconds << " s (" << load.cpuSeconds
            << " s of processor time), peak memory " << load.peakKilobytes / 1024 << " MB, "
            << load.entities << " entities\n";
}

void binaryForm(const host::model::Document& document, const std::filesystem::path& directory) {
  const auto path = directory / "kestova_dxf_benchmark_binary.dxf";
  host::dxf::SaveOptions options;
  options.form = host::dxf::FileForm::kBinary;
  const auto start = Clock::now();
  host::dxf::saveDxf(document, path, options);
  std::cout << "\nThe same drawing in binary form\n";
  std::cout << "file:        " << path << " (" << std::filesystem::file_size(path) / 1e6
            << " MB)\n";
  std::cout << "save:        " << secondsSince(start) << " s\n";
  printLoad(loadInFreshProcess(path));
  std::filesystem::remove(path);
}

// ezdxf's load of the same file, and how many times this program's load is faster.
void printEzdxfLoad(const std::filesystem::path& path, const LoadFigures& ours) {
  const std::string script =
      "import ezdxf, sys, time; t = time.perf_counter(); ezdxf.readfile(sys.argv[1]); "
      "print(time.perf_counter() - t)";
  double seconds = 0.0;
  if (std::sscanf(
          outputOf("/usr/bin/python3 -c '" + script + "' '" + path.string() + "' 2>/dev/null")
              .c_str(),
          "%lf", &seconds) != 1) {
    std::cout << "ezdxf load:  not available\n";
    return;
  }
  std::cout << "ezdxf load:  " << seconds << " s, " << seconds / ours.seconds
            << " times as long as this program's\n";
}

// The drawing another program writes, made by ezdxf beside this program's source.
void otherProgramsDrawing(const std::filesystem::path& directory) {
  const auto path = directory / "kestova_dxf_benchmark_ezdxf.dxf";
  const std::string script = testing_support::sourcePath("benchmarks/ezdxf_drawing.py");
  std::cout << "\nA drawing of another program (ezdxf, extended data on every entity)\n";
  if (!std::filesystem::exists(path) &&
      std::system(("/usr/bin/python3 '" + script + "' '" + path.string() + "'").c_str()) != 0) {
    std::cout << "not available: python3-ezdxf is needed to write it\n";
    return;
  }
  std::cout << "file:        " << path << " (" << std::filesystem::file_size(path) / 1e6
            << " MB)\n";
  const LoadFigures load = loadInFreshProcess(path);
  printLoad(load);
  printEzdxfLoad(path, load);
  const auto document = host::dxf::readDxf(path);
  const auto saved = directory / "kestova_dxf_benchmark_ezdxf_saved.dxf";
  const auto start = Clock::now();
  host::dxf::saveDxf(*document, saved);
  std::cout << "save:        " << secondsSince(start) << " s\n";
  std::filesystem::remove(saved);
}

// Shapes of the sizes that once took minutes or a gigabyte to load.
void loadShapes(const std::filesystem::path& directory) {
  namespace shapes = host::dxf::testing;
  const std::pair<const char*, std::string> files[] = {
      {"37k ENTITIES sections", shapes::manyEntitiesSections(37000)},
      {"37k OBJECTS sections", shapes::manyObjectsSections(37000)},
      {"40k UCSs", shapes::manyUcss(40000)},
      {"80k layers", shapes::manyLayers(80000)},
      {"80k blocks", shapes::manyBlocks(80000)},
      {"one record of 8.4M groups", shapes::oneRecordOfManyGroups(8400000)},
      {"8.4M bare POINT records", shapes::bareRecords(8400000)},
  };
  for (const auto& [name, text] : files) {
    const auto path = directory / "kestova_dxf_benchmark_shape.dxf";
    writeText(path, text);
    const LoadFigures figures = loadInFreshProcess(path);
    const double megabytes = static_cast<double>(text.size()) / 1e6;
    std::printf(
        "%-26s %6.1f MB file: load %.3f s (%.3f s of processor time), %.2f M entities/s, "
        "peak memory %ld MB (%.1f times the file)\n",
        name, megabytes, figures.seconds, figures.cpuSeconds,
        static_cast<double>(figures.entities) / 1e6 / figures.seconds, figures.peakKilobytes / 1024,
        static_cast<double>(figures.peakKilobytes) * 1024 / static_cast<double>(text.size()));
    std::filesystem::remove(path);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--load") return loadOnly(argv[2]);
  bool ezdxf = true;
  std::filesystem::path directory = std::filesystem::temp_directory_path();
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--no-ezdxf") {
      ezdxf = false;
    } else {
      directory = argv[i];
    }
  }
  const auto path = directory / "kestova_dxf_benchmark.dxf";

  const auto document = largeDrawing();
  const auto start = Clock::now();
  rusage before{};
  ::getrusage(RUSAGE_SELF, &before);
  host::dxf::saveDxf(*document, path);
  rusage after{};
  ::getrusage(RUSAGE_SELF, &after);
  const auto cpuSeconds = [](const rusage& u) {
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
  };
  std::cout << "file:        " << path << " (" << std::filesystem::file_size(path) / 1e6
            << " MB)\n";
  std::cout << "save:        " << secondsSince(start) << " s ("
            << cpuSeconds(after) - cpuSeconds(before) << " s of processor time)\n";

  const LoadFigures load = loadInFreshProcess(path);
  printLoad(load);
  if (ezdxf) printEzdxfLoad(path, load);
  std::filesystem::remove(path);
  binaryForm(*document, directory);
  if (ezdxf) otherProgramsDrawing(directory);
  loadShapes(directory);
  return 0;
}
