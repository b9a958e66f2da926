// A deterministic sweep of damage over the Legacy fixtures: the file cut short at many places,
// and bytes flipped in the header page, the catalog, the table definitions, the usage maps and
// the data pages.  Each damaged file is opened (or refused with a message), and a file that
// opens is imported and dumped in full.  Nothing may crash, hang or read outside its buffers
// (the sanitizer build checks the last).

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "LegacyFixture.h"
#include "base/Errors.h"
#include "base/UIHooks.h"
#include "export/ModelDump.h"
#include "formats/legacy/LEGCollection.h"
#include "support/CollectionWalk.h"
#include "support/TempDir.h"

namespace {

constexpr size_t kPage = 4096;

struct Outcome {
  int opened = 0;
  int refused = 0;
};

void OpenAndDump(const std::string& path, Outcome& outcome) {
  ImportCancelled = false;
  try {
    const WReaderInfo& reader = WLEGCollection::ReaderInfo();
    if (!reader.probe(path).empty()) {
      ++outcome.refused;
      return;
    }
    auto collection = reader.create(path);
    if (!collection->Import()) {
      ++outcome.refused;
      return;
    }
    collection->BuildLinks();
    WalkCollection(*collection);
    size_t lines = 0;
    EXPECT_TRUE(WModelDump(*collection).WriteAll([&](const std::string&) { ++lines; }));
    ++outcome.opened;
  } catch (const ETaravellError& e) {
    EXPECT_FALSE(std::string(e.what()).empty());
    ++outcome.refused;
  }
}

std::string FamilyBytes() {
  JetWriter writer;
  BuildFamilyFixture(writer);
  return writer.Bytes();
}

TEST(LegacyDamage, TruncatedFilesOpenOrAreRefused) {
  const std::string bytes = FamilyBytes();
  TempDir dir;
  Outcome outcome;
  const auto start = std::chrono::steady_clock::now();
  for (size_t size : {size_t{0}, size_t{16}, size_t{17}, size_t{100}, kPage, kPage + 1, 2 * kPage,
                      3 * kPage - 1, 3 * kPage, 5 * kPage + 77}) {
    WriteFile(dir / "cut.fdb", bytes.substr(0, size));
    OpenAndDump(dir / "cut.fdb", outcome);
  }
  for (size_t size = 4 * kPage; size < bytes.size(); size += 3 * kPage + 123) {
    WriteFile(dir / "cut.fdb", bytes.substr(0, size));
    OpenAndDump(dir / "cut.fdb", outcome);
  }
  EXPECT_GT(outcome.refused, 5);
  EXPECT_GT(outcome.opened, 3);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(120));
}

TEST(LegacyDamage, FlippedBytesOpenOrAreRefused) {
  const std::string bytes = FamilyBytes();
  const size_t pages = bytes.size() / kPage;
  TempDir dir;
  Outcome outcome;
  // Offsets worth damaging on each page: the page type, the owner, the row count and offsets,
  // the usage map pointers and column entries of a definition, and some row bytes.
  const size_t offsets[] = {0,  1,  2,  4,  5,  8,  12, 13,  14,  15,  16,   20,   45,   55,
                            56, 59, 63, 64, 68, 70, 88, 100, 200, 700, 2000, 4000, 4090, 4095};
  const unsigned char masks[] = {0xFF, 0x80, 0x01, 0x40};
  for (size_t page = 0; page < pages; ++page) {
    for (size_t offset : offsets) {
      std::string damaged = bytes;
      const unsigned char mask = masks[(page + offset) % 4];
      damaged[page * kPage + offset] = static_cast<char>(damaged[page * kPage + offset] ^ mask);
      WriteFile(dir / "flip.fdb", damaged);
      OpenAndDump(dir / "flip.fdb", outcome);
    }
  }
  // The header area masked with RC4, byte by byte.
  for (size_t offset = 0x14; offset < 0x18 + 128; offset += 3) {
    std::string damaged = bytes;
    damaged[offset] = static_cast<char>(damaged[offset] ^ 0x5A);
    WriteFile(dir / "flip.fdb", damaged);
    OpenAndDump(dir / "flip.fdb", outcome);
  }
  EXPECT_GT(outcome.opened, 100);
  EXPECT_GT(outcome.refused, 3);
}

}  // namespace
