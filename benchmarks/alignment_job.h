#pragma once

// Shots checked along a long alignment, the other half of the check benchmark.
namespace benchmark {

// Times 100k shots against a 20 km alignment of 500 lines, clothoid spirals and arcs with a
// profile of parabolic and circular vertical curves, and the PDF report of that check, and
// prints the figures.
void runAlignmentJob();

}  // namespace benchmark
