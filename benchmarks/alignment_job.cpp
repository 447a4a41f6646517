#include "alignment_job.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "check/alignment_run.h"
#include "check/report/offscreen_pdf.h"
#include "job_timing.h"
#include "survey/alignment_check.h"
#include "survey/comparison.h"

namespace benchmark {
namespace {

using Eigen::Vector2d;

constexpr int kShots = 100'000;
constexpr int kGroups = 125;  // of four elements: line, spiral, arc, spiral
constexpr double kRadius = 400.0;

// Curves to the left and the right in turn, each eased in and out by a spiral: 160 m a group.
survey::HorizontalAlignment longRoad() {
  std::vector<survey::PlanElement> elements;
  Vector2d at(512000.0, 5401000.0);
  double heading = 0.3;
  const auto add = [&](survey::PlanElement element) {
    at = element.pointAt(element.length());
    heading = element.headingAt(element.length());
    elements.push_back(std::move(element));
  };
  for (int group = 0; group < kGroups; ++group) {
    const double turn = group % 2 == 0 ? 1.0 : -1.0;
    add(survey::PlanElement::line(at, at + 60.0 * Vector2d(std::cos(heading), std::sin(heading))));
    add(survey::PlanElement::spiral(at, heading, 30.0, 0.0, turn / kRadius));
    const Vector2d center = at + turn * kRadius * Vector2d(-std::sin(heading), std::cos(heading));
    const double from = std::atan2(at.y() - center.y(), at.x() - center.x());
    const double to = from + turn * 40.0 / kRadius;
    add(survey::PlanElement::arc(
        at, center, center + kRadius * Vector2d(std::cos(to), std::sin(to)), turn < 0.0));
    add(survey::PlanElement::spiral(at, heading, 30.0, turn / kRadius, 0.0));
  }
  return {std::move(elements), 0.0};
}

// Grades of ±2 % every 200 m, the changes rounded by parabolas and circles in turn.
survey::Profile rollingProfile(double length) {
  std::vector<survey::Pvi> pvis{{0.0, 100.0}};
  for (int i = 1; i * 200.0 < length; ++i) {
    const auto curve = i % 2 == 0 ? survey::VerticalCurve::Parabola : survey::VerticalCurve::Circle;
    pvis.push_back({i * 200.0, 100.0 + (i % 2) * 4.0, curve, 80.0,
                    curve == survey::VerticalCurve::Circle ? 2000.0 : 0.0});
  }
  pvis.push_back({length, pvis.back().level});
  return survey::Profile(std::move(pvis));
}

}  // namespace

void runAlignmentJob() {
  survey::Alignment road{"benchmark", longRoad(), std::nullopt};
  road.profile = rollingProfile(road.plan.endChainage());
  std::mt19937 random(35);
  std::uniform_real_distribution<double> along(0.0, road.plan.endChainage());
  std::uniform_real_distribution<double> across(-12.0, 12.0);
  std::vector<survey::Point> shots(kShots);
  std::vector<double> chainages(kShots);
  for (int i = 0; i < kShots; ++i) {
    chainages[i] = along(random);
    const double heading = road.plan.headingAt(chainages[i]);
    const Vector2d p = road.plan.pointAt(chainages[i]) +
                       across(random) * Vector2d(std::sin(heading), -std::cos(heading));
    shots[i] = {"S" + std::to_string(i), p.x(), p.y(), 101.0, 0, "EDGE"};
  }
  survey::CrossSection section;
  section.maxOffset = 15.0;
  const double start = processorSeconds();
  const std::vector<survey::AlignedShot> aligned = survey::alignShots(road, shots, section);
  const double station = processorSeconds() - start;
  survey::Tolerances tolerances;
  tolerances.set(survey::kOffsetDifference, {-0.02, 0.02});
  const survey::Comparison comparison =
      survey::compare(survey::AlignedShots(aligned, shots), tolerances, 3);
  const double total = processorSeconds() - start;
  // Shots near the inside of a curve may be nearer another element; the largest miss of the
  // chainage a shot was placed at says whether that happens.
  double largestMiss = 0.0;
  for (const survey::AlignedShot& shot : aligned) {
    largestMiss = std::max(largestMiss, std::abs(shot.station.chainage - chainages[shot.shot]));
  }
  std::printf("\nalignment: %d shots, %.0f m of %zu elements, %zu failing\n", kShots,
              road.plan.endChainage(), road.plan.elements().size(), comparison.failed);
  std::printf("%-8s %10s %8s %14s\n", "", "stations", "total", "largest miss");
  std::printf("%-8s %9.3fs %7.3fs %12.2e m\n", "kestova", station, total, largestMiss);

  check::AlignmentRun run;
  run.alignment = std::move(road);
  run.described = "the benchmark's road";
  run.section = section;
  run.design.name = "benchmark.xml";
  run.survey.name = "benchmark.csv";
  run.survey.points = std::move(shots);
  run.shots = aligned;
  for (const survey::AlignedShot& shot : run.shots) run.outside += shot.outside ? 1 : 0;
  run.comparison = comparison;
  run.tolerances = tolerances;
  run.numberFormat = "###0.000";
  const std::filesystem::path pdf =
      std::filesystem::temp_directory_path() / "kestova_alignment_benchmark.pdf";
  const long before = peakKilobytes();
  const double pdfStart = processorSeconds();
  check::report::saveAlignmentPdfReportOffscreen(pdf, run, run.report());
  const double pdfSeconds = processorSeconds() - pdfStart;
  std::printf("%-8s %9.3fs, %.1f MB, its peak memory %ld MB above the check's\n", "pdf", pdfSeconds,
              static_cast<double>(std::filesystem::file_size(pdf)) / 1e6,
              (peakKilobytes() - before) / 1024);
  std::filesystem::remove(pdf);
}

}  // namespace benchmark
