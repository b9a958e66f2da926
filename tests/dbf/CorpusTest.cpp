// Tables other programs wrote (the corpus's dbf folder), read with the values any dBase reader
// shows for them; and tables this project's writer makes, read by an independent dBase reader
// (python3-dbfread) and by ours, which must agree.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "formats/dbf/DBF5File.h"
#include "formats/dbf/DBFFile.h"
#include "formats/dbf/FPTFile.h"
#include "support/DBFWriter.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

std::string CorpusFile(const std::string& name) { return (fs::path(CorpusDir()) / "dbf" / name).string(); }

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

TEST(DBFCorpus, PeopleTable) {
  if (!fs::exists(CorpusFile("people.dbf"))) GTEST_SKIP() << "no corpus";
  WDBFFile t(CorpusFile("people.dbf"));
  ASSERT_EQ(t.FieldCount(), 2);
  EXPECT_EQ(t.FieldAt(1)->name, "NAME");
  EXPECT_EQ(t.FieldAt(1)->type, 'C');
  EXPECT_EQ(t.FieldAt(1)->length, 16);
  EXPECT_EQ(t.FieldAt(2)->type, 'D');
  ASSERT_EQ(t.RecordCount(), 3);
  EXPECT_EQ(Trimmed(t.FieldText(1, "NAME")), "Alice");
  EXPECT_EQ(t.FieldText(1, "BIRTHDATE"), "19870301");
  EXPECT_EQ(Trimmed(t.FieldText(2, "name")), "Bob");
  EXPECT_EQ(t.FieldText(2, "BIRTHDATE"), "19801112");
  EXPECT_TRUE(t.IsDeleted(3));
  EXPECT_EQ(Trimmed(t.FieldText(3, "NAME")), "Deleted Guy");
  EXPECT_EQ(t.FieldInt(2, "BIRTHDATE"), 19801112);
}

TEST(DBFCorpus, InvalidValueIsReadAsStored) {
  if (!fs::exists(CorpusFile("invalid_value.dbf"))) GTEST_SKIP() << "no corpus";
  WDBFFile t(CorpusFile("invalid_value.dbf"));
  ASSERT_EQ(t.RecordCount(), 3);
  EXPECT_EQ(t.FieldText(1, "BIRTHDATE"), "NotAYear");
  EXPECT_EQ(t.FieldInt(1, "BIRTHDATE"), 0);
  EXPECT_EQ(t.FieldText(2, "BIRTHDATE"), "19801112");
}

TEST(DBFCorpus, VisualFoxProTableWithMemoFile) {
  if (!fs::exists(CorpusFile("memotest.dbf"))) GTEST_SKIP() << "no corpus";
  // Visual FoxPro: a 263-byte gap after the descriptors, memo fields as raw integers.
  WDBF5File t(CorpusFile("memotest.dbf"));
  ASSERT_EQ(t.FieldCount(), 3);
  EXPECT_EQ(t.HeaderLength(), 392);
  EXPECT_EQ(t.FieldAt(3)->type, 'M');
  ASSERT_EQ(t.RecordCount(), 3);
  WFPTFile memo(CorpusFile("memotest.FPT"));
  EXPECT_EQ(memo.BlockSize(), 512u);
  const char* names[] = {"Alice", "Bob", "Deleted Guy"};
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(Trimmed(t.FieldText(n, "NAME")), names[n - 1]);
    EXPECT_EQ(memo.ReadMemo(t.FieldInt(n, "MEMO")), std::string(names[n - 1]) + " memo");
  }
  EXPECT_EQ(t.FieldText(1, "MEMO"), "1");
  EXPECT_EQ(t.FieldText(2, "BIRTHDATE"), "19801112");
  EXPECT_TRUE(t.IsDeleted(3));
  // Read as a text-field table, the raw block number is a byte 1 then NULs.
  WDBFFile text_table(CorpusFile("memotest.dbf"));
  EXPECT_EQ(text_table.FieldText(1, "MEMO"), "\x01");
  EXPECT_EQ(Trimmed(text_table.FieldText(2, "NAME")), "Bob");
}

TEST(DBFCorpus, TableWithoutItsMemoFile) {
  if (!fs::exists(CorpusFile("no_memofile.dbf"))) GTEST_SKIP() << "no corpus";
  WDBF5File t(CorpusFile("no_memofile.dbf"));
  ASSERT_EQ(t.RecordCount(), 3);
  WFPTFile memo(CorpusFile("no_memofile.fpt"));
  EXPECT_FALSE(memo.Exists());
  EXPECT_EQ(Trimmed(t.FieldText(1, "NAME")), "Alice");
  EXPECT_EQ(memo.ReadMemo(t.FieldInt(1, "MEMO")), "");
}

// What python3-dbfread reads from a file: one line per live row, fields separated by "|",
// memos included; empty when the module is not installed.
std::string ReadWithDbfread(const std::string& path) {
  const std::string script =
      "import sys\n"
      "try:\n"
      "    import dbfread\n"
      "except ImportError:\n"
      "    sys.exit(3)\n"
      "t = dbfread.DBF(sys.argv[1], encoding='cp1252')\n"
      "for r in t:\n"
      "    print('|'.join('' if v is None else str(v) for v in r.values()))\n";
  TempDir dir;
  WriteFile(dir / "read.py", script);
  int status = 0;
  std::string out = RunCommand("/usr/bin/python3 " + (dir / "read.py") + " '" + path + "' 2>&1", &status);
  return status == 0 ? out : std::string();
}

TEST(DBFWriterCheck, AnIndependentReaderAgreesWithOurs) {
  TempDir dir;
  DBFWriter w;
  w.Field("NAME", 'C', 12).Field("AGE", 'N', 5).Field("LIVING", 'L', 1).Field("NOTE", 'M', 10);
  w.MemoBlockSize(64).FreeBlocksBetweenMemos(1);
  w.Row({"Ann", "34", "T", "A first note"});
  w.Row({"Gone", "1", "F", "deleted"}, true);
  w.Row({"Bert", "7", "F", ""});
  w.Row({"Cora", "101", "T", std::string(150, 'z')});
  w.Write(dir / "check.dbf", dir / "check.fpt");
  const std::string theirs = ReadWithDbfread(dir / "check.dbf");
  if (theirs.empty()) GTEST_SKIP() << "python3-dbfread is not installed";

  WDBFFile t(dir / "check.dbf");
  WFPTFile memo(dir / "check.fpt");
  std::string ours;
  for (int n = 1; n <= t.RecordCount(); ++n) {
    if (t.IsDeleted(n)) continue;
    const int block = t.FieldInt(n, "NOTE");
    ours += Trimmed(t.FieldText(n, "NAME")) + "|" + std::to_string(t.FieldInt(n, "AGE")) + "|" +
            (t.FieldChar(n, "LIVING") == 'T' ? "True" : "False") + "|" +
            (block > 0 ? memo.ReadMemo(block) : "") + "\n";
  }
  EXPECT_EQ(ours, theirs);
}

}  // namespace
