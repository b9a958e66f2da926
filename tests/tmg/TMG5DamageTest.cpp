// Damaged 5.x projects: every table missing, cut short or with bytes overwritten, memo files cut
// or named past their end, dictionaries with missing or repeated UIDs, part values of no name or
// place, and references to rows no table holds.  Each project either opens or is refused with a
// message, and then every record reads to the end (no crash, no hang, no sanitizer report).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "TMG5Fixture.h"
#include "base/Settings.h"
#include "base/UIHooks.h"
#include "export/ModelDump.h"
#include "model/ABSName.h"
#include "support/CollectionWalk.h"
#include "support/TMGBundle.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Opens the project, reads everything, and tells what happened: "opened", "not imported" or the
// refusal's message.
std::string OpenAndReadAll(const std::string& project) {
  ImportCancelled = false;
  const WReaderInfo& reader = WTMG5Collection::ReaderInfo();
  try {
    std::unique_ptr<WABSCollection> c = reader.create(project);
    if (!c->Import()) return "not imported";
    c->BuildLinks();
    size_t total = WalkCollection(*c);
    EXPECT_TRUE(WModelDump(*c).WriteAll([&](const std::string& line) { total += line.size(); }));
    for (RecNo n = 1; n <= c->IndividualCount(); ++n) c->FindIndividual(c->GetIndividual(n)->GetID());
    return "opened";
  } catch (const std::exception& e) {
    EXPECT_STRNE(e.what(), "") << project;
    return e.what();
  }
}

class TMG5Damage : public testing::Test {
 protected:
  void SetUp() override {
    Settings().SetBool(WSettings::TMGTagSent, true);
    fs::create_directories(dir_ / "clean");
    writer_ = FamilyProject5();
    writer_.Write(dir_ / "clean", "family_.pjc");
  }

  // The working copy of the project with every file as the clean one has it (files a case
  // changed are restored); the project file's path.
  std::string FreshCopy() {
    const fs::path work = dir_ / "work";
    if (!fs::exists(work)) fs::copy(dir_ / "clean", work);
    for (const auto& entry : fs::directory_iterator(dir_ / "clean")) {
      const fs::path mine = work / entry.path().filename();
      if (!fs::exists(mine) || fs::file_size(mine) != entry.file_size() ||
          ReadFile(mine) != ReadFile(entry.path()))
        fs::copy_file(entry.path(), mine, fs::copy_options::overwrite_existing);
    }
    return (work / "family_.pjc").string();
  }
  std::string FileOf(const std::string& project, const std::string& letter, const std::string& ext) {
    return fs::path(project).parent_path() / ("family" + letter + ext);
  }

  TempDir dir_;
  TMG5Writer writer_;
};

TEST_F(TMG5Damage, TheCleanProjectOpens) { EXPECT_EQ(OpenAndReadAll(FreshCopy()), "opened"); }

TEST_F(TMG5Damage, AMissingTableIsRefusedWithItsName) {
  for (const std::string& letter : TMG5Writer::TableLetters()) {
    const std::string project = FreshCopy();
    fs::remove(FileOf(project, letter, ".dbf"));
    const std::string result = OpenAndReadAll(project);
    EXPECT_NE(result.find("Error using the file"), std::string::npos) << letter << ": " << result;
    EXPECT_NE(result.find("family" + letter + ".dbf"), std::string::npos) << letter << ": " << result;
  }
  // A missing memo file only empties the memos.
  for (const std::string& letter : TMG5Writer::TableLetters()) {
    const std::string project = FreshCopy();
    fs::remove(FileOf(project, letter, ".fpt"));
    EXPECT_EQ(OpenAndReadAll(project), "opened") << letter;
  }
}

TEST_F(TMG5Damage, TablesAndMemosCutShortOrOverwritten) {
  std::mt19937 random(20240517);
  for (const std::string& letter : TMG5Writer::TableLetters()) {
    for (const std::string ext : {".dbf", ".fpt"}) {
      const std::string clean = FileOf(dir_ / "clean/family_.pjc", letter, ext);
      if (!fs::exists(clean)) continue;
      const std::string bytes = ReadFile(clean);
      const size_t cuts[] = {0, 7, 31, 33, 300, bytes.size() / 2, bytes.size() - 1};
      for (const size_t cut : cuts) {
        if (cut >= bytes.size()) continue;
        const std::string project = FreshCopy();
        WriteFile(FileOf(project, letter, ext), bytes.substr(0, cut));
        OpenAndReadAll(project);
      }
      for (int round = 0; round < 12; ++round) {
        std::string damaged = bytes;
        for (int k = 0; k < 6; ++k)
          damaged[random() % damaged.size()] = static_cast<char>(round % 3 == 0 ? 0xFF : random() % 256);
        const std::string project = FreshCopy();
        WriteFile(FileOf(project, letter, ext), damaged);
        OpenAndReadAll(project);
      }
    }
  }
}

TEST_F(TMG5Damage, DictionariesWithMissingOrRepeatedUids) {
  TMG5Writer w = FamilyProject5();
  // Part values naming UIDs no dictionary row holds, of no name or place, of any type.
  w.extra_name_values = {{1, 5000, 3}, {2, -1, 5},     {3, 0, 1},  {0, 1, 3},
                         {-7, 1, 5},   {999999, 1, 6}, {4, 1, -2}, {4, 1, 2147483647}};
  w.extra_place_values = {{1, 5000, 3}, {2, 1, 1}, {3, 1, 11}, {4, 1, -1}, {0, 1, 4}, {2147483647, 1, 10}};
  // The same UIDs again with other texts, and rows with UIDs 0 and below.
  for (int uid = 1; uid <= 40; ++uid) {
    w.extra_name_parts.push_back({uid, "again " + std::to_string(uid)});
    w.extra_place_parts.push_back({uid, "again " + std::to_string(uid)});
  }
  w.extra_name_parts.push_back({0, "zero"});
  w.extra_place_parts.push_back({-4, "negative"});
  for (const bool reversed : {false, true}) {
    w.dictionaries_reversed = reversed;
    OpenedProject5 p(w);
    ASSERT_TRUE(p.imported()) << p.error();
    // Repeated UIDs: in file order the first row of each UID is the project's own.
    // A repeated UID reads one of its rows.
    const std::string surname = p->GetIndividual(1)->GetName()->GetSurname();
    EXPECT_TRUE(surname == "Ashdown" || surname.rfind("again ", 0) == 0) << surname;
    EXPECT_EQ(OpenAndReadAll(p->GetFileName()), "opened");
  }
  // Dictionaries and part value tables without rows: the names and places are empty.
  TempDir empty;
  EmptyProject5().Write(empty.path(), "family_.pjc");
  for (const std::string letter : {"ND", "NPV", "PD", "PPV"}) {
    const std::string project = FreshCopy();
    fs::copy_file(FileOf(empty / "family_.pjc", letter, ".dbf"), FileOf(project, letter, ".dbf"),
                  fs::copy_options::overwrite_existing);
    EXPECT_EQ(OpenAndReadAll(project), "opened") << letter;
  }
}

TEST_F(TMG5Damage, ReferencesToRowsNoTableHolds) {
  TMG5Writer w = FamilyProject5();
  TMGWriter& t = w.project;
  for (TMGWriter::Event& e : t.events) {
    if (e.recno % 3 == 0) e.per1 = 900 + e.recno;
    if (e.recno % 4 == 0) e.per2 = -e.recno;
    if (e.recno % 5 == 0) e.place = 777;
    if (e.recno % 7 == 0) e.type = 4242;
  }
  for (TMGWriter::Person& p : t.people) {
    if (p.id % 3 == 0) p.father = 5000;
    if (p.id % 4 == 0) p.mother = p.id;  // the person's own mother
  }
  t.relationships.push_back({1, 1, TMGWriter::kFatherBiological});
  t.relationships.push_back({5000, 2, TMGWriter::kMotherBiological});
  t.witnesses.push_back({1, 12345, false, "[P] saw <[D]>"});
  t.witnesses.push_back({5000, 1, false, ""});
  t.citations.push_back({'E', 9999, 1, "lost"});
  t.citations.push_back({'N', 1, 9999, "no source"});
  t.names.push_back({5000, 4242, "Nobody$!&Nemo", 0, true, "", "", ""});
  EXPECT_EQ(OpenAndReadAll(w.Write(dir_.path(), "refs_.pjc")), "opened");
}

// The 5.x seeds of the TMG fuzz harness (fuzz/seeds/fuzz_tmg), written into the folder
// TMG_FUZZ_SEEDS names; the fuzz regression test walks them with the 4.x ones.
TEST(TMG5FuzzSeeds, WrittenOnRequest) {
  const char* target = std::getenv("TMG_FUZZ_SEEDS");
  if (!target) GTEST_SKIP() << "set TMG_FUZZ_SEEDS to write the seeds";
  fs::create_directories(target);
  auto write = [&](const TMG5Writer& w, const char* name) {
    TempDir dir;
    w.Write(dir.path(), "p_.pjc");
    std::ofstream(std::string(target) + "/" + name, std::ios::binary) << tmg_bundle::Pack(dir.path(), "p");
  };
  write(FamilyProject5(), "family5");
  write(EmptyProject5(), "empty5");
  TMG5Writer small = FamilyProject5();
  small.project.people.resize(8);
  small.project.events.resize(12);
  small.project.places.resize(3);
  write(small, "small5");
}

}  // namespace
