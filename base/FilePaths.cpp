#include "base/FilePaths.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string BaseNameOf(const std::string& path) {
  std::string name = FileNameOf(path);
  const size_t dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  return dir.back() == '/' ? dir + name : dir + "/" + name;
}

std::string FindFileNoCase(const std::string& dir, const std::string& name) {
  if (name.empty()) return std::string();
  const std::string exact = JoinPath(dir, name);
  struct stat st {};
  if (::stat(exact.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return exact;
  std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(dir.empty() ? "." : dir.c_str()), ::closedir);
  if (!folder) return std::string();
  while (const dirent* entry = ::readdir(folder.get())) {
    if (::strcasecmp(entry->d_name, name.c_str()) != 0) continue;
    const std::string found = JoinPath(dir, entry->d_name);
    if (::stat(found.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return found;
  }
  return std::string();
}

std::string SiblingFilePath(const std::string& dir, const std::string& name) {
  std::string found = FindFileNoCase(dir, name);
  return found.empty() ? JoinPath(dir, name) : found;
}

std::string ReadFileStart(const std::string& path, size_t count) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::string();
  struct stat st {};
  std::string bytes;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    bytes.resize(count);
    size_t done = 0;
    while (done < count) {
      const ssize_t n = ::read(fd, bytes.data() + done, count - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    bytes.resize(done);
  }
  ::close(fd);
  return bytes;
}

std::vector<std::string> FilesNamedAfter(const std::string& dir, const std::string& stem,
                                         const std::vector<std::string>& extensions) {
  std::vector<std::string> found;
  std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(dir.empty() ? "." : dir.c_str()), ::closedir);
  if (!folder) return found;
  while (const dirent* entry = ::readdir(folder.get())) {
    const std::string name = entry->d_name;
    if (name.size() <= stem.size() + 1 || ::strncasecmp(name.c_str(), stem.c_str(), stem.size()) != 0) continue;
    const std::string rest = name.substr(stem.size() + 1);
    bool wanted = false;
    for (const std::string& extension : extensions) wanted = wanted || ::strcasecmp(rest.c_str(), extension.c_str()) == 0;
    if (!wanted) continue;
    const std::string path = JoinPath(dir, name);
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) found.push_back(path);
  }
  return found;
}
