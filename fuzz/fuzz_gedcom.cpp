// Feeds arbitrary bytes to the GEDCOM reader: the bytes become a file, which is chosen,
// imported and linked the way the viewer opens a file, and then every record is read.

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/ReaderChoice.h"
#include "model/UIHooks.h"
#include "support/CollectionWalk.h"

namespace {

// One file per process, rewritten for every input.
const std::string& InputPath() {
  static const std::string path = [] {
    const char* tmp = std::getenv("TMPDIR");
    std::string folder = tmp && *tmp ? tmp : "/tmp";
    std::string dir = folder + "/fuzzgedXXXXXX";
    if (!mkdtemp(dir.data())) std::abort();
    return dir + "/input.ged";
  }();
  return path;
}

bool WriteInput(const uint8_t* data, size_t size) {
  int fd = ::open(InputPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < size) {
    ssize_t n = ::write(fd, data + done, size - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  ::close(fd);
  return done == size;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!WriteInput(data, size)) return 0;
  ImportCancelled = false;
  std::string error;
  std::unique_ptr<WABSCollection> collection = CreateCollectionForFile(InputPath(), error);
  if (!collection) return 0;
  if (!collection->Import()) return 0;
  collection->BuildLinks();
  volatile size_t sink = WalkCollection(*collection);
  (void)sink;
  return 0;
}
