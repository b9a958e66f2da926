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
#include "views/IndPanelLogic.h"
#include "views/IndScrollLogic.h"

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

  WIndScrollLogic scroller;
  WIndPanelLogic panel;
  panel.SetCollection(collection.get());
  size_t rows = 0;
  scroller.OnChange = [&] {
    panel.SetIndividual(scroller.CurrentIndividual());
    rows += panel.Rows().size();
  };
  scroller.SetCollection(collection.get());
  const int count = collection->DisplayCount();
  // A quarter in, people have parents, a spouse and children.
  if (start < 1) start = count / 4;
  if (start + steps > count) start = std::max(1, count - steps);
  scroller.UserScroll(start, false);

  double slowest = 0;
  rows = 0;
  auto started = Clock::now();
  for (int i = 1; i <= steps; ++i) {
    auto step_started = Clock::now();
    scroller.UserScroll(start + i, false);
    slowest = std::max(slowest, Seconds(step_started));
  }
  const double total = Seconds(started);
  std::printf("%d steps from position %d: %.3f ms per step, slowest %.3f ms, %.1f rows per individual\n",
              steps, start, total * 1000 / steps, slowest * 1000,
              steps ? static_cast<double>(rows) / steps : 0.0);
  return 0;
}
