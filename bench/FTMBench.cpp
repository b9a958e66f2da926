// Times the Family Tree Maker reader on a large file written by the test writer, next to the
// GEDCOM reader on a generated GEDCOM file of the same number of people, in one run:
// opening (import and links), a list of every person (the fields `taravell-cli list`
// prints), the "Surname, Given" order, 10,000 scroller steps with the Individual tab, and
// the memory the reader keeps beyond the mapped file.
//
//   bench_ftm [FILE] [--persons N] [--steps K] [--no-gedcom] [--open-only]
//
// Without FILE a file of N people (default 1,000,000) is written once into the temporary
// folder and reused.  Families join people two by two; half the people are children of an
// earlier family; people have a record-change date and on average two or three other facts,
// a tenth a note (a few long ones), a fifth a citation of one of N / 100 sources.

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "GedcomGenerator.h"
#include "app/ReaderChoice.h"
#include "base/UIHooks.h"
#include "model/ABSIndividual.h"
#include "search/Attrib.h"
#include "search/ColSortIterator.h"
#include "support/FTWWriter.h"

using Clock = std::chrono::steady_clock;

namespace {

const char* const kSurnames[] = {
    "Smith",    "Johnson",    "Williams", "Brown",   "Jones",   "Miller",
    "Davis",    "Wilson",     "Anderson", "Taylor",  "Thomas",  "Moore",
    "Martin",   "Jackson",    "Thompson", "White",   "Harris",  "Clark",
    "Lewis",    "Robinson",   "Walker",   "Young",   "Allen",   "King",
    "Wright",   "Scott",      "Hill",     "Green",   "Adams",   "Baker",
    "Nelson",   "Carter",     "Mitchell", "Roberts", "Turner",  "Phillips",
    "Campbell", "Parker",     "Evans",    "Edwards", "Collins", "Stewart",
    "Morris",   "Murphy",     "Cook",     "Rogers",  "Morgan",  "Cooper",
    "Peterson", "Bailey",     "Reed",     "Kelly",   "Howard",  "Cox",
    "Ward",     "Richardson", "Watson",   "Brooks",  "Wood",    "Featherstonehaugh",
    "Hughes",   "Price",      "Myers"};
const char* const kGiven[] = {"John",   "William", "James",     "Charles",   "George",   "Frank",
                              "Joseph", "Thomas",  "Henry",     "Robert",    "Edward",   "Samuel",
                              "Mary",   "Anna",    "Emma",      "Elizabeth", "Margaret", "Minnie",
                              "Ida",    "Bertha",  "Clara",     "Alice",     "Annie",    "Florence",
                              "Sarah",  "Martha",  "Catherine", "Wilhelmina"};
const char* const kPlaces[] = {
    "Boston, Suffolk, Massachusetts",  "Salem, Essex, Massachusetts", "Keene, Cheshire, New Hampshire",
    "Montpelier, Washington, Vermont", "Hartford, Connecticut",       "Albany, New York",
    "Lancaster, Pennsylvania",         "Baltimore, Maryland",         "Richmond, Virginia"};

uint32_t Random(uint64_t& state) {
  state = state * 6364136223846793005ull + 1442695040888963407ull;
  return static_cast<uint32_t>(state >> 33);
}

ftw::Description BenchDescription(int persons) {
  ftw::Description d;
  uint64_t state = 1;
  const int sources = std::max(persons / 100, 1);
  for (int k = 1; k <= sources; ++k)
    d.sources.push_back({"Town records volume " + std::to_string(k), "Town clerk", "Printed 1911",
                         "TR-" + std::to_string(k), "", k % 7 == 0 ? "Indexed." : "", ""});
  const int families = (persons + 1) / 2;
  d.people.resize(static_cast<size_t>(persons));
  for (int i = 1; i <= persons; ++i) {
    ftw::Person& p = d.people[static_cast<size_t>(i) - 1];
    const uint32_t r = Random(state);
    const std::string given = kGiven[r % std::size(kGiven)];
    const std::string middle = kGiven[(r / 7) % std::size(kGiven)];
    p.name = given + " " + middle + " \\" + kSurnames[(r / 101) % std::size(kSurnames)] + "\\";
    p.sex = i % 2 ? 'M' : 'F';
    const int year = 1700 + static_cast<int>(r % 250);
    p.birth = ftw::DateWord(1 + static_cast<int>(r % 28), 1 + static_cast<int>((r / 28) % 12), year);
    p.birth_place = kPlaces[(r / 3) % std::size(kPlaces)];
    if (r % 10 < 6) {
      p.death =
          ftw::DateWord(1 + static_cast<int>((r / 5) % 28), 1 + static_cast<int>((r / 9) % 12), year + 60);
      p.death_place = kPlaces[(r / 11) % std::size(kPlaces)];
    }
    p.facts.push_back({"Record Change", ftw::DateWord(1 + static_cast<int>(r % 28), 3, 2004), 0, "", {}});
    if (r % 2) p.facts.push_back({"Occupation", ftw::DateWord(0, 0, year + 25), 0, "Farmer", {}});
    if (r % 5 < 2)
      p.facts.push_back(
          {"Residence", ftw::DateWord(0, 0, year + 30), 0, kPlaces[r % std::size(kPlaces)], {}});
    if (r % 10 < 3) p.facts.push_back({"Christening", ftw::DateWord(0, 0, year), 0, "", {}});
    if (r % 10 >= 7) p.facts.push_back({"Burial", ftw::DateWord(0, 0, year + 61), 0, "", {}});
    if (r % 5 == 4) p.facts.push_back({"Census", ftw::DateWord(0, 0, 1850), 0, "", {}});
    if (r % 10 == 3)
      p.note = "Mentioned in the town history as one of the first settlers of the valley, " + p.name;
    if (r % 200 == 17) p.note = std::string(5000, 'n');
    if (r % 5 == 1)
      p.citations = {{"", "page " + std::to_string(r % 400), 1 + static_cast<int>(r % sources)}};
    const int family = (i + 1) / 2;
    p.spouses = {family};
    // Family k's children are the husband of family 2k and the wife of family 2k + 1.
    if (i % 4 == 3 && family / 2 >= 1) p.parents = family / 2;
    if (i % 4 == 2 && (family - 1) / 2 >= 1 && family > 1) p.parents = (family - 1) / 2;
  }
  for (int f = 1; f <= families; ++f) {
    ftw::Family family;
    family.husband = 2 * f - 1;
    family.wife = std::min(2 * f, persons);
    family.date = ftw::DateWord(0, 6, 1720 + f % 230);
    family.place = kPlaces[static_cast<size_t>(f) % std::size(kPlaces)];
    d.families.push_back(family);
  }
  d.submitter = {{72, "Bench"}, {128, "Writer"}};
  return d;
}

std::string GeneratedPath(int persons) {
  const char* tmp = std::getenv("TMPDIR");
  const std::string path =
      std::string(tmp && *tmp ? tmp : "/tmp") + "/bench-ftm-" + std::to_string(persons) + ".ftw";
  struct stat st;
  if (stat(path.c_str(), &st) == 0 && st.st_size > 0) return path;
  std::printf("writing %s ...\n", path.c_str());
  std::fflush(stdout);
  const auto started = Clock::now();
  if (!ftw::Save(ftw::Write(BenchDescription(persons)), path)) return std::string();
  std::printf("written in %.1f s\n", Seconds(started));
  return path;
}

// Resident memory of the process (kB): in total, and in the mapping of the named file.
struct Resident {
  long total = 0, file = 0;
  long Beyond() const { return total - file; }
};
Resident ResidentMemory(const std::string& path) {
  Resident r;
  std::ifstream smaps("/proc/self/smaps");
  std::string line;
  bool in_file = false;
  while (std::getline(smaps, line)) {
    if (!line.empty() && std::isxdigit(static_cast<unsigned char>(line[0])) &&
        line.find('-') != std::string::npos && line.find(' ') != std::string::npos &&
        line.rfind("Rss:", 0) != 0) {
      in_file = line.size() >= path.size() && line.compare(line.size() - path.size(), path.size(), path) == 0;
    } else if (line.rfind("Rss:", 0) == 0) {
      const long kb = std::atol(line.c_str() + 4);
      r.total += kb;
      if (in_file) r.file += kb;
    }
  }
  return r;
}

// The fields `taravell-cli list` prints, for every individual.
double ListSeconds(WABSCollection& collection) {
  const auto started = Clock::now();
  size_t bytes = 0;
  for (RecNo n = 1; n <= collection.IndividualCount(); ++n) {
    std::unique_ptr<WABSIndividual> person = collection.GetIndividual(n);
    if (!person) continue;
    bytes += person->GetID().size() + person->GetDisplayName().size() +
             person->GetEventDateText(1, 1).size() + person->GetEventPlaceText(1, 1).size() +
             person->GetEventDateText(2, 1).size() + person->GetEventPlaceText(2, 1).size() +
             static_cast<size_t>(collection.GetFatherOf(n)) + static_cast<size_t>(collection.GetMotherOf(n)) +
             static_cast<size_t>(person->GetSex());
  }
  volatile size_t sink = bytes;
  (void)sink;
  return Seconds(started);
}

double SortSeconds(WABSCollection& collection) {
  WColSortIterator list(&collection, collection.IndividualCount());
  const auto started = Clock::now();
  if (!list.SortByColumn(acSurnameGiven)) return -1;
  return Seconds(started);
}

}  // namespace

int main(int argc, char** argv) {
  std::string path;
  int persons = 1000000;
  int steps = 10000;
  bool gedcom = true, open_only = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--persons" || arg == "--steps") && i + 1 < argc) {
      (arg == "--persons" ? persons : steps) = std::atoi(argv[++i]);
    } else if (arg == "--no-gedcom") {
      gedcom = false;
    } else if (arg == "--open-only") {
      open_only = true;
    } else if (!arg.empty() && arg[0] != '-') {
      path = arg;
    } else {
      std::fprintf(stderr, "usage: bench_ftm [FILE] [--persons N] [--steps K] [--no-gedcom] [--open-only]\n");
      return 2;
    }
  }
  if (path.empty()) path = GeneratedPath(persons);
  if (path.empty()) return 1;
  struct stat st;
  stat(path.c_str(), &st);

  // The memory a collection keeps beyond the mapped file: the most while the file is read
  // (sampled as the reader yields) and after.  Measured on an opening of its own, since the
  // sampling takes time.
  std::string error;
  const Resident before = ResidentMemory(path);
  long peak_beyond = 0, opened_beyond = 0;
  {
    int yields = 0;
    SetYieldHook([&] {
      if (++yields % 1000 == 0) peak_beyond = std::max(peak_beyond, ResidentMemory(path).Beyond());
    });
    std::unique_ptr<WABSCollection> collection = CreateCollectionForFile(path, error);
    if (!collection || !collection->Import()) {
      std::fprintf(stderr, "bench_ftm: %s\n", collection ? "the file could not be read" : error.c_str());
      return 1;
    }
    collection->BuildLinks();
    SetYieldHook(nullptr);
    opened_beyond = ResidentMemory(path).Beyond();
    peak_beyond = std::max(peak_beyond, opened_beyond);
  }

  auto started = Clock::now();
  std::unique_ptr<WABSCollection> collection = CreateCollectionForFile(path, error);
  if (!collection || !collection->Import()) return 1;
  collection->BuildLinks();
  const double open_seconds = Seconds(started);
  const int count = collection->IndividualCount();
  std::printf("opened %s (%.0f MB): %d individuals, %d families, %d notes, %d sources in %.2f s\n",
              path.c_str(), static_cast<double>(st.st_size) / 1e6, count, collection->FamilyCount(),
              collection->NoteCount(), collection->SourceCount(), open_seconds);
  if (open_only) return 0;

  const double list_seconds = ListSeconds(*collection);
  std::printf("list of %d individuals: %.2f s\n", count, list_seconds);

  const double sort_seconds = SortSeconds(*collection);
  std::printf("\"Surname, Given\" order: %.2f s\n", sort_seconds);

  const StepTiming timing = TimeSteps(*collection, steps);
  std::printf("%d steps: %.3f ms per step, slowest %.3f ms\n", timing.steps, timing.MsPerStep(),
              timing.slowest * 1000);

  const Resident after = ResidentMemory(path);
  auto per_person = [count](long kb) { return count > 0 ? static_cast<double>(kb) * 1024 / count : 0.0; };
  std::printf(
      "memory beyond the mapped file: %.0f bytes per person at most while opening, %.0f after opening, %.0f "
      "after "
      "the list, the sort and the steps (resident %ld MB, of it %ld MB of the file)\n",
      per_person(peak_beyond - before.Beyond()), per_person(opened_beyond - before.Beyond()),
      per_person(after.Beyond() - before.Beyond()), after.total / 1024, after.file / 1024);
  collection.reset();

  if (gedcom) {
    double import_seconds = 0;
    std::unique_ptr<WABSCollection> ged = OpenBenchFile("", persons, "bench_ftm", &import_seconds);
    if (!ged) return 1;
    const double ged_list = ListSeconds(*ged);
    const double ged_sort = SortSeconds(*ged);
    std::printf("GEDCOM of %d individuals: opened in %.2f s, list %.2f s, \"Surname, Given\" order %.2f s\n",
                ged->IndividualCount(), import_seconds, ged_list, ged_sort);
    std::printf("Family Tree Maker / GEDCOM: open %.2f x, list %.2f x, sort %.2f x\n",
                open_seconds / import_seconds, list_seconds / ged_list, sort_seconds / ged_sort);
  }
  return 0;
}
