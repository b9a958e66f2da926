// A deterministic sweep of damage over the sample family's files: truncations, flipped header
// and descriptor bytes, memo block sizes and lengths, deleted rows, missing memo files and
// missing tables.  Every variant either opens, in which case every record is read and the
// whole dump finishes, or is refused with an error message; nothing crashes, hangs or reads
// outside its files (the sanitizer build checks the last).

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "base/Errors.h"
#include "base/UIHooks.h"
#include "export/ModelDump.h"
#include "formats/rm3/RM3Collection.h"
#include "support/CollectionWalk.h"
#include "support/RM3Writer.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

using FileSet = std::map<std::string, std::string>;  // file name -> bytes

FileSet SampleSet() {
  TempDir dir;
  RM3SampleFamily().Write(dir.path(), "family");
  FileSet set;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir.path()))
    set[entry.path().filename().string()] = ReadFile(entry.path().string());
  return set;
}

struct Outcome {
  int opened = 0;
  int refused = 0;
};

// Writes the set, opens it and reads everything; an error message counts as a refusal.
void OpenAndWalk(const FileSet& set, const std::string& variant, Outcome& outcome) {
  SCOPED_TRACE(variant);
  TempDir dir;
  for (const auto& [name, bytes] : set) WriteFile(dir / name, bytes);
  ImportCancelled = false;
  try {
    WRM3Collection collection(dir / "family.rmg");
    if (!collection.Import()) {
      ADD_FAILURE() << "import failed without a message";
      return;
    }
    collection.BuildLinks();
    WalkCollection(collection);
    size_t lines = 0;
    EXPECT_TRUE(WModelDump(collection).WriteAll([&](const std::string&) { ++lines; }));
    EXPECT_GE(lines, 1u);
    ++outcome.opened;
  } catch (const ETaravellError& e) {
    EXPECT_FALSE(std::string(e.what()).empty());
    ++outcome.refused;
  }
}

// The set with one file changed.
FileSet With(const FileSet& set, const std::string& name, const std::function<void(std::string&)>& change) {
  FileSet changed = set;
  change(changed[name]);
  return changed;
}

uint16_t HeaderLength(const std::string& table) {
  return static_cast<uint16_t>(static_cast<unsigned char>(table[8]) | static_cast<unsigned char>(table[9])
                                                                          << 8);
}
uint16_t RecordLength(const std::string& table) {
  return static_cast<uint16_t>(static_cast<unsigned char>(table[10]) | static_cast<unsigned char>(table[11])
                                                                           << 8);
}

TEST(RM3Damage, TruncatedFiles) {
  const FileSet set = SampleSet();
  Outcome outcome;
  for (const auto& [name, bytes] : set) {
    std::vector<size_t> sizes = {0, 1, 3, 21, 31, 32, 33, 100, bytes.size() / 2, bytes.size() - 1};
    if (name.ends_with(".dbf")) {
      const size_t header = HeaderLength(bytes), record = RecordLength(bytes);
      for (size_t s : {header - 1, header, header + 1, header + record / 2, header + record + record / 2})
        sizes.push_back(s);
    } else if (name.ends_with(".fpt")) {
      for (size_t s : {4, 7, 8, 511, 512, 520, 600}) sizes.push_back(s);
    }
    for (size_t size : sizes) {
      if (size >= bytes.size()) continue;
      OpenAndWalk(With(set, name, [size](std::string& b) { b.resize(size); }),
                  name + " cut at " + std::to_string(size), outcome);
    }
  }
  EXPECT_GT(outcome.opened, 100);
}

TEST(RM3Damage, FlippedHeaderAndDescriptorBytes) {
  const FileSet set = SampleSet();
  Outcome outcome;
  for (const auto& [name, bytes] : set) {
    std::vector<size_t> offsets;
    if (name.ends_with(".dbf")) {
      for (size_t at = 0; at < 12; ++at) offsets.push_back(at);
      const size_t header = HeaderLength(bytes);
      for (size_t at = 32; at + 32 <= header; at += 32)
        for (size_t field : {0, 11, 16, 17}) offsets.push_back(at + field);
      offsets.push_back(header - 1);  // the terminator, or what is there
      offsets.push_back(header);      // the first deletion flag
    } else if (name.ends_with(".fpt")) {
      for (size_t at : {0, 4, 5, 6, 7, 512, 516, 517, 518, 519}) offsets.push_back(at);
    } else {
      for (size_t at : {0, 3, 22, 72, 73}) offsets.push_back(at);
    }
    for (size_t at : offsets) {
      if (at >= bytes.size()) continue;
      for (unsigned char mask : {0xFF, 0x80, 0x01}) {
        OpenAndWalk(With(set, name, [&](std::string& b) { b[at] = static_cast<char>(b[at] ^ mask); }),
                    name + " byte " + std::to_string(at) + " ^ " + std::to_string(mask), outcome);
      }
    }
  }
  EXPECT_GT(outcome.opened, 500);
}

TEST(RM3Damage, DeletedRowsMissingMemosAndMissingTables) {
  const FileSet set = SampleSet();
  Outcome outcome;
  for (const auto& [name, bytes] : set) {
    if (name.ends_with(".dbf")) {
      // Every row of one table deleted.
      OpenAndWalk(With(set, name,
                       [](std::string& b) {
                         const size_t header = HeaderLength(b), record = RecordLength(b);
                         for (size_t at = header; record > 0 && at < b.size() - 1; at += record) b[at] = '*';
                       }),
                  name + " all rows deleted", outcome);
      // A missing table is refused with its name.
      FileSet missing = set;
      missing.erase(name);
      TempDir dir;
      for (const auto& [n, b] : missing) WriteFile(dir / n, b);
      WRM3Collection collection(dir / "family.rmg");
      try {
        collection.Import();
        ADD_FAILURE() << "opened without " << name;
      } catch (const EFOpenError& e) {
        EXPECT_NE(std::string(e.what()).find(dir / name), std::string::npos) << e.what();
      }
    } else if (name.ends_with(".fpt")) {
      FileSet missing = set;
      missing.erase(name);
      OpenAndWalk(missing, name + " missing", outcome);
    }
  }
  // All memo files missing at once, and all tables empty of live rows.
  FileSet no_memos;
  for (const auto& [name, bytes] : set)
    if (!name.ends_with(".fpt")) no_memos[name] = bytes;
  OpenAndWalk(no_memos, "no memo files", outcome);
  EXPECT_EQ(outcome.refused, 0);
}

}  // namespace
