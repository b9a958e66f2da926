#include <sys/stat.h>

#include <cstring>
#include <numeric>
#include <stdexcept>

#include "StorageTestSupport.h"
#include "base/Errors.h"
#include "base/MMF.h"
#include "base/MMFReadOnly.h"
#include "base/VersionMMF.h"

namespace {

const char* kMessageTail = "\r\nPlease check that this file is not being used by another application.";

std::vector<uint8_t> Pattern(size_t n, int seed) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>((i * 31 + seed) & 0xFF);
  return v;
}

class MMFTest : public ScratchTmpDir {};

TEST_F(MMFTest, HeapStorageMovesToMappedTempFileKeepingItsBytes) {
  int fdsBefore = OpenDescriptorCount();
  {
    WMMF s;
    s.Create("", true, 16384, 2048);
    EXPECT_TRUE(s.InMemory());
    EXPECT_EQ(s.Size(), 2048);
    auto head = Pattern(2048, 1);
    EXPECT_EQ(s.Write(head.data(), 2048), 0);
    EXPECT_TRUE(Files().empty()) << "a small storage must not touch the file system";

    // Step through the heap-growth path first, then past 64 KB in one write.
    auto mid = Pattern(20000, 2);
    EXPECT_EQ(s.Write(mid.data(), 20000), 2048);
    EXPECT_TRUE(s.InMemory());
    auto tail = Pattern(70000 - 22048, 3);
    EXPECT_EQ(s.Write(tail.data(), static_cast<int64_t>(tail.size())), 22048);
    EXPECT_FALSE(s.InMemory());
    EXPECT_EQ(s.Size(), 70000);
    EXPECT_EQ(s.Capacity(), 70000 + 16384);
    EXPECT_EQ(std::memcmp(s.Data(), head.data(), 2048), 0);
    EXPECT_EQ(std::memcmp(s.Data() + 2048, mid.data(), 20000), 0);
    EXPECT_EQ(std::memcmp(s.Data() + 22048, tail.data(), tail.size()), 0);
    EXPECT_EQ(s.PathInUse().rfind(dir_ + "/brm", 0), 0u) << s.PathInUse();

    // Mapped growth keeps the data too.
    s.Seek(0, 2);
    auto more = Pattern(100000, 4);
    s.Write(more.data(), 100000);
    EXPECT_EQ(s.Size(), 170000);
    EXPECT_EQ(std::memcmp(s.Data(), head.data(), 2048), 0);
    EXPECT_EQ(std::memcmp(s.Data() + 70000, more.data(), 100000), 0);
  }
  EXPECT_TRUE(Files().empty());
  EXPECT_EQ(OpenDescriptorCount(), fdsBefore);
}

TEST_F(MMFTest, TemporaryStorageLeavesNothingWhenDestroyedByAnException) {
  int fdsBefore = OpenDescriptorCount();
  try {
    WMMF s;
    s.Create("", false, 16384, 100000);  // starts as a mapped file
    EXPECT_FALSE(s.InMemory());
    std::vector<uint8_t> bytes(200000, 7);
    s.Write(bytes.data(), 200000);
    throw std::runtime_error("import failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_TRUE(Files().empty());
  EXPECT_EQ(OpenDescriptorCount(), fdsBefore);
}

TEST_F(MMFTest, NamedStorageKeepsExactlyTheWrittenData) {
  std::string small = Path("small.bin"), big = Path("big.bin");
  {
    WMMF a;
    a.Create(small, true, 100, 0);
    a.Write("hello", 5);
    WMMF b;
    b.Create(big, true, 16384, 10);
    auto bytes = Pattern(70000, 9);
    b.Write(bytes.data(), 70000);
    EXPECT_FALSE(b.InMemory());
  }
  EXPECT_EQ(ReadFileBytes(small), "hello");
  auto bytes = Pattern(70000, 9);
  EXPECT_EQ(ReadFileBytes(big), std::string(bytes.begin(), bytes.end()));
}

TEST_F(MMFTest, ReadWriteSeekFollowTheirRanges) {
  WMMF s;
  s.Create("", true, 0, 0);
  EXPECT_EQ(s.Write("abcdef", 6), 0);
  EXPECT_EQ(s.Write("gh", 2), 6);
  EXPECT_EQ(s.Size(), 8);
  char buf[16] = {};
  EXPECT_EQ(s.Read(buf, 4), 0) << "position is at the end";
  EXPECT_EQ(s.Seek(2, 0), 2);
  EXPECT_EQ(s.Read(buf, 100), 6);
  EXPECT_EQ(std::string(buf, 6), "cdefgh");
  EXPECT_EQ(s.Seek(-3, 2), 5);
  EXPECT_EQ(s.Seek(1, 1), 6);
  EXPECT_EQ(s.Read(buf, -1), 0);

  // Refused writes change nothing.
  s.Seek(-1, 0);
  EXPECT_EQ(s.Read(buf, 1), 0);
  EXPECT_EQ(s.Write("x", 1), -1);
  s.Seek(0, 0);
  EXPECT_EQ(s.Write("x", -1), -1);
  EXPECT_EQ(s.Write("", 0), -1) << "a write ending at 0";
  EXPECT_EQ(s.Size(), 8);

  // A write past the end leaves a zero gap.
  s.Seek(12, 0);
  EXPECT_EQ(s.Write("z", 1), 12);
  EXPECT_EQ(s.Size(), 13);
  EXPECT_EQ(s.U32(8), 0u);
}

TEST_F(MMFTest, EmptyFileMapsAsEmptyStorage) {
  std::string path = Path("empty.ged");
  WriteFileBytes(path, "");
  WMMFReadOnly f(path);
  EXPECT_TRUE(f.IsOpen());
  EXPECT_EQ(f.Size(), 0);
  char c;
  EXPECT_EQ(f.Read(&c, 1), 0);
  EXPECT_EQ(f.U8(0), 0);
  uint32_t v = 1;
  EXPECT_FALSE(f.ReadU32(0, v));
  EXPECT_EQ(v, 0u);
}

TEST_F(MMFTest, OutOfRangeReadsGiveNothing) {
  std::string path = Path("six.bin");
  WriteFileBytes(path, std::string("\x01\x02\x03\x04\x05\x06", 6));
  WMMFReadOnly f(path);
  EXPECT_EQ(f.U32(2), 0x06050403u);
  EXPECT_EQ(f.U16(4), 0x0605u);
  EXPECT_EQ(f.U32(3), 0u) << "one byte beyond the end";
  uint32_t v;
  EXPECT_FALSE(f.ReadU32(3, v));
  EXPECT_FALSE(f.ReadU32(-1, v));
  EXPECT_FALSE(f.ReadU32(INT64_MAX - 1, v)) << "offset + length overflows";
  EXPECT_EQ(f.U8(6), 0);
  EXPECT_EQ(f.U8(-1), 0);
  char buf[8];
  EXPECT_FALSE(f.ReadAt(5, buf, 2));
  EXPECT_TRUE(f.ReadAt(5, buf, 1));
  EXPECT_EQ(f.Pointer(6), f.Data() + 6) << "the end address";
  EXPECT_EQ(f.Pointer(7), nullptr);
  f.Seek(4, 0);
  EXPECT_EQ(f.Read(buf, 8), 2);
}

TEST_F(MMFTest, ReadOnlyStorageNeverWritesTheFile) {
  std::string path = Path("family.paf");
  WriteFileBytes(path, "original");
  chmod(path.c_str(), 0444);  // a read-write open would fail
  {
    WMMFReadOnly f(path);
    EXPECT_TRUE(f.IsReadOnly());
    EXPECT_EQ(f.Write("XX", 2), -1);
    f.Seek(100, 0);
    EXPECT_EQ(f.Write("XX", 2), -1);
    EXPECT_EQ(f.Size(), 8);
    f.Flush();
    f.Close();
  }
  EXPECT_EQ(ReadFileBytes(path), "original");
}

TEST_F(MMFTest, FailuresCarryTheStorageMessage) {
  std::string missing = Path("missing.ged");
  try {
    WMMFReadOnly f(missing);
    FAIL() << "opened a missing file";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()), "Error using the file " + missing + kMessageTail);
  }
  // A folder or a FIFO is not a file to map (and must not block the open).
  EXPECT_THROW(WMMFReadOnly{dir_}, EFOpenError);
  std::string fifo = Path("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_THROW(WMMFReadOnly{fifo}, EFOpenError);

  std::string uncreatable = Path("no/such/folder/index.bin");
  WMMF s;
  try {
    s.Create(uncreatable, false, 0, 100);
    FAIL() << "created a file in a missing folder";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()), "Error using the file " + uncreatable + kMessageTail);
  }
  EXPECT_FALSE(s.IsOpen());
}

TEST_F(MMFTest, TemporaryFileThatCannotBeMadeRaisesOnGrowth) {
  ::setenv("TMPDIR", Path("gone").c_str(), 1);
  WMMF s;
  s.Create("", true, 0, 16);
  std::vector<uint8_t> bytes(70000, 1);
  try {
    s.Write(bytes.data(), 70000);
    ADD_FAILURE() << "grew into a missing folder";
  } catch (const EFOpenError& e) {
    // The message names the folder and the system's reason, not a made-up file name.
    EXPECT_EQ(std::string(e.what()), "Error using the temporary folder " + Path("gone") +
                                         ": No such file or directory\r\nPlease check that the folder exists, "
                                         "can be written to and has room.");
  }
  // The heap block survives the failed move.
  EXPECT_TRUE(s.InMemory());
  EXPECT_EQ(s.Size(), 16);
  EXPECT_EQ(s.Write("ab", 2), 0);
}

TEST_F(MMFTest, MovedStorageOwnsTheMapping) {
  WMMF a;
  a.Create("", false, 0, 70000);
  a.Write("data", 4);
  WMMF b(std::move(a));
  EXPECT_FALSE(a.IsOpen());
  EXPECT_EQ(a.Data(), nullptr);
  EXPECT_EQ(b.U32(0), 0x61746164u);
  WMMF c;
  c.Create("", true, 0, 10);
  c = std::move(b);
  EXPECT_EQ(c.Size(), 70000);
  EXPECT_EQ(c.U8(0), 'd');
}

TEST_F(MMFTest, VersionStorageTracksItsUsedEnd) {
  WVersionMMF v;
  v.Create("", 16384, 2048);
  EXPECT_EQ(v.I32(0), 1);
  EXPECT_EQ(v.UsedEnd(), 8);
  EXPECT_EQ(v.Append("abcd", 4), 8);
  EXPECT_EQ(v.UsedEnd(), 12);
  EXPECT_EQ(v.AppendZeros(100000), 12);
  EXPECT_EQ(v.UsedEnd(), 100012);
  EXPECT_FALSE(v.InMemory());
  EXPECT_EQ(v.U32(8), 0x64636261u);

  // Zeros are real zeros even over bytes written before the end was lowered.
  v.SetUsedEnd(8);
  std::vector<uint8_t> ones(300, 0xFF);
  v.Append(ones.data(), 300);
  v.SetUsedEnd(8);
  EXPECT_EQ(v.AppendZeros(300), 8);
  for (int i = 8; i < 308; ++i) ASSERT_EQ(v.U8(i), 0) << i;
  // Also over bytes written beyond the used end by position.
  v.Seek(400, 0);
  v.Write(ones.data(), 300);
  EXPECT_EQ(v.AppendZeros(1000), 308);
  for (int i = 308; i < 1308; ++i) ASSERT_EQ(v.U8(i), 0) << i;
  v.Reset();
  EXPECT_EQ(v.UsedEnd(), 8);
}

}  // namespace
