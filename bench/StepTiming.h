#pragma once

#include <chrono>
#include <cstddef>

class WABSCollection;

// Seconds since a point of the steady clock.
inline double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Processor time (user and system) of this process and its finished children: on a shared machine
// the wall clock also counts the time other programs had the processor.
double CpuSeconds();

// What a walk through the people with the scroller cost.
struct StepTiming {
  int start = 0;       // the position the walk began at
  int steps = 0;       // the steps taken
  double seconds = 0;  // wall clock of all steps
  double cpu = 0;      // processor time of all steps
  double slowest = 0;  // wall clock of the slowest step
  size_t rows = 0;     // Individual tab rows built on the way

  double MsPerStep() const { return steps ? seconds * 1000 / steps : 0; }
  double CpuMsPerStep() const { return steps ? cpu * 1000 / steps : 0; }
  double RowsPerStep() const { return steps ? static_cast<double>(rows) / steps : 0; }
};

// Moves the scroller one person at a time for `steps` steps, building the Individual tab's rows at
// every step as the viewer does.  The walk begins at `start`, or a quarter in when `start` is 0 (where
// people have parents, a spouse and children), and is moved back to fit before the last person.
StepTiming TimeSteps(WABSCollection& collection, int steps, int start = 0);
