#include "StepTiming.h"

#include <sys/resource.h>

#include <algorithm>

#include "model/ABSCollection.h"
#include "views/IndPanelLogic.h"
#include "views/IndScrollLogic.h"

double CpuSeconds() {
  double total = 0;
  for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
    rusage usage{};
    getrusage(who, &usage);
    total += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
             static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  }
  return total;
}

StepTiming TimeSteps(WABSCollection& collection, int steps, int start) {
  WIndScrollLogic scroller;
  WIndPanelLogic panel;
  panel.SetCollection(&collection);
  StepTiming timing;
  scroller.OnChange = [&] {
    panel.SetIndividual(scroller.CurrentIndividual());
    timing.rows += panel.Rows().size();
  };
  scroller.SetCollection(&collection);
  const int count = collection.DisplayCount();
  if (start < 1) start = count / 4;
  if (start + steps > count) start = std::max(1, count - steps);
  scroller.UserScroll(start, false);
  timing.start = start;
  timing.rows = 0;
  const auto started = std::chrono::steady_clock::now();
  const double cpu = CpuSeconds();
  for (int i = 1; i <= steps && start + i <= count; ++i) {
    const auto step_started = std::chrono::steady_clock::now();
    scroller.UserScroll(start + i, false);
    timing.slowest = std::max(timing.slowest, Seconds(step_started));
    ++timing.steps;
  }
  timing.seconds = Seconds(started);
  timing.cpu = CpuSeconds() - cpu;
  scroller.SetCollection(nullptr);
  panel.SetCollection(nullptr);
  return timing;
}
