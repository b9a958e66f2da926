// Feeds a TMG project made from the input bytes (the project file, tables and memo files
// packed as in tests/support/TMGBundle.h) to the TMG reader of its version (4.x for "p.tmg",
// 5.x for "p_.pjc"), then reads every record with sentences shown.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FuzzReader.h"
#include "base/Settings.h"
#include "formats/tmg/TMG5Collection.h"
#include "formats/tmg/TMGCollection.h"
#include "support/TMGBundle.h"

namespace {

// The folder the inputs are unpacked into, removed when the run ends.
struct ProjectFolder {
  ProjectFolder() {
    // In memory where the system offers it: every input writes a whole project.
    std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm/fuzz-tmg-XXXXXX" : "/tmp/fuzz-tmg-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    path = pattern;
  }
  ~ProjectFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::string path;
};

const std::string& ProjectDir() {
  static const ProjectFolder folder;
  return folder.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ImportCancelled = false;
  const std::string project = tmg_bundle::Unpack(data, size, ProjectDir());
  const bool version5 = project.size() > 4 && project.compare(project.size() - 4, 4, ".pjc") == 0;
  const WReaderInfo& reader = version5 ? WTMG5Collection::ReaderInfo() : WTMGCollection::ReaderInfo();
  // Half the inputs also build families with engagements.
  Settings().SetBool(WSettings::TMGEngage, size % 2 == 1);
  try {
    if (!reader.probe(project).empty()) return 0;
    std::unique_ptr<WABSCollection> collection = reader.create(project);
    return collection ? FuzzWalk(*collection) : 0;
  } catch (const std::exception&) {
    return 0;
  }
}
