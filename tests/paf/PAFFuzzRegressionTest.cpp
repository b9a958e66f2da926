// The PAF fuzz harness's seeds and every input that once crashed or misread under it (kept in
// tests/paf/fuzz): each must open (or be refused) and survive a full walk and dump of its
// records.  UPDATE_GOLDEN=1 rewrites the seeds from the writer's fixtures.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "PAFFixtures.h"
#include "export/ModelDump.h"
#include "support/CollectionWalk.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;
using namespace paf_fixtures;

fs::path SeedFolder() { return fs::path(SourceDir()) / "fuzz/seeds/fuzz_paf"; }

// Small files of every version: the seeds the fuzzer starts from.
void WriteSeeds() {
  fs::create_directories(SeedFolder());
  for (int version : {3, 4, 5}) {
    PAFBook family = FamilyBook(version);
    std::ofstream(SeedFolder() / ("family" + std::to_string(version) + ".paf"), std::ios::binary)
        << PAFWriter::Bytes(family);
  }
  PAFBook linked = FamilyBook(5);
  linked.none_link = -1;
  std::ofstream(SeedFolder() / "family5_none_links.paf", std::ios::binary) << PAFWriter::Bytes(linked);
}

TEST(PAFFuzzRegressions, EveryKeptInputOpensAndIsWalked) {
  const char* update = std::getenv("UPDATE_GOLDEN");
  if (update && std::string(update) == "1") WriteSeeds();
  int walked = 0;
  for (const fs::path& folder : {fs::path(SourceDir()) / "tests/paf/fuzz", SeedFolder()}) {
    if (!fs::is_directory(folder)) continue;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      SCOPED_TRACE(entry.path().string());
      // The harness takes any bytes as a .paf file, whatever the kept file is called.
      TempDir dir;
      const std::string path = dir / "input.paf";
      fs::copy_file(entry.path(), path);
      std::unique_ptr<WABSCollection> collection = Open(path);
      if (!collection) continue;
      WalkCollection(*collection);
      WModelDump(*collection).WriteAll([](const std::string&) {});
      ++walked;
    }
  }
  EXPECT_GT(walked, 0);
}

}  // namespace
