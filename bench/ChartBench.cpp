// Times the two charts on a large file: the descendants list of the first person to 32
// generations (the list itself, then the texts of every row as the CLI prints them), and the
// Pedigree tab redrawn on each scroller step (the ancestors read and the boxes painted into an
// image of the tab's size).
//
//   bench_charts [FILE] [--persons N] [--steps K] [--generations G]
//
// Without FILE a GEDCOM file of N individuals (default 1,000,000) is generated once in the
// temporary folder and reused.  Runs without a display (offscreen).

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "GedcomGenerator.h"
#include "StepTiming.h"
#include "gui/views/PedPanel.h"
#include "model/ABSCollection.h"
#include "views/DescendantsLogic.h"

using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
  std::string path;
  int persons = 1000000, steps = 200, generations = 32;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--persons" || arg == "--steps" || arg == "--generations") && i + 1 < argc) {
      const int value = std::atoi(argv[++i]);
      (arg == "--persons" ? persons : arg == "--steps" ? steps : generations) = value;
    } else if (!arg.empty() && arg[0] != '-') {
      path = arg;
    } else {
      std::fprintf(stderr, "usage: bench_charts [FILE] [--persons N] [--steps K] [--generations G]\n");
      return 2;
    }
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  double import_seconds = 0;
  std::unique_ptr<WABSCollection> collection = OpenBenchFile(path, persons, "bench_charts", &import_seconds);
  if (!collection) return 1;

  WDescendantsLogic list;
  list.SetCollection(collection.get());
  list.SetGenerationLimit(generations);
  Clock::time_point started = Clock::now();
  double cpu = CpuSeconds();
  list.SetIndividual(1);
  const double build = Seconds(started), build_cpu = CpuSeconds() - cpu;
  int deepest = 0;
  for (const DescendantRow& row : list.Rows()) deepest = std::max(deepest, row.generation);
  std::printf("descendants of 1 to %d generations: %d rows, %d generations deep, %.3f s (cpu %.3f s)\n",
              generations, list.RowCount(), deepest, build, build_cpu);
  // Built again, as when the tab comes back to the person: the reader has the records it
  // looked at in its cache now.
  started = Clock::now();
  cpu = CpuSeconds();
  list.Refresh();
  std::printf("built again: %.3f s (cpu %.3f s)\n", Seconds(started), CpuSeconds() - cpu);
  started = Clock::now();
  cpu = CpuSeconds();
  size_t bytes = 0;
  for (int i = 0; i < list.RowCount(); ++i) bytes += list.Texts(i).name.size();
  std::printf("texts of every row: %.3f s (cpu %.3f s, %zu bytes of names)\n", Seconds(started),
              CpuSeconds() - cpu, bytes);

  // The pedigree tab at the size it has in a maximized window, stepping as the scroller does,
  // from a quarter into the file where people have four generations of ancestors.
  WPedPanel panel;
  panel.resize(1100, 640);
  panel.SetCollection(collection.get());
  QImage image(panel.size(), QImage::Format_RGB32);
  const int count = collection->IndividualCount();
  const int start = std::max(1, std::min(count * 3 / 4, count - steps));
  double slowest = 0;
  size_t boxes = 0;
  started = Clock::now();
  for (int n = start; n < start + steps && n <= count; ++n) {
    const Clock::time_point step = Clock::now();
    panel.SetIndividual(n);
    panel.render(&image);
    boxes += panel.Logic().Entries().size();
    slowest = std::max(slowest, Seconds(step));
  }
  const double total = Seconds(started);
  std::printf("pedigree tab: %d steps from %d: %.3f ms per step, slowest %.3f ms, %.1f boxes per step\n",
              steps, start, total * 1000 / steps, slowest * 1000, static_cast<double>(boxes) / steps);
  return 0;
}
