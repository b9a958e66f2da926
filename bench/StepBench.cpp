// Times the step from one individual to the next as the viewer takes it: the scroller moves
// one position, and its change notice rebuilds the Individual tab.
//
//   bench_steps [FILE] [--persons N] [--steps K] [--start POSITION]
//
// The steps start a quarter into the file unless --start says otherwise.
//
// Without FILE a GEDCOM file of N individuals (default 1,000,000) is generated once in the
// temporary folder and reused.  Prints the import time and the time per step.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "GedcomGenerator.h"
#include "model/ABSCollection.h"

using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
  std::string path;
  int persons = 1000000;
  int steps = 10000;
  int start = 0;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if ((arg == "--persons" || arg == "--steps" || arg == "--start") && i + 1 < argc) {
      int value = std::atoi(argv[++i]);
      (arg == "--persons" ? persons : arg == "--steps" ? steps : start) = value;
    } else if (!arg.empty() && arg[0] != '-') {
      path = arg;
    } else {
      std::fprintf(stderr, "usage: bench_steps [FILE] [--persons N] [--steps K] [--start POSITION]\n");
      return 2;
    }
  }
  double import_seconds = 0;
  std::unique_ptr<WABSCollection> collection = OpenBenchFile(path, persons, "bench_steps", &import_seconds);
  if (!collection) return 1;

  const StepTiming timing = TimeSteps(*collection, steps, start);
  std::printf("%d steps from position %d: %.3f ms per step, slowest %.3f ms, %.1f rows per individual\n",
              timing.steps, timing.start, timing.MsPerStep(), timing.slowest * 1000, timing.RowsPerStep());
  return 0;
}
