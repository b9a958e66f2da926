// The TMG fuzz harness's seeds and every input kept from its runs (tests/data/fuzz_tmg): each
// project opens (or is refused) and survives a full walk and dump.  TMG_FUZZ_SEEDS=<dir> writes
// the seeds (the fixtures as bundles) into that folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "TMGFixture.h"
#include "app/ReaderChoice.h"
#include "base/UIHooks.h"
#include "export/ModelDump.h"
#include "support/CollectionWalk.h"
#include "support/TMGBundle.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

TEST(TMGFuzzSeeds, WrittenOnRequest) {
  const char* target = std::getenv("TMG_FUZZ_SEEDS");
  if (!target) GTEST_SKIP() << "set TMG_FUZZ_SEEDS to write the seeds";
  fs::create_directories(target);
  auto write = [&](const TMGWriter& w, const char* name) {
    TempDir dir;
    w.Write(dir.path(), "p.tmg");
    std::ofstream(std::string(target) + "/" + name, std::ios::binary) << tmg_bundle::Pack(dir.path(), "p");
  };
  write(FamilyProject(), "family");
  write(EmptyProject(), "empty");
  TMGWriter small = FamilyProject();
  small.people.resize(8);
  small.events.resize(12);
  write(small, "small");
}

TEST(TMGFuzzRegressions, EveryKeptInputOpensAndIsWalked) {
  int walked = 0;
  for (const fs::path& folder :
       {fs::path(TestDataPath("fuzz_tmg")), fs::path(SourceDir()) / "fuzz/seeds/fuzz_tmg"}) {
    if (!fs::is_directory(folder)) continue;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      SCOPED_TRACE(entry.path().string());
      std::ifstream in(entry.path(), std::ios::binary);
      const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      TempDir dir;
      const std::string project =
          tmg_bundle::Unpack(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), dir.path());
      std::string error;
      std::unique_ptr<WABSCollection> collection;
      try {
        collection = CreateCollectionForFile(project, error);
        if (!collection) continue;
        ImportCancelled = false;
        if (!collection->Import()) continue;
      } catch (const std::exception&) {
        continue;  // a missing or unreadable table is refused with its message
      }
      collection->BuildLinks();
      WalkCollection(*collection);
      size_t total = 0;
      WModelDump(*collection).WriteAll([&](const std::string& line) { total += line.size(); });
      EXPECT_GT(total, 0u);
      ++walked;
    }
  }
  EXPECT_GT(walked, 0);
}

}  // namespace
