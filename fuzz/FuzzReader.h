#pragma once

// The pattern every reader's libFuzzer harness follows: the input bytes become an anonymous
// in-memory file (no temporary file on disk), which the reader probes, constructs on, imports
// and links the way the viewer opens a file; then every record is read, once by the collection
// walk and once through the model dump.
//
//   extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
//     return FuzzReaderBytes(WPAFCollection::ReaderInfo(), data, size);
//   }

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "base/UIHooks.h"
#include "export/ModelDump.h"
#include "model/ReaderInfo.h"
#include "support/CollectionWalk.h"

// An in-memory file holding bytes, reachable by a path (/proc/self/fd/N) for readers that
// open files by name.  Closed when the object goes.
class FuzzMemoryFile {
 public:
  FuzzMemoryFile(const uint8_t* data, size_t size) {
    fd_ = memfd_create("fuzz-input", MFD_CLOEXEC);
    if (fd_ < 0) std::abort();
    size_t done = 0;
    while (done < size) {
      const ssize_t n = ::write(fd_, data + done, size - done);
      if (n <= 0) std::abort();
      done += static_cast<size_t>(n);
    }
  }
  ~FuzzMemoryFile() { ::close(fd_); }
  FuzzMemoryFile(const FuzzMemoryFile&) = delete;
  FuzzMemoryFile& operator=(const FuzzMemoryFile&) = delete;
  std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }

 private:
  int fd_ = -1;
};

// Reads everything an opened collection offers; returns 0 as libFuzzer expects.
inline int FuzzWalk(WABSCollection& collection) {
  if (!collection.Import()) return 0;
  collection.BuildLinks();
  volatile size_t sink = WalkCollection(collection);
  WModelDump(collection).WriteAll([&](const std::string& line) { sink = sink + line.size(); });
  (void)sink;
  return 0;
}

// One input through one reader, from probe to the last record.  Reader errors are expected;
// only crashes, hangs and sanitizer reports count.
inline int FuzzReaderBytes(const WReaderInfo& reader, const uint8_t* data, size_t size) {
  ImportCancelled = false;
  FuzzMemoryFile file(data, size);
  const std::string path = file.Path();
  try {
    if (reader.probe && !reader.probe(path).empty()) return 0;
    std::unique_ptr<WABSCollection> collection = reader.create(path);
    return collection ? FuzzWalk(*collection) : 0;
  } catch (const std::exception&) {
    return 0;
  }
}
