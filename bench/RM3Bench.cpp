// Times a RootsMagic 3 family file of N people (default 1,000,000) the way the viewer uses it,
// next to a GEDCOM file of the same number of people in the same run:
//   - open: import and links, with the memory the indexes hold per person;
//   - list: one line per person as `taravell-cli list` prints it;
//   - the "Surname, Given" order of both files;
//   - K scroller steps (default 10,000) through the RootsMagic file.
//
//   bench_rm3 [--persons N] [--steps K]
//
// The files are generated once into the temporary folder with the test writer (RM3Writer) and
// the GEDCOM generator, and reused.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "GedcomGenerator.h"
#include "formats/rm3/RM3Collection.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"
#include "search/Attrib.h"
#include "search/ColSortIterator.h"
#include "support/RM3Writer.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

const char* kSurnames[] = {"Smith",  "Johnson", "Williams", "Brown",    "Jones",  "Garcia",  "Miller",
                           "Davis",  "Wilson",  "Moore",    "Taylor",   "Thomas", "Jackson", "White",
                           "Harris", "Martin",  "Clark",    "Lewis",    "Walker", "Hall",    "Allen",
                           "Young",  "King",    "Wright",   "Hill",     "Scott",  "Green",   "Adams",
                           "Baker",  "Nelson",  "Carter",   "Mitchell", "Hughes", "Parker",  "Evans",
                           "Turner", "Collins", "Edwards",  "Stewart",  "Morris"};
const char* kMale[] = {"John",   "William", "James", "George", "Charles",
                       "Thomas", "Joseph",  "Henry", "Robert", "Edward"};
const char* kFemale[] = {"Mary", "Anna",  "Elizabeth", "Margaret", "Sarah",
                         "Emma", "Alice", "Martha",    "Clara",    "Ruth"};

// A deterministic pseudo-random number.
uint32_t Mix(uint32_t x) {
  x ^= x >> 16;
  x *= 0x7FEB352Du;
  x ^= x >> 15;
  x *= 0x846CA68Bu;
  return x ^ (x >> 16);
}

// The family file of `persons` people: family k joins people 2k-1 and 2k, whose children are
// the husband of family 2k and the wife of family 2k+1 (as the GEDCOM generator does).  Every
// person has a birth, most a death and a burial, some a christening and an occupation; 2,000
// places; 1,000 sources, cited by a fifth of the people.
RM3Writer Generate(int persons) {
  RM3Writer w;
  w.submitter_name = "Bench";
  const int families = persons / 2;
  int next_event = 1, next_link = 1;
  auto event = [&](char owner_type, int owner, int type, int year, int month, int day, int place) {
    RM3Writer::Event e;
    e.id = next_event++;
    e.owner_type = owner_type;
    e.owner = owner;
    e.type = type;
    e.date = RM3Writer::Date(year, month, day);
    e.sort_date = RM3Writer::SortDate(year, month, day);
    e.place = place;
    w.events.push_back(std::move(e));
  };
  w.people.reserve(static_cast<size_t>(persons));
  w.events.reserve(static_cast<size_t>(persons) * 4);
  for (int id = 1; id <= persons; ++id) {
    const uint32_t r = Mix(static_cast<uint32_t>(id));
    const bool male = id % 2 == 1;
    RM3Writer::Person p(id, male ? "M" : "F", male ? kMale[r % 10] : kFemale[r % 10],
                        kSurnames[(r >> 8) % 40]);
    p.edit_date = "20240101";
    w.people.push_back(std::move(p));
    const int born = 1700 + static_cast<int>((r >> 4) % 300);
    const int place = 1 + static_cast<int>((r >> 12) % 2000);
    event('P', id, 1, born, 1 + static_cast<int>(r % 12), 1 + static_cast<int>((r >> 3) % 28), place);
    if (r % 10 < 7) {
      event('P', id, 2, born + 60, 1 + static_cast<int>((r >> 5) % 12), 1 + static_cast<int>((r >> 7) % 28),
            place);
      event('P', id, 4, born + 60, 0, 0, place);
    }
    if (r % 10 < 3) event('P', id, 3, born, 0, 0, place);
    if (r % 2) {
      event('P', id, 10, born + 25, 0, 0, 0);
      w.events.back().details = "Farmer";
    }
    if (r % 5 == 0)
      w.links.push_back(
          {next_link++, 1, 1, 1 + static_cast<int>(r % 1000), id, RM3Writer::Parts({"", "p. 1"})});
  }
  for (int k = 1; k <= families; ++k) {
    w.families.push_back({k, 2 * k - 1, 2 * k});
    event('F', k, 300, 1720 + k % 280, 6, 1 + k % 28, 1 + k % 2000);
    if (2 * k <= families) w.children.push_back({2 * (2 * k) - 1, k, 1});
    if (2 * k + 1 <= families) w.children.push_back({2 * (2 * k + 1), k, 2});
  }
  for (int id = 1; id <= 2000; ++id)
    w.places.push_back({id, "Town " + std::to_string(id) + ", County, State"});
  for (int id = 1; id <= 1000; ++id) w.sources.push_back({id, "Source " + std::to_string(id), "", ""});
  return w;
}

// The generated file set, written on first use by a child process (so that the memory the
// writer needs does not count as this process's peak).
std::string GeneratedRM3Path(int persons) {
  const fs::path dir = fs::temp_directory_path() / ("taravell-bench-rm3-" + std::to_string(persons));
  const std::string rmg = (dir / "family.rmg").string();
  if (fs::exists(rmg) && fs::exists(dir / "family_T.dbf")) return rmg;
  fs::create_directories(dir);
  std::printf("writing %s ...\n", rmg.c_str());
  std::fflush(stdout);
  const pid_t child = fork();
  if (child == 0) {
    Generate(persons).Write(dir.string(), "family");
    std::_Exit(0);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || status != 0) return std::string();
  return rmg;
}

// Bytes of the table files of the set.
int64_t TableBytes(const std::string& rmg) {
  int64_t bytes = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(rmg).parent_path()))
    if (entry.path().extension() == ".dbf") bytes += static_cast<int64_t>(entry.file_size());
  return bytes;
}

long PeakResidentKB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// What `taravell-cli list` reads for one person.
size_t ListLine(WABSCollection& collection, RecNo n) {
  std::unique_ptr<WABSIndividual> person = collection.GetIndividual(n);
  if (!person) return 0;
  return person->GetID().size() + static_cast<size_t>(person->GetSex()) + person->GetDisplayName().size() +
         person->GetEventDateText(1).size() + person->GetEventPlaceText(1).size() +
         person->GetEventDateText(2).size() + person->GetEventPlaceText(2).size() +
         static_cast<size_t>(collection.GetFatherOf(n) + collection.GetMotherOf(n));
}

// Wall and processor seconds of the "Surname, Given" order.
std::pair<double, double> SortSeconds(WABSCollection& collection) {
  WColSortIterator list(&collection, collection.IndividualCount());
  auto started = Clock::now();
  const double cpu = CpuSeconds();
  if (!list.SortByColumn(acSurnameGiven)) return {-1, -1};
  return {Seconds(started), CpuSeconds() - cpu};
}

}  // namespace

int main(int argc, char** argv) {
  int persons = 1000000;
  int steps = 10000;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if ((arg == "--persons" || arg == "--steps") && i + 1 < argc) {
      (arg == "--persons" ? persons : steps) = std::atoi(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: bench_rm3 [--persons N] [--steps K]\n");
      return 2;
    }
  }
  const std::string rmg = GeneratedRM3Path(persons);
  if (rmg.empty()) return 1;
  const long rss_before = PeakResidentKB();

  double open_seconds = 0;
  double cpu = CpuSeconds();
  std::unique_ptr<WABSCollection> collection = OpenBenchFile(rmg, persons, "bench_rm3", &open_seconds);
  if (!collection) return 1;
  const double open_cpu = CpuSeconds() - cpu;
  const int people = collection->IndividualCount();
  const auto* rm3 = dynamic_cast<const WRM3Collection*>(collection.get());
  const double index_bytes = rm3 ? static_cast<double>(rm3->IndexBytes()) : 0;
  const double growth = static_cast<double>(PeakResidentKB() - rss_before) * 1024;
  std::printf("RootsMagic open: %.2f s (processor %.2f s) for %d people\n", open_seconds, open_cpu, people);
  std::printf(
      "  memory: the reader's index arrays %.1f bytes a person; peak growth beyond the mapped tables "
      "(%.0f MB) %.1f bytes a person (link tables and the event sort included)\n",
      index_bytes / people, static_cast<double>(TableBytes(rmg)) / 1e6,
      (growth - static_cast<double>(TableBytes(rmg))) / people);

  auto started = Clock::now();
  cpu = CpuSeconds();
  size_t sink = 0;
  for (RecNo n = 1; n <= people; ++n) sink += ListLine(*collection, n);
  const double rm3_list = Seconds(started), rm3_list_cpu = CpuSeconds() - cpu;

  const auto rm3_sort = SortSeconds(*collection);

  const StepTiming timing = TimeSteps(*collection, steps);
  std::printf(
      "RootsMagic %d steps: %.3f ms per step (processor %.3f ms), slowest %.3f ms, %.1f rows per "
      "individual\n",
      timing.steps, timing.MsPerStep(), timing.CpuMsPerStep(), timing.slowest * 1000, timing.RowsPerStep());
  collection.reset();

  double ged_open = 0;
  GeneratedGedcomPath(persons, "bench_rm3");  // written before the clock starts
  cpu = CpuSeconds();
  std::unique_ptr<WABSCollection> gedcom = OpenBenchFile(std::string(), persons, "bench_rm3", &ged_open);
  if (!gedcom) return 1;
  const double ged_open_cpu = CpuSeconds() - cpu;
  started = Clock::now();
  cpu = CpuSeconds();
  for (RecNo n = 1; n <= gedcom->IndividualCount(); ++n) sink += ListLine(*gedcom, n);
  const double ged_list = Seconds(started), ged_list_cpu = CpuSeconds() - cpu;
  const auto ged_sort = SortSeconds(*gedcom);
  auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
  std::printf("open: RootsMagic %.2f s (processor %.2f s), GEDCOM %.2f s (processor %.2f s)\n", open_seconds,
              open_cpu, ged_open, ged_open_cpu);
  std::printf(
      "list of all people: RootsMagic %.2f s (processor %.2f s), GEDCOM %.2f s (processor %.2f s): "
      "%.2f x by processor time (checksum %zu)\n",
      rm3_list, rm3_list_cpu, ged_list, ged_list_cpu, ratio(rm3_list_cpu, ged_list_cpu), sink);
  std::printf(
      "\"Surname, Given\" order: RootsMagic %.2f s (processor %.2f s), GEDCOM %.2f s (processor %.2f s): "
      "%.2f x by processor time\n",
      rm3_sort.first, rm3_sort.second, ged_sort.first, ged_sort.second,
      ratio(rm3_sort.second, ged_sort.second));
  return 0;
}
