// Feeds arbitrary bytes to the RootsMagic reader as a family file set (see fuzz_rm3_files.h)
// written into a folder of this process, opens it the way the viewer does and reads every
// record.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "FuzzReader.h"
#include "formats/rm3/RM3Collection.h"
#include "fuzz_rm3_files.h"

namespace {

std::string folder;

// Removes the set's files and folder when the run ends.
void RemoveSetFolder() {
  for (const std::string& name : RM3SetFiles()) std::remove((folder + "/" + name).c_str());
  ::rmdir(folder.c_str());
}

const std::string& SetFolder() {
  if (folder.empty()) {
    // A folder in memory when the machine has one: every input writes the whole set.
    std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm/fuzz_rm3_XXXXXX" : "/tmp/fuzz_rm3_XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    folder = pattern;
    RM3SetFiles();  // made before the exit handler is registered, so it is still there when it runs
    std::atexit(RemoveSetFolder);
  }
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ImportCancelled = false;
  const std::string rmg =
      WriteRM3Set(SetFolder(), std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    std::unique_ptr<WABSCollection> collection = WRM3Collection::ReaderInfo().create(rmg);
    if (collection) FuzzWalk(*collection);
  } catch (const std::exception&) {
  }
  return 0;
}
