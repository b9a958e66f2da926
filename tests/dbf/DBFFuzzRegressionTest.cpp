// The dBase harness's seeds and every input that once crashed or misread under it (kept in
// tests/dbf/crashes) are read again the way the harness reads them.  UPDATE_FUZZ_SEEDS=1
// writes the seeds anew from the test writer.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/Errors.h"
#include "fuzz/fuzz_dbf_input.h"
#include "support/DBFWriter.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

std::string SeedOf(const DBFWriter& w) {
  return w.TableBytes() + (w.HasMemoFields() ? std::string(kMemoSeparator) + w.MemoBytes() : std::string());
}

TEST(DBFFuzzSeeds, WrittenFromTheTestWriter) {
  const char* update = std::getenv("UPDATE_FUZZ_SEEDS");
  if (!update || std::string(update) != "1") GTEST_SKIP() << "set UPDATE_FUZZ_SEEDS=1 to write the seeds";
  const fs::path folder = fs::path(SourceDir()) / "fuzz/seeds/fuzz_dbf";
  fs::create_directories(folder);
  DBFWriter text;
  text.Field("ID", 'N', 6).Field("NAME", 'C', 10).Field("CODE", 'C', 4).Field("NOTE", 'M', 10).MemoBlockSize(16);
  text.Row({"1", "Ann", "x1F", "first\x0cmemo"}).Row({"3", "Bob", "$ff", ""}, true).Row({"2", "Cy", "-7", "x"});
  WriteFile((folder / "text.bin").string(), SeedOf(text));
  DBFWriter raw(0x30);
  raw.Field("ID", 'I', 4).Field("FLAG", 'I', 1).Field("NOTE", 'M', 4).Field("NAME", 'C', 5).MemoBlockSize(32);
  raw.Row({"513", "7", "memo one", "a"}).Row({"513", "0", "", "b"}).Row({"2", "1", "two", "c"}, true);
  WriteFile((folder / "raw.bin").string(), SeedOf(raw));
  DBFWriter bare;
  bare.Field("K", 'N', 3).Row({"1"}).Row({"2"});
  WriteFile((folder / "nomemo.bin").string(), SeedOf(bare));
}

TEST(DBFFuzzRegressions, EveryKeptInputIsRead) {
  int read = 0;
  for (const fs::path& folder :
       {fs::path(SourceDir()) / "tests/dbf/crashes", fs::path(SourceDir()) / "fuzz/seeds/fuzz_dbf"}) {
    if (!fs::is_directory(folder)) continue;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      SCOPED_TRACE(entry.path().string());
      const std::string bytes = ReadFile(entry.path().string());
      const DBFFuzzInput input = SplitDBFFuzzInput(bytes);
      TempDir dir;
      WriteFile(dir / "t.dbf", std::string(input.table));
      if (input.has_memo) WriteFile(dir / "t.fpt", std::string(input.memo));
      WFPTFile memo(input.has_memo ? dir / "t.fpt" : std::string());
      WalkDBFTable<WDBFKeyedTable<WDBFFile>>(dir / "t.dbf", memo);
      WalkDBFTable<WDBFKeyedTable<WDBF5File>>(dir / "t.dbf", memo);
      ++read;
    }
  }
  EXPECT_GT(read, 0);
}

}  // namespace
