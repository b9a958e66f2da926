// Times the Legacy reader on a generated Legacy file, side by side with the Jet engine's own
// speed: mdb-export of the tables the reader loads, then opening the file (import and links),
// listing every person, the "Surname, Given" order and steps of the individual scroller.
//
//   bench_legacy [FILE] [--persons N] [--steps K]
//
// Without FILE a Legacy file of N people (default 100,000) with families, children, events,
// places, sources and citations in the proportions of a real research file is written once in
// the temporary folder (by the tests' Jet writer) and reused.

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "StepTiming.h"
#include "base/UIHooks.h"
#include "legacy/LegacyFixture.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"
#include "search/Attrib.h"
#include "search/ColSortIterator.h"

#include "formats/legacy/LEGCollection.h"

namespace {

using Clock = std::chrono::steady_clock;

JetWriter::Table& TableOf(JetWriter& w, const char* name) {
  for (const auto& t : w.Tables())
    if (t.name == name) return const_cast<JetWriter::Table&>(t);
  std::abort();
}

void Generate(const std::string& path, int persons) {
  std::mt19937 rng(1);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const char* surnames[] = {"Smith",    "Johnson",  "Williams", "Brown",  "Jones", "Miller",   "Davis",
                            "Wilson",   "Anderson", "Taylor",   "Thomas", "Moore", "Martin",   "Jackson",
                            "Thompson", "White",    "Harris",   "Clark",  "Lewis", "Robinson", "Walker",
                            "Young",    "Allen",    "King",     "Wright", "Scott", "Hughes",   "Green",
                            "Baker",    "Adams",    "Nelson",   "Hill"};
  const char* given[] = {"John",   "Mary",     "William", "Elizabeth", "James",  "Sarah", "George", "Anna",
                         "Thomas", "Margaret", "Charles", "Emma",      "Joseph", "Alice", "Henry",  "Martha"};
  JetWriter w;
  AddLegacySkeleton(w, "3s");
  auto& ir = TableOf(w, "TBLIR");
  auto& mr = TableOf(w, "TBLMR");
  auto& cr = TableOf(w, "TBLCR");
  auto& er = TableOf(w, "TBLER");
  auto& et = TableOf(w, "TBLET");
  auto& lr = TableOf(w, "TBLLR");
  auto& sr = TableOf(w, "TBLSR");
  auto& sx = TableOf(w, "TBLSX");
  auto& ar = TableOf(w, "TBLAR");
  const int places = std::max(50, persons / 20);
  for (int i = 1; i <= places; ++i)
    lr.Row({{"IDLR", int64_t{i}}, {"Location", "Town " + std::to_string(i) + ", County, State, Country"}});
  for (int i = 1; i <= 20; ++i)
    et.Row({{"IDET", int64_t{i}}, {"EventType", "Event type " + std::to_string(i)}});
  for (int i = 1; i <= 50; ++i) ar.Row({{"IDAR", int64_t{i}}, {"AddrName", "Archive " + std::to_string(i)}});
  const int sources = std::max(10, persons / 200);
  for (int i = 1; i <= sources; ++i)
    sr.Row({{"IDSR", int64_t{i}},
            {"SrcName", "Source " + std::to_string(i)},
            {"SrcTitle", std::string("Register")},
            {"IDAR", int64_t{1 + i % 50}}});
  int ider = 0, idsx = 0, idcr = 0, idmr = 0;
  for (int p = 1; p <= persons; ++p) {
    const int year = 1700 + pick(250);
    ir.Row({{"IDIR", int64_t{p}},
            {"SurName", std::string(surnames[pick(32)])},
            {"GivenName", std::string(given[pick(16)]) + " " + given[pick(16)]},
            {"Gender", int64_t{p % 2}},
            {"BirthD", LegacyDate('0', 1 + pick(28), 1 + pick(12), year)},
            {"IDLRBirth", int64_t{1 + pick(places)}},
            {"DeathD",
             pick(3) ? LegacyDate('0', 1 + pick(28), 1 + pick(12), year + 20 + pick(70)) : std::string()},
            {"IDLRDeath", int64_t{pick(2) ? 1 + pick(places) : 0}},
            {"Living", int64_t{1}},
            {"Added", int64_t{20080101 + pick(28)}},
            {"Notes", pick(10) ? std::string() : std::string("A note about this person.")}});
    for (int e = 0, n = pick(5); e < n; ++e)
      er.Row({{"IDER", int64_t{++ider}},
              {"IDIR", int64_t{p}},
              {"IDType", int64_t{0}},
              {"Order", int64_t{e + 1}},
              {"IDET", int64_t{1 + pick(20)}},
              {"EventD", LegacyDate('1', 0, 0, year + 10 + e)},
              {"IDLREvent", int64_t{1 + pick(places)}},
              {"Description", std::string("Description")}});
    for (int c = 0, n = pick(3); c < n; ++c)
      sx.Row({{"IDSX", int64_t{++idsx}},
              {"IDSR", int64_t{1 + pick(sources)}},
              {"IDIME", int64_t{p}},
              {"Type", int64_t{pick(2) ? 0 : 2}},
              {"SrcDetail", "Page " + std::to_string(pick(500))}});
    // Every second person marries the next one; their children are people further on.
    if (p % 2 == 1 && p + 1 <= persons) {
      ++idmr;
      mr.Row({{"IDMR", int64_t{idmr}},
              {"IDIRHusb", int64_t{p + 1}},
              {"IDIRWife", int64_t{p}},
              {"MarD", LegacyDate('0', 1 + pick(28), 1 + pick(12), year + 22)},
              {"IDLRMar", int64_t{1 + pick(places)}}});
    }
  }
  // Children: each person after the first tenth is the child of an earlier family.
  for (int p = persons / 10 + 1; p <= persons; ++p) {
    const int family = 1 + pick(std::max(1, std::min(idmr, p / 2 - 1)));
    cr.Row({{"IDCR", int64_t{++idcr}},
            {"IDMR", int64_t{family}},
            {"IDIR", int64_t{p}},
            {"Order", int64_t{1 + pick(9)}}});
  }
  if (!w.Write(path)) {
    std::fprintf(stderr, "bench_legacy: cannot write %s\n", path.c_str());
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string path;
  int persons = 100000;
  int steps = 10000;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if ((arg == "--persons" || arg == "--steps") && i + 1 < argc) {
      (arg == "--persons" ? persons : steps) = std::atoi(argv[++i]);
    } else if (!arg.empty() && arg[0] != '-') {
      path = arg;
    } else {
      std::fprintf(stderr, "usage: bench_legacy [FILE] [--persons N] [--steps K]\n");
      return 2;
    }
  }
  if (path.empty()) {
    path = (std::filesystem::temp_directory_path() /
            ("taravell-bench-legacy-" + std::to_string(persons) + ".fdb"))
               .string();
    if (!std::filesystem::exists(path)) {
      auto started = Clock::now();
      Generate(path, persons);
      std::printf("wrote %s (%d people) in %.1f s\n", path.c_str(), persons, Seconds(started));
    }
  }
  struct stat st {};
  stat(path.c_str(), &st);
  std::printf("file %s, %.1f MB\n", path.c_str(), st.st_size / 1048576.0);

  // The engine's own speed: mdb-export of every table the reader loads or looks up.
  const char* tables[] = {"TBLIR", "TBLMR", "TBLCR", "TBLLR", "TBLET", "TBLER",
                          "TBLSR", "TBLSX", "TBLAR", "TBLTR", "TBLBP", "TBLBR"};
  auto started = Clock::now();
  double cpu = CpuSeconds();
  for (const char* table : tables) {
    std::string command = "mdb-export '" + path + "' " + table + " > /dev/null 2>&1";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "bench_legacy: %s failed\n", command.c_str());
  }
  const double export_seconds = Seconds(started);
  const double export_cpu = CpuSeconds() - cpu;
  std::printf("mdb-export of the %zu tables: %.2f s (processor %.2f s)\n", std::size(tables), export_seconds,
              export_cpu);

  started = Clock::now();
  cpu = CpuSeconds();
  std::unique_ptr<WABSCollection> collection = WLEGCollection::ReaderInfo().create(path);
  ImportCancelled = false;
  if (!collection->Import()) return 1;
  collection->BuildLinks();
  const double open_seconds = Seconds(started);
  const double open_cpu = CpuSeconds() - cpu;
  std::printf(
      "open (import and links) of %d people, %d families: %.2f s (%.2f x mdb-export); processor %.2f s (%.2f "
      "x)\n",
      collection->IndividualCount(), collection->FamilyCount(), open_seconds, open_seconds / export_seconds,
      open_cpu, open_cpu / export_cpu);

  started = Clock::now();
  cpu = CpuSeconds();
  size_t listed = 0;
  for (RecNo n = 1; n <= collection->IndividualCount(); ++n) {
    auto person = collection->GetIndividual(n);
    listed += person->GetDisplayName().size() + person->GetEventDatePlaceText(1).size() +
              person->GetEventDatePlaceText(2).size();
    listed += collection->GetFatherOf(n) + collection->GetMotherOf(n);
  }
  std::printf("list of every person: %.2f s, processor %.2f s (checksum %zu)\n", Seconds(started),
              CpuSeconds() - cpu, listed);

  WColSortIterator list(collection.get(), collection->IndividualCount());
  started = Clock::now();
  cpu = CpuSeconds();
  if (!list.SortByColumn(acSurnameGiven)) return 1;
  const double sort_seconds = Seconds(started);
  const double sort_cpu = CpuSeconds() - cpu;
  std::printf("\"Surname, Given\" order: %.2f s (%.2f x the open); processor %.2f s (%.2f x)\n", sort_seconds,
              sort_seconds / open_seconds, sort_cpu, sort_cpu / open_cpu);

  const StepTiming timing = TimeSteps(*collection, steps);
  std::printf("%d scroller steps: %.3f ms per step (processor %.3f ms), slowest %.3f ms (%zu rows)\n",
              timing.steps, timing.MsPerStep(), timing.CpuMsPerStep(), timing.slowest * 1000, timing.rows);
  return 0;
}
