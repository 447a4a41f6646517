#pragma once

#include <string>

// What the benchmarks measure of a job, and how they start one in a fresh process of its own so
// that its peak memory is the job's alone.
namespace benchmark {

// Processor time of this process in seconds: the machine may be shared, and the targets are for
// one core.
double processorSeconds();

// Seconds on a steady clock: what the user waits, however many cores the job keeps busy.
double wallSeconds();

// The largest resident memory of this process so far, in kilobytes.
long peakKilobytes();

// What `command`, run by the shell, printed on its standard output; empty when it could not start.
std::string outputOf(const std::string& command);

}  // namespace benchmark
