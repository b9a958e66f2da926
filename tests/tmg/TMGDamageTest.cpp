// A deterministic damage sweep over the family project: tables and memo files cut short or
// with bytes overwritten, references to rows that do not exist, missing tables and memo files.
// Every variant either opens and survives a full walk and dump, or is refused with a message;
// none crashes or hangs (the sanitizer build runs the same sweep).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "TMGFixture.h"
#include "app/ReaderChoice.h"
#include "base/UIHooks.h"
#include "export/ModelDump.h"
#include "support/CollectionWalk.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using W = TMGWriter;

const char* const kLetters[] = {"$", "N", "F", "G", "S", "M", "P", "E", "T", "A", "U", "R", "W"};
const char* const kMemoLetters[] = {"N", "F", "G", "S", "M", "P", "E", "T", "A", "R"};

// Opens the project and reads everything; returns "opened", or the refusal's message.
std::string OpenAndWalk(const std::string& project) {
  std::string error;
  try {
    std::unique_ptr<WABSCollection> collection = CreateCollectionForFile(project, error);
    if (!collection) return error.empty() ? "refused" : error;
    ImportCancelled = false;
    if (!collection->Import()) return "import failed: " + collection->GetImportError();
    collection->BuildLinks();
    WalkCollection(*collection);
    size_t lines = 0;
    WModelDump(*collection).WriteAll([&](const std::string&) { ++lines; });
    EXPECT_GE(lines, 1u);
    return "opened";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()), "");
    return e.what();
  }
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class TMGDamage : public testing::Test {
 protected:
  // Writes the family project, lets `damage` change its files, and opens it.
  std::string Damaged(const std::function<void(const std::string& dir)>& damage,
                      const W& writer = FamilyProject()) {
    TempDir dir;
    const std::string project = writer.Write(dir.path(), "family_.tmg");
    damage(dir.path());
    return OpenAndWalk(project);
  }
  static std::string File(const std::string& dir, const std::string& letter, const std::string& extension) {
    return dir + "/family_" + letter + extension;
  }
};

TEST_F(TMGDamage, TablesCutShortAnywhere) {
  for (const char* letter : kLetters) {
    const std::string full = [&] {
      TempDir dir;
      FamilyProject().Write(dir.path(), "family_.tmg");
      return Read(File(dir.path(), letter, ".dbf"));
    }();
    for (size_t cut : {size_t{0}, size_t{10}, size_t{33}, size_t{200}, full.size() / 2, full.size() - 7}) {
      if (cut > full.size()) continue;
      SCOPED_TRACE(std::string(letter) + " cut at " + std::to_string(cut));
      Damaged([&](const std::string& dir) { Write(File(dir, letter, ".dbf"), full.substr(0, cut)); });
    }
  }
}

TEST_F(TMGDamage, MemoFilesCutShortOrMissing) {
  for (const char* letter : kMemoLetters) {
    for (size_t cut : {size_t{0}, size_t{6}, size_t{512}, size_t{600}, size_t{1000}}) {
      SCOPED_TRACE(std::string(letter) + " memo cut at " + std::to_string(cut));
      const std::string result = Damaged([&](const std::string& dir) {
        const std::string path = File(dir, letter, ".fpt");
        Write(path, Read(path).substr(0, cut));
      });
      EXPECT_EQ(result, "opened");
    }
    SCOPED_TRACE(std::string(letter) + " memo missing");
    EXPECT_EQ(Damaged([&](const std::string& dir) { fs::remove(File(dir, letter, ".fpt")); }), "opened");
  }
}

TEST_F(TMGDamage, BytesOverwrittenThroughoutEveryTable) {
  // Every 7th byte of the records (not the header) set to a digit, a blank, a star or 0xFF: memo
  // block numbers, identifiers and dates become anything.
  const char fills[] = {'9', ' ', '*', '\xFF', '\0'};
  for (const char* letter : kLetters) {
    for (const char fill : fills) {
      SCOPED_TRACE(std::string(letter) + " filled with " + std::to_string(static_cast<unsigned char>(fill)));
      Damaged([&](const std::string& dir) {
        const std::string path = File(dir, letter, ".dbf");
        std::string bytes = Read(path);
        const size_t header = bytes.size() > 10 ? static_cast<unsigned char>(bytes[8]) |
                                                      static_cast<unsigned char>(bytes[9]) << 8
                                                : 0;
        for (size_t i = header + 3; i < bytes.size(); i += 7) bytes[i] = fill;
        Write(path, bytes);
      });
    }
  }
}

TEST_F(TMGDamage, MemoBlocksPointPastTheEnd) {
  W w = FamilyProject();
  w.free_memo_blocks = 3;
  EXPECT_EQ(Damaged(
                [&](const std::string& dir) {
                  for (const char* letter : kMemoLetters) {
                    // Each memo's length field claims far more than the file holds.
                    const std::string path = File(dir, letter, ".fpt");
                    std::string bytes = Read(path);
                    for (size_t at = 512; at + 8 <= bytes.size(); at += 64) {
                      bytes[at + 4] = '\x7F';
                      bytes[at + 5] = '\xFF';
                    }
                    Write(path, bytes);
                  }
                },
                w),
            "opened");
}

TEST_F(TMGDamage, ReferencesToRowsThatDoNotExist) {
  W w = FamilyProject();
  for (auto& p : w.people) {
    p.father += 1000;
    p.mother = -p.mother;
  }
  for (auto& n : w.names) n.type += 500;
  for (auto& e : w.events) {
    if (e.recno % 3 == 0) e.per1 += 1000;
    if (e.recno % 4 == 0) e.per2 = 9999;
    e.place += e.recno % 2 ? 77 : 0;
    if (e.recno % 5 == 0) e.type = 4444;
  }
  for (auto& r : w.relationships) {
    r.parent += r.child % 2 ? 1000 : 0;
    r.type += r.child % 3 == 0 ? 5000 : 0;
  }
  for (auto& c : w.citations) {
    c.refrec += 3;
    c.source = -c.source;
  }
  for (auto& x : w.witnesses) x.event += 800;
  w.names.push_back(w.names[0]);
  w.names.back().person = 7777;
  EXPECT_EQ(Damaged([](const std::string&) {}, w), "opened");
}

TEST_F(TMGDamage, RepeatedIdentifiersAndSelfReferences) {
  W w = FamilyProject();
  for (auto& p : w.people) p.father = p.id;  // everyone their own father
  for (auto& e : w.events) e.recno = 1 + e.recno % 3;
  for (auto& t : w.tag_types) t.id = 2;
  w.relationships.push_back({1, 1, W::kFatherBiological});
  w.relationships.push_back({1, 1, W::kMotherBiological});
  EXPECT_EQ(Damaged([](const std::string&) {}, w), "opened");
}

TEST_F(TMGDamage, AMissingTableIsRefusedByName) {
  for (const char* letter : kLetters) {
    SCOPED_TRACE(letter);
    TempDir dir;
    const std::string project = FamilyProject().Write(dir.path(), "family_.tmg", letter);
    const std::string result = OpenAndWalk(project);
    EXPECT_EQ(result, "Error using the file " + File(dir.path(), letter, ".dbf") +
                          "\r\nPlease check that this file is not being used by another application.");
  }
}

TEST_F(TMGDamage, TablesAsOtherProgramsLeaveThem) {
  // NUL-padded character fields, free memo blocks, upper-case names: the same project.
  W w = FamilyProject();
  w.pad_with_nul = true;
  w.free_memo_blocks = 2;
  w.upper_case_files = true;
  TempDir dir;
  OpenedProject p(w);
  ASSERT_TRUE(p.imported());
  EXPECT_EQ(p->IndividualCount(), 40);
  EXPECT_EQ(p->GetIndividualName(3), "William Henry /Ashdown/");
  EXPECT_EQ(p->GetRelationName(W::kFatherAdopted), "Father-Adopted");
  EXPECT_EQ(p->GetSource(1)->GetSummary(), "Whitby Parish, Parish Register of St Mary (Parish Office, 1850)");
}

TEST_F(TMGDamage, ProjectFilesThatAreNotVersionLines) {
  for (const char* line :
       {"TMG Version 4.0b", "TMG  Version 4.0d", "", "\xEF\xBB\xBFTMG Version 4.0d", "TMG Version 5"}) {
    SCOPED_TRACE(line);
    W w = FamilyProject();
    w.version_line = line;
    EXPECT_EQ(Damaged([](const std::string&) {}, w), "Unsupported TMG database version");
  }
  for (const char* line : {"TMG Version 4.0", "TMG Version 4.0a", "TMG Version 4.0c"}) {
    W w = FamilyProject();
    w.version_line = line;
    EXPECT_EQ(Damaged([](const std::string&) {}, w), "opened");
  }
}

}  // namespace
