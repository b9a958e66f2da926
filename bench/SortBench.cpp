// Times the search orders as advanced find builds and uses them: the "Surname, Given" order
// (keys built from every individual, then the sort) and prefix searches in it, next to the
// import time of the same file in the same run.
//
//   bench_sort [FILE] [--persons N] [--searches K]
//
// Without FILE a GEDCOM file of N individuals (default 1,000,000) is generated once in the
// temporary folder and reused.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "GedcomGenerator.h"
#include "model/ABSCollection.h"
#include "search/Attrib.h"
#include "search/ColSortIterator.h"

using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
  std::string path;
  int persons = 1000000;
  int searches = 1000;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if ((arg == "--persons" || arg == "--searches") && i + 1 < argc) {
      (arg == "--persons" ? persons : searches) = std::atoi(argv[++i]);
    } else if (!arg.empty() && arg[0] != '-') {
      path = arg;
    } else {
      std::fprintf(stderr, "usage: bench_sort [FILE] [--persons N] [--searches K]\n");
      return 2;
    }
  }
  double import_seconds = 0;
  std::unique_ptr<WABSCollection> collection = OpenBenchFile(path, persons, "bench_sort", &import_seconds);
  if (!collection) return 1;

  WColSortIterator list(collection.get(), collection->IndividualCount());
  auto started = Clock::now();
  if (!list.SortByColumn(acSurnameGiven)) {
    std::fprintf(stderr, "bench_sort: the sort did not finish\n");
    return 1;
  }
  const double sort_seconds = Seconds(started);
  std::printf("\"Surname, Given\" order of %d individuals in %.2f s (%.2f x the import)\n", list.Count(),
              sort_seconds, import_seconds > 0 ? sort_seconds / import_seconds : 0.0);

  // Typed texts from a prefix that matches a long run to one that matches nothing.
  const struct {
    const char* surname;
    const char* given;
  } kTexts[] = {{"smi", ""}, {"smith", "jo"}, {"hughes", "sarah"}, {"smz", ""}, {"zzz", ""}, {"w", "w"}};
  // The first search also pays for reading its records from disk; it is shown apart.
  double first = 0, slowest = 0, total = 0;
  int over_one_ms = 0;
  int32_t landed = 0;
  searches = std::max(searches, 1);
  for (int i = 0; i < searches; ++i) {
    const auto& text = kTexts[i % std::size(kTexts)];
    auto search_started = Clock::now();
    landed += FindBySurnameGiven(list, text.surname, text.given);
    const double seconds = Seconds(search_started);
    total += seconds;
    if (seconds > 0.001) ++over_one_ms;
    if (i == 0)
      first = seconds;
    else
      slowest = std::max(slowest, seconds);
  }
  std::printf(
      "%d prefix searches: %.3f ms each on average, the first %.3f ms, the slowest after it %.3f ms,"
      " %d over 1 ms (checksum %d)\n",
      searches, total * 1000 / searches, first * 1000, slowest * 1000, over_one_ms, landed);
  return 0;
}
