// The RootsMagic harness's seeds and every input that once crashed or misread under it (kept
// in tests/rm3/crashes): each is written back into a family file set, which must open (or be
// refused with an error) and survive a full walk of its records and a full dump.
// UPDATE_FUZZ_SEEDS=1 writes the seeds anew from the test writer.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/UIHooks.h"
#include "export/ModelDump.h"
#include "formats/rm3/RM3Collection.h"
#include "fuzz/fuzz_rm3_files.h"
#include "support/CollectionWalk.h"
#include "support/RM3Writer.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

// The files of a set written by the test writer, in the harness's order (missing files last
// are left out).
std::string SetBytes(const RM3Writer& writer, const RM3Writer::Options& options = {}) {
  TempDir dir;
  writer.Write(dir.path(), "family", options);
  std::vector<std::string> parts;
  for (const std::string& name : RM3SetFiles())
    parts.push_back(fs::exists(dir / name) ? ReadFile(dir / name) : "");
  return JoinRM3Parts(parts);
}

RM3Writer SmallFamily() {
  RM3Writer w;
  w.submitter_name = "Seed";
  w.people = {{1, "M", "Adam", "Seed"}, {2, "F", "Eve", "Seed"}, {3, "M", "Cain", "Seed"}};
  w.families = {{1, 1, 2}};
  w.children = {{3, 1, 1}};
  w.places = {{1, "Eden"}};
  RM3Writer::Event birth;
  birth.id = 1;
  birth.owner = 3;
  birth.type = 1;
  birth.date = RM3Writer::Date(1900, 1, 2);
  birth.sort_date = RM3Writer::SortDate(1900, 1, 2);
  birth.place = 1;
  w.events = {birth};
  w.sources = {{1, "Book",
                "a\x0c"
                "b",
                "c"}};
  w.links = {{1, 1, 1, 1, 1, "\x0cpage"}, {2, 2, 2, 1, 1, ""}};
  w.addresses = {{1, "Library", "x\x0cy"}};
  return w;
}

TEST(RM3FuzzSeeds, WrittenFromTheTestWriter) {
  const char* update = std::getenv("UPDATE_FUZZ_SEEDS");
  if (!update || std::string(update) != "1") GTEST_SKIP() << "set UPDATE_FUZZ_SEEDS=1 to write the seeds";
  const fs::path folder = fs::path(SourceDir()) / "fuzz/seeds/fuzz_rm3";
  fs::create_directories(folder);
  RM3Writer::Options small_blocks;
  small_blocks.memo_block_size = 16;
  WriteFile((folder / "small.bin").string(), SetBytes(SmallFamily(), small_blocks));
  WriteFile((folder / "empty.bin").string(), SetBytes(RM3Writer()));
  WriteFile((folder / "family.bin").string(), SetBytes(RM3SampleFamily()));
}

TEST(RM3FuzzRegressions, EveryKeptInputOpensAndIsWalked) {
  int walked = 0;
  for (const fs::path& folder :
       {fs::path(SourceDir()) / "tests/rm3/crashes", fs::path(SourceDir()) / "fuzz/seeds/fuzz_rm3"}) {
    if (!fs::is_directory(folder)) continue;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      SCOPED_TRACE(entry.path().string());
      TempDir dir;
      const std::string rmg = WriteRM3Set(dir.path(), ReadFile(entry.path().string()));
      ImportCancelled = false;
      try {
        std::unique_ptr<WABSCollection> collection = WRM3Collection::ReaderInfo().create(rmg);
        if (!collection->Import()) continue;
        collection->BuildLinks();
        WalkCollection(*collection);
        WModelDump(*collection).WriteAll([](const std::string&) {});
        ++walked;
      } catch (const ETaravellError&) {
        // refused with a message: fine
      }
    }
  }
  EXPECT_GT(walked, 0);
}

}  // namespace
