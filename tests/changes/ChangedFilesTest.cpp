// Files that change under an open collection, per reader: the file (and for RootsMagic the
// tables and memo files) cut to nothing or to a part of a page after the import; reading
// every record then gives empty values, no signal, and the changed flag.  The export and the
// open refuse what must never be written or opened.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <string>

#include "app/ReaderChoice.h"
#include "base/Errors.h"
#include "base/FilePaths.h"
#include "export/GedcomExport.h"
#include "formats/ftm/FTWCollection.h"
#include "formats/ged/GEDCollection.h"
#include "formats/paf/PAFCollection.h"
#include "formats/rm3/RM3Collection.h"
#include "paf/PAFFixtures.h"
#include "ftm/FTWFixtures.h"
#include "support/ChangedOnDisk.h"
#include "support/RM3Writer.h"
#include "support/TempDir.h"

namespace {

std::unique_ptr<WABSCollection> OpenImported(const std::string& path) {
  std::string error;
  std::unique_ptr<WABSCollection> c = CreateCollectionForFile(path, error);
  EXPECT_TRUE(c) << error;
  if (!c) return c;
  c->RememberSourceFiles();
  EXPECT_TRUE(c->Import());
  c->BuildLinks();
  EXPECT_FALSE(c->ChangedOnDisk());
  return c;
}

class ChangedFiles : public testing::TestWithParam<off_t> {
 protected:
  TempDir dir_;
};

TEST_P(ChangedFiles, Gedcom) {
  WriteFile(dir_ / "people.ged", PeopleGedcom(3000));
  auto c = OpenImported(dir_ / "people.ged");
  ASSERT_TRUE(c);
  CutSourcesAndWalk(*c, GetParam());
}

TEST_P(ChangedFiles, Paf) {
  for (int version : {5, 4}) {
    const std::string path = dir_ / ("family" + std::to_string(version) + ".paf");
    PAFBook book = paf_fixtures::FamilyBook(version);
    for (int k = 0; k < 400; ++k) book.people.push_back(paf_fixtures::Person('M', "Extra", "Person"));
    ASSERT_TRUE(PAFWriter::WriteFile(book, path));
    auto c = OpenImported(path);
    ASSERT_TRUE(c);
    CutSourcesAndWalk(*c, GetParam());
  }
}

TEST_P(ChangedFiles, FamilyTreeMaker) {
  const std::string path = dir_ / "family.ftw";
  ASSERT_TRUE(ftw::Save(ftw::Write(ftw_fixtures::FamilyFixture()), path));
  auto c = OpenImported(path);
  ASSERT_TRUE(c);
  CutSourcesAndWalk(*c, GetParam());
}

TEST_P(ChangedFiles, RootsMagicTablesAndMemoFiles) {
  const std::string path = RM3SampleFamily().Write(dir_.path(), "family");
  auto c = OpenImported(path);
  ASSERT_TRUE(c);
  // The project file and its tables and memo files.
  EXPECT_GT(c->SourceFiles().size(), 10u);
  CutSourcesAndWalk(*c, GetParam());
}

// Nothing left at all, and a part of the first page.
INSTANTIATE_TEST_SUITE_P(CutTo, ChangedFiles, testing::Values(off_t{0}, off_t{1000}));

TEST(ChangedFilesFlag, RewrittenOrReplacedFilesCountAsChanged) {
  TempDir dir;
  const std::string path = dir / "people.ged";
  WriteFile(path, PeopleGedcom(50));
  {
    auto c = OpenImported(path);
    ASSERT_TRUE(c);
    // Replaced by rename, as a program saving safely does: another inode under the name.
    WriteFile(dir / "new.ged", PeopleGedcom(50));
    std::filesystem::rename(dir / "new.ged", path);
    EXPECT_TRUE(c->ChangedOnDisk());
  }
  {
    auto c = OpenImported(path);
    ASSERT_TRUE(c);
    WriteFile(path, PeopleGedcom(51));  // rewritten in place, longer
    EXPECT_TRUE(c->ChangedOnDisk());
  }
  {
    auto c = OpenImported(path);
    ASSERT_TRUE(c);
    std::filesystem::remove(path);
    EXPECT_TRUE(c->ChangedOnDisk());
  }
}

// A RootsMagic table cut below the rows its header counts is damage, not an empty file.
TEST(ShortTables, ARootsMagicTableShorterThanItsHeaderIsRefused) {
  TempDir dir;
  const std::string path = RM3SampleFamily().Write(dir.path(), "family");
  const std::string table = FindFileNoCase(dir.path(), "family_I.dbf");
  ASSERT_FALSE(table.empty());
  ASSERT_EQ(::truncate(table.c_str(), 100), 0);
  std::string error;
  std::unique_ptr<WABSCollection> c = CreateCollectionForFile(path, error);
  ASSERT_TRUE(c) << error;
  try {
    c->Import();
    ADD_FAILURE() << "a cut table opened";
  } catch (const ETaravellError& e) {
    EXPECT_EQ(std::string(e.what()), "The table " + table + " is shorter than its header says: the file is damaged.");
  }
}

// ---- the export never writes over what the source reads

TEST(ExportTarget, RefusesEveryFileTheSourceReadsByIdentity) {
  TempDir dir;
  const std::string path = RM3SampleFamily().Write(dir.path(), "family");
  auto c = OpenImported(path);
  ASSERT_TRUE(c);
  WGedcomExport exporter(*c);
  const std::vector<std::string> sources = c->SourceFiles();
  for (const std::string& file : sources) {
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    std::string error;
    EXPECT_EQ(exporter.WriteFile(file, error), WGedcomExport::Result::Failed) << file;
    EXPECT_NE(error.find("overwrite"), std::string::npos) << error;
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_size, before.st_size) << file;
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec) << file;
  }
  // Other spellings of a table: a hard link, a symbolic link, a path through "..".
  const std::string table = sources.back();
  ASSERT_EQ(::link(table.c_str(), (dir / "hard.ged").c_str()), 0);
  ASSERT_EQ(::symlink(table.c_str(), (dir / "soft.ged").c_str()), 0);
  const std::string dotted = dir.path() + "/../" + std::filesystem::path(dir.path()).filename().string() + "/" +
                             std::filesystem::path(table).filename().string();
  for (const std::string& other : {dir / "hard.ged", dir / "soft.ged", dotted}) {
    std::string error;
    EXPECT_EQ(exporter.WriteFile(other, error), WGedcomExport::Result::Failed) << other;
  }
  // A new file beside them is written.
  std::string error;
  EXPECT_EQ(exporter.WriteFile(dir / "out.ged", error), WGedcomExport::Result::Written) << error;
}

TEST(ExportTarget, RefusesNamesOfTheOtherKinds) {
  for (const char* name : {"x.paf", "x.FTW", "x.fbk", "x.tmg", "x.pjc", "x.rmg", "x.fdb"})
    EXPECT_NE(ExportTargetRefusal(std::string("/tmp/") + name), "") << name;
  for (const char* name : {"x.ged", "x.GED", "x.txt", "x"})
    EXPECT_EQ(ExportTargetRefusal(std::string("/tmp/") + name), "") << name;
}

// ---- paths that are not regular files are refused before anything opens them

TEST(NotRegularFiles, AreRefusedWithoutBlocking) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "fifo.ged").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo((dir / "fifo.paf").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo((dir / "fifo.tmg").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo((dir / "fifo.fdb").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo((dir / "fifo.ftw").c_str(), 0600), 0);
  std::filesystem::create_directory(dir / "folder.ged");
  for (const std::string& path : {dir / "fifo.ged", dir / "fifo.paf", dir / "fifo.tmg", dir / "fifo.fdb",
                                  dir / "fifo.ftw", dir / "folder.ged", std::string("/dev/null.ged"),
                                  std::string("/dev/zero")}) {
    auto result = std::async(std::launch::async, [path] {
      std::string error;
      std::unique_ptr<WABSCollection> c = CreateCollectionForFile(path, error);
      return std::make_pair(c != nullptr, error);
    });
    ASSERT_EQ(result.wait_for(std::chrono::seconds(10)), std::future_status::ready) << path << " blocked";
    auto [opened, error] = result.get();
    EXPECT_FALSE(opened) << path;
    if (path.find("/dev/null") == std::string::npos) {
      EXPECT_NE(error.find("is not a regular file"), std::string::npos) << path << ": " << error;
    }
  }
}

}  // namespace
