// Memo files: block addressing by the big-endian block size, and memo files that are missing,
// short, or name blocks that are not there.

#include <gtest/gtest.h>

#include <string>

#include "base/Errors.h"
#include "formats/dbf/DBFFile.h"
#include "formats/dbf/FPTFile.h"
#include "support/DBFWriter.h"
#include "support/TempDir.h"

namespace {

std::string BE32(uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
          static_cast<char>(v)};
}

// A memo file of block size 64 whose block 3 (offset 192) holds "third".
std::string SmallMemo() {
  std::string bytes = BE32(4) + BE32(64);
  bytes.resize(192, '\0');
  bytes += BE32(1) + BE32(5) + "third";
  bytes.resize(256, '\0');
  return bytes;
}

TEST(FPTFile, BlocksAreAddressedByTheBigEndianBlockSize) {
  TempDir dir;
  WriteFile(dir / "m.fpt", SmallMemo());
  WFPTFile memo(dir / "m.fpt");
  EXPECT_TRUE(memo.Exists());
  EXPECT_EQ(memo.BlockSize(), 64u);
  EXPECT_EQ(memo.ReadMemo(3), "third");
  EXPECT_EQ(memo.ReadMemo(0), "");
  EXPECT_EQ(memo.ReadMemo(-3), "");
}

TEST(FPTFile, MemosComeBackByteForByteWithTheirLineBreaks) {
  TempDir dir;
  DBFWriter w;
  w.Field("NAME", 'C', 8).Field("NOTE", 'M', 10).MemoBlockSize(32).FreeBlocksBetweenMemos(2);
  const std::string long_text(100, 'x');
  w.Row({"a", "line one\r\nline two\x0c"}).Row({"b", ""}).Row({"c", long_text});
  w.Write(dir / "t.dbf", dir / "t.fpt");
  WDBFFile table(dir / "t.dbf");
  WFPTFile memo(dir / "t.fpt");
  EXPECT_EQ(memo.BlockSize(), 32u);
  EXPECT_EQ(memo.ReadMemo(table.FieldInt(1, "NOTE")), "line one\r\nline two\x0c");
  EXPECT_EQ(table.FieldInt(2, "NOTE"), 0);  // no memo: blanks
  EXPECT_EQ(memo.ReadMemo(table.FieldInt(3, "NOTE")), long_text);
}

TEST(FPTFile, MissingMemoFileIsEmpty) {
  TempDir dir;
  WFPTFile memo(dir / "none.fpt");
  EXPECT_FALSE(memo.Exists());
  EXPECT_EQ(memo.BlockSize(), 0u);
  EXPECT_EQ(memo.ReadMemo(1), "");
  WFPTFile unnamed("");
  EXPECT_EQ(unnamed.ReadMemo(8), "");
}

TEST(FPTFile, MemoThatCannotBeOpenedRaisesTheOpenError) {
  TempDir dir;
  std::filesystem::create_directory(dir / "folder.fpt");
  EXPECT_THROW(WFPTFile memo(dir / "folder.fpt"), EFOpenError);
}

TEST(FPTFile, DamagedMemoFilesGiveOnlyTheBytesThatExist) {
  TempDir dir;
  // Shorter than its header: no block size, no memos.
  WriteFile(dir / "short.fpt", std::string("\0\0\0\1\0\0", 6));
  WFPTFile short_memo(dir / "short.fpt");
  EXPECT_EQ(short_memo.BlockSize(), 0u);
  EXPECT_EQ(short_memo.ReadMemo(1), "");

  // A block starting past the end, and one whose length header is cut.
  std::string bytes = SmallMemo();
  WriteFile(dir / "m.fpt", bytes);
  WFPTFile memo(dir / "m.fpt");
  EXPECT_EQ(memo.ReadMemo(4), "");
  EXPECT_EQ(memo.ReadMemo(1000000), "");
  EXPECT_EQ(memo.ReadMemo(INT64_MAX), "");  // block x size overflows
  WriteFile(dir / "cut.fpt", bytes.substr(0, 192 + 6));
  EXPECT_EQ(WFPTFile(dir / "cut.fpt").ReadMemo(3), "");

  // A length running past the end: the bytes that are there.
  bytes.resize(192 + 8 + 3);
  WriteFile(dir / "cut2.fpt", bytes);
  EXPECT_EQ(WFPTFile(dir / "cut2.fpt").ReadMemo(3), "thi");
  std::string huge = SmallMemo();
  huge.replace(196, 4, BE32(0xFFFFFFFFu));
  WriteFile(dir / "huge.fpt", huge);
  EXPECT_EQ(WFPTFile(dir / "huge.fpt").ReadMemo(3), std::string("third") + std::string(256 - 205, '\0'));

  // The writer's damaged variant: a memo file cut inside its last memo.
  DBFWriter w;
  w.Field("NOTE", 'M', 10).MemoBlockSize(64).Row({"first memo"}).Row({"second memo"});
  w.TruncateMemo(512 + 64 + 8 + 6);
  w.Write(dir / "t.dbf", dir / "t.fpt");
  WDBFFile table(dir / "t.dbf");
  WFPTFile cut_memo(dir / "t.fpt");
  EXPECT_EQ(cut_memo.ReadMemo(table.FieldInt(1, 1)), "first memo");
  EXPECT_EQ(cut_memo.ReadMemo(table.FieldInt(2, 1)), "second");
}

}  // namespace
