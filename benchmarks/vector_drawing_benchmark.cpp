// Drawing the vectors of a whole check: 2,000 pairs (stakes on a 2 m grid, shot with centimetre
// noise, a few of them outside tolerance and a few never surveyed) drawn into a drawing of the
// built-in host in a turned UCS, as the check window and `kestova check --dxf` draw them. The
// target is under 2 s. Prints the processor time of the drawing alone, of cancelling it (which
// deletes all it drew) and of saving the drawing.
//
//   vector_drawing_benchmark [directory]
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "check/check_run.h"
#include "check/draw/vector_drawing.h"
#include "host/automation/host_application.h"
#include "host/dxf/save.h"
#include "job_timing.h"
#include "survey/design_points.h"
#include "survey/measuring_frame.h"

namespace {

constexpr int kPairs = 2'000;

using benchmark::processorSeconds;

void writeFiles(const std::filesystem::path& directory) {
  std::mt19937 random(19);
  std::normal_distribution<double> noise(0.0, 0.01);
  std::uniform_real_distribution<double> chance(0.0, 1.0);
  std::ofstream design(directory / "design.csv"), survey(directory / "survey.csv");
  design << "Point,Easting,Northing,Elevation\n";
  char line[160];
  for (int i = 0; i < kPairs; ++i) {
    const double x = 512000.0 + (i % 50) * 2.0, y = 5401000.0 + (i / 50) * 2.0;
    std::snprintf(line, sizeof line, "ST%05d,%.3f,%.3f,100.000\n", i, x, y);
    design << line;
    if (chance(random) < 0.01) continue;  // never surveyed
    std::snprintf(line, sizeof line, "ST%05d,%.3f,%.3f,%.3f\n", i, x + noise(random),
                  y + noise(random), 100.0 + noise(random));
    survey << line;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path directory =
      argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
  writeFiles(directory);
  check::CheckRequest request;
  request.design = directory / "design.csv";
  request.survey = directory / "survey.csv";
  request.tolerances = survey::parseTolerances("x=0.02,y=0.02,z=0.015", survey::pointComponents());
  const double turn = 0.3;
  request.frame = survey::measuringFrame({512000, 5401000, 0}, {std::cos(turn), std::sin(turn), 0},
                                         {-std::sin(turn), std::cos(turn), 0});
  const check::CheckRun run = check::checkSurvey(request);
  check::DrawSettings settings;
  settings.textHeight = 0.1;

  auto model = std::make_shared<host::model::Document>();
  auto cad = std::make_shared<host::HostApplication>();
  cad->addDocument(model);
  const cad::Ref<cad::Document> drawing = cad->ActiveDocument();

  double start = processorSeconds();
  const check::draw::DrawnVectors drawn =
      check::draw::drawVectors(*drawing, run.report(), settings, request.frame);
  const double drawSeconds = processorSeconds() - start;
  const std::size_t entities = model->blocks()[0].entities.size();

  start = processorSeconds();
  check::draw::drawVectors(*drawing, run.report(), settings, request.frame,
                           [](std::size_t done, std::size_t total) { return done < total; });
  const double cancelSeconds = processorSeconds() - start;

  start = processorSeconds();
  host::dxf::saveDxf(*model, directory / "vectors.dxf");
  const double saveSeconds = processorSeconds() - start;

  std::printf("%zu pairs (%zu pass, %zu fail, %zu moved clear), %zu never surveyed: %zu entities\n",
              drawn.passing + drawn.failing, drawn.passing, drawn.failing, drawn.moved,
              drawn.missing, entities);
  std::printf("draw      %.3f s  (target under 2 s)\n", drawSeconds);
  std::printf("cancel    %.3f s  (drawn again, then all deleted)\n", cancelSeconds);
  std::printf("save dxf  %.3f s\n", saveSeconds);
  std::filesystem::remove(directory / "vectors.dxf");
  return 0;
}
