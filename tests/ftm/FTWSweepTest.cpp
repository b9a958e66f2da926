// A deterministic sweep of damage over the Family Tree Maker fixtures: truncations, a cycle
// at several places of each chain, wrong stored counts, no table pages, and every byte of
// the header and every other byte of the first directory blocks and of the first
// allocation-table page inverted.
// Each variant opens or is refused with a message, and a full dump of it takes less than a
// second.  (Run under the sanitizers too: ./dev test --asan.)

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "FTWFixtures.h"
#include "export/ModelDump.h"
#include "formats/ftm/FTWCollection.h"
#include "fuzz/FuzzReader.h"

namespace {

using Clock = std::chrono::steady_clock;

// Opens the bytes as the viewer would and dumps everything; returns the seconds it took.
double OpenAndDump(const std::string& bytes, bool& opened) {
  const auto start = Clock::now();
  FuzzMemoryFile file(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  const WReaderInfo& reader = WFTWCollection::ReaderInfo();
  opened = false;
  const std::string refusal = reader.probe(file.Path());
  if (refusal.empty()) {
    ImportCancelled = false;
    std::unique_ptr<WABSCollection> collection = reader.create(file.Path());
    if (collection->Import()) {
      collection->BuildLinks();
      size_t lines = 0;
      WModelDump(*collection).WriteAll([&](const std::string&) { ++lines; });
      WalkCollection(*collection);
      opened = true;
    }
  } else {
    EXPECT_EQ(refusal, "Not a valid Family Tree Maker file");
  }
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void Sweep(const ftw::Image& original, const char* fixture) {
  int variants = 0, opened_count = 0;
  double slowest = 0;
  auto check = [&](const std::string& what, const std::function<void(ftw::Image&)>& damage) {
    ftw::Image image = original;
    damage(image);
    bool opened = false;
    const double seconds = OpenAndDump(image.bytes, opened);
    EXPECT_LT(seconds, 1.0) << fixture << ": " << what;
    slowest = std::max(slowest, seconds);
    ++variants;
    opened_count += opened ? 1 : 0;
  };

  const size_t size = original.bytes.size();
  for (size_t length = 0; length < size; length += 512) {
    for (size_t cut : {length, length + 7, length + 300}) {
      if (cut >= size) continue;
      check("cut at " + std::to_string(cut), [cut](ftw::Image& image) { image.bytes.resize(cut); });
    }
  }
  for (const auto& [name, blocks] : original.chains) {
    if (name == "pages" || name == "extension" || blocks.empty()) continue;
    for (size_t k : {size_t{0}, blocks.size() / 2, blocks.size() - 1}) {
      const int32_t block = blocks[k];
      check(name + " loops at " + std::to_string(k),
            [block](ftw::Image& image) { image.SetNext(block, block); });
      check(name + " back to its start from " + std::to_string(k),
            [block, first = blocks[0]](ftw::Image& image) { image.SetNext(block, first); });
    }
  }
  const int32_t information = original.chains.at("information").at(1);
  for (int32_t count : {-1, 0, 1, 1000000, 0x7FFFFFFF}) {
    check("stored count " + std::to_string(count),
          [&](ftw::Image& image) { image.PutI32(ftw::Image::BlockOffset(information) + 108, count); });
  }
  check("no pages", [](ftw::Image& image) { image.PutI32(44, 0); });
  auto invert = [](ftw::Image& image, uint64_t at) {
    image.PutU8(at, static_cast<uint8_t>(~image.bytes[at]));
  };
  for (uint64_t at = 0; at < 512; ++at)
    check("header byte " + std::to_string(at), [&](ftw::Image& i) { invert(i, at); });
  // Every other byte of the directory's first blocks and of the first table page: each
  // field of them has a byte among these.
  for (uint64_t at = 1024; at < 2048 && at < size; at += 2)
    check("directory byte " + std::to_string(at), [&](ftw::Image& i) { invert(i, at); });
  const uint64_t page = ftw::Image::BlockOffset(original.chains.at("pages").at(0));
  for (uint64_t at = page; at < page + 512; at += 2)
    check("page byte " + std::to_string(at), [&](ftw::Image& i) { invert(i, at); });

  EXPECT_GT(opened_count, variants / 2) << fixture;
  testing::Test::RecordProperty(std::string(fixture) + "_variants", variants);
  testing::Test::RecordProperty(std::string(fixture) + "_slowest_ms", static_cast<int>(slowest * 1000));
}

TEST(FTWSweep, FamilyFile) { Sweep(ftw::Write(ftw_fixtures::FamilyFixture()), "family"); }

TEST(FTWSweep, EmptyFile) { Sweep(ftw::Write(ftw_fixtures::EmptyFixture()), "empty"); }

}  // namespace
