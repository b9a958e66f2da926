// Times a PAF 5 database of N people (default 1,000,000) next to the GEDCOM file of the same
// people, in one run: opening (import and links), `taravell-cli list` of everyone, the
// "Surname, Given" order of advanced find, 10,000 steps of the individual scroller with the
// Individual tab rebuilt at each, and the memory the PAF reader keeps beyond its mapped file.
//
//   bench_paf [--persons N] [--steps K]
//
// Both files are generated once in the temporary folder and reused: the GEDCOM file by the
// GEDCOM generator, the PAF file by the test writer from the same people (name, sex, birth,
// occupation, death, a two-line note, one family as a spouse, parents for most).

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "GedcomGenerator.h"
#include "app/ReaderChoice.h"
#include "model/ABSCollection.h"
#include "search/Attrib.h"
#include "search/ColSortIterator.h"
#include "support/PAFWriter.h"

using Clock = std::chrono::steady_clock;

namespace {

using namespace generated;

// The people of the GEDCOM generator, as a PAF book.
PAFBook BenchBook(int persons) {
  PAFBook book;
  book.version = 5;
  const int families = (persons + 1) / 2;
  book.person_count = families * 2;
  book.family_count = families;
  book.person = [](int p) {
    const bool male = p % 2 == 1;
    const int born = 1400 + 30 * Generation((p + 1) / 2) + p % 7;
    PAFPerson person;
    person.sex = male ? 'M' : 'F';
    person.given = male ? kMen[p / 2 % 4] : kWomen[p / 2 % 4];
    person.surname = kSurnames[(p / 2) % 8];
    person.birth.date.day = 1 + p % 28;
    person.birth.date.month = 1 + p % 12;
    person.birth.date.year = born;
    person.birth.place = kPlaces[p % 4];
    PAFOtherEvent occupation;
    occupation.type = "Occupation";
    occupation.description = "Labourer";
    occupation.event.date.year = born + 25;
    person.others = {occupation};
    person.death.date.year = born + 60 + p % 20;
    person.death.place = kPlaces[(p + 1) % 4];
    person.note = "Generated individual " + std::to_string(p) + ".\nSecond line of the note.";
    return person;
  };
  book.family = [families](int f) {
    PAFFamily family;
    family.husband = 2 * f - 1;
    family.wife = 2 * f;
    family.marriage.date.year = 1425 + 30 * Generation(f);
    if (2 * f <= families) family.children.push_back(4 * f - 1);
    if (2 * f + 1 <= families) family.children.push_back(4 * f + 2);
    return family;
  };
  return book;
}

std::string GeneratedPafPath(int persons) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("taravell-bench-" + std::to_string(persons) + ".paf"))
          .string();
  if (std::filesystem::exists(path)) return path;
  auto started = Clock::now();
  if (!PAFWriter::WriteFile(BenchBook(persons), path)) {
    std::fprintf(stderr, "bench_paf: cannot write %s\n", path.c_str());
    return std::string();
  }
  std::printf("generated %s in %.2f s\n", path.c_str(), Seconds(started));
  return path;
}

// Kilobytes of a field of /proc/self/status ("VmRSS:").
long StatusKb(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
  return 0;
}

// Resident kilobytes of the mappings of one file.
long MappedKb(const std::string& path) {
  std::ifstream in("/proc/self/smaps");
  std::string line;
  bool inside = false;
  long kb = 0;
  const std::string name = std::filesystem::canonical(path).string();
  while (std::getline(in, line)) {
    if (!line.empty() && std::isxdigit(static_cast<unsigned char>(line[0])) && line.find('-') < 16) {
      inside = line.size() >= name.size() && line.compare(line.size() - name.size(), name.size(), name) == 0;
    } else if (inside && line.rfind("Rss:", 0) == 0) {
      kb += std::atol(line.c_str() + 4);
    }
  }
  return kb;
}

struct Opened {
  std::unique_ptr<WABSCollection> collection;
  double seconds = 0;
};

Opened OpenTimed(const std::string& path) {
  Opened opened;
  std::string error;
  auto started = Clock::now();
  opened.collection = CreateCollectionForFile(path, error);
  if (!opened.collection || !opened.collection->Import()) {
    std::fprintf(stderr, "bench_paf: %s: %s\n", path.c_str(),
                 error.empty() ? "cannot be read" : error.c_str());
    opened.collection.reset();
    return opened;
  }
  opened.collection->BuildLinks();
  opened.seconds = Seconds(started);
  return opened;
}

double ListSeconds(const std::string& path) {
  const std::string cli = std::string(TARAVELL_CLI) + " list '" + path + "' > /dev/null";
  auto started = Clock::now();
  if (std::system(cli.c_str()) != 0) std::fprintf(stderr, "bench_paf: %s failed\n", cli.c_str());
  return Seconds(started);
}

double SortSeconds(WABSCollection& collection) {
  WColSortIterator list(&collection, collection.IndividualCount());
  auto started = Clock::now();
  if (!list.SortByColumn(acSurnameGiven)) std::fprintf(stderr, "bench_paf: the sort did not finish\n");
  return Seconds(started);
}

// Milliseconds per scroller step (and the slowest step).
std::pair<double, double> StepMs(WABSCollection& collection, int steps) {
  const StepTiming timing = TimeSteps(collection, steps);
  return {timing.MsPerStep(), timing.slowest * 1000};
}

}  // namespace

int main(int argc, char** argv) {
  int persons = 1000000, steps = 10000;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--persons" || arg == "--steps") && i + 1 < argc) {
      (arg == "--persons" ? persons : steps) = std::atoi(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: bench_paf [--persons N] [--steps K]\n");
      return 2;
    }
  }
  const std::string paf = GeneratedPafPath(persons), ged = GeneratedGedcomPath(persons, "bench_paf");
  if (paf.empty() || ged.empty()) return 1;
  for (const std::string& file : {paf, ged}) std::system(("cat '" + file + "' > /dev/null").c_str());  // warm

  const long before_kb = StatusKb("VmRSS:");
  Opened p = OpenTimed(paf);
  if (!p.collection) return 1;
  const long after_kb = StatusKb("VmRSS:"), mapped_kb = MappedKb(paf);
  const int n = p.collection->IndividualCount();
  std::printf("PAF 5: %d individuals, %d families, %.1f MB\n", n, p.collection->FamilyCount(),
              std::filesystem::file_size(paf) / 1e6);
  std::printf("open (import + links): PAF %.3f s\n", p.seconds);
  std::printf(
      "memory after import beyond the mapped file: %.1f bytes per person (RSS +%ld kB, mapping %ld kB)\n",
      (after_kb - before_kb - mapped_kb) * 1024.0 / n, after_kb - before_kb, mapped_kb);
  Opened g = OpenTimed(ged);
  if (!g.collection) return 1;
  std::printf("open (import + links): GEDCOM %.3f s\n", g.seconds);

  const double list_paf = ListSeconds(paf), list_ged = ListSeconds(ged);
  std::printf("taravell-cli list: PAF %.2f s, GEDCOM %.2f s (PAF / GEDCOM %.2f)\n", list_paf, list_ged,
              list_paf / list_ged);
  const double sort_paf = SortSeconds(*p.collection), sort_ged = SortSeconds(*g.collection);
  std::printf("\"Surname, Given\" order: PAF %.2f s, GEDCOM %.2f s (PAF / GEDCOM %.2f)\n", sort_paf, sort_ged,
              sort_paf / sort_ged);
  const auto [paf_step, paf_slowest] = StepMs(*p.collection, steps);
  const auto [ged_step, ged_slowest] = StepMs(*g.collection, steps);
  std::printf("%d scroller steps: PAF %.3f ms per step (slowest %.3f), GEDCOM %.3f ms (slowest %.3f)\n",
              steps, paf_step, paf_slowest, ged_step, ged_slowest);
  return 0;
}
