#include "formats/tmg/TMGProject.h"

#include <fcntl.h>
#include <unistd.h>

#include "base/FilePaths.h"

namespace {

// Longest first line looked at; a version line is far shorter.
constexpr size_t kMaxLine = 256;

}  // namespace

std::string WTMGProject::ProjectVersion(const std::string& path, bool* readable) {
  if (readable) *readable = false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::string();
  char buffer[kMaxLine];
  size_t done = 0;
  bool failed = false;
  while (done < sizeof buffer) {
    const ssize_t n = ::read(fd, buffer + done, sizeof buffer - done);
    if (n < 0) {
      failed = true;
      break;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  ::close(fd);
  if (failed) return std::string();
  if (readable) *readable = true;

  std::string line(buffer, done);
  const size_t end = line.find_first_of("\r\n");
  if (end != std::string::npos) line.resize(end);
  static const std::string kLead = "TMG Version ";
  if (line.compare(0, kLead.size(), kLead) != 0) return std::string();
  std::string version = line.substr(kLead.size());
  if (version.empty() || version.find(' ') != std::string::npos) return std::string();
  return version;
}

bool WTMGProject::IsSupportedVersion(const std::string& version) {
  return version == "4.0" || version == "4.0a" || version == "4.0c" || version == "4.0d";
}

std::string WTMGProject::TablePrefix(const std::string& path) { return BaseNameOf(path).substr(0, 7); }
