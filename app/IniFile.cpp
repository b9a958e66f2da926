#include "app/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "base/Settings.h"

namespace {

// Larger files are not settings files; they load as empty rather than fill memory.
constexpr off_t kMaxFileSize = 64 * 1024 * 1024;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// Section names, keys and values are single lines: line breaks inside them would split the
// line on the next read and could even forge other keys.
std::string OneLine(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

bool ReadWholeFile(const std::string& path, std::string* text) {
  // Non-blocking, so that a named pipe given as the path cannot hang the program.
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxFileSize) {
    close(fd);
    return false;
  }
  text->clear();
  text->reserve(static_cast<size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      close(fd);
      text->clear();
      return false;
    }
    if (n == 0) break;
    text->append(buf, static_cast<size_t>(n));
    if (text->size() > static_cast<size_t>(kMaxFileSize)) {  // grew while we read it
      close(fd);
      text->clear();
      return false;
    }
  }
  close(fd);
  return true;
}

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Creates every missing folder of dir (like mkdir -p); new folders are private to the user.
bool MakeFolders(const std::string& dir) {
  if (dir.empty()) return true;
  struct stat st {};
  if (stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  size_t slash = dir.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !MakeFolders(dir.substr(0, slash))) return false;
  return mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST;
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace

WIniFile::WIniFile(std::string path) : path_(std::move(path)) {
  std::string text;
  wasRead_ = ReadWholeFile(path_, &text);
  Parse(text);
}

bool WIniFile::ParseInteger(std::string_view text, int* value) {
  return WSettings::ParseInteger(text, value);
}

std::string WIniFile::LookupKey(std::string_view section, std::string_view key) {
  return Lower(Trim(section)) + '\n' + Lower(Trim(key));
}

void WIniFile::AddLine(Section& section, std::string_view raw) {
  Line line;
  line.raw = std::string(raw);
  std::string_view s = Trim(raw);
  if (!s.empty() && s.front() != ';' && s.front() != '#') {
    size_t eq = s.find('=');
    if (eq != std::string_view::npos) {
      std::string_view key = Trim(s.substr(0, eq));
      std::string_view value = Trim(s.substr(eq + 1));
      if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
          value.back() == value.front())
        value = value.substr(1, value.size() - 2);
      if (!key.empty()) {
        line.isKey = true;
        line.key = std::string(key);
        line.value = std::string(value);
      }
    }
  }
  section.lines.push_back(std::move(line));
}

void WIniFile::Parse(const std::string& text) {
  sections_.clear();
  keys_.clear();
  sectionIndex_.clear();
  sections_.emplace_back();

  std::string_view rest(text);
  if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);  // UTF-8 byte-order mark
  while (!rest.empty()) {
    size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    Section& current = sections_.back();
    std::string_view s = Trim(line);
    if (s.empty()) {
      ++current.trailingBlanks;
      continue;
    }
    size_t close = s.rfind(']');
    if (s.front() == '[' && close != std::string_view::npos) {
      Section next;
      next.header = std::string(line);
      next.name = std::string(Trim(s.substr(1, close - 1)));
      sectionIndex_.emplace(Lower(next.name), sections_.size());
      sections_.push_back(std::move(next));
      continue;
    }
    // Blank lines followed by more lines of the same section belong inside it.
    for (; current.trailingBlanks > 0; --current.trailingBlanks) current.lines.push_back(Line{});
    AddLine(current, line);
    const Line& added = current.lines.back();
    // Keys before the first header belong to no section and cannot be looked up.
    if (added.isKey && sections_.size() > 1)
      keys_.emplace(LookupKey(current.name, added.key),
                    std::make_pair(sections_.size() - 1, current.lines.size() - 1));
  }
}

bool WIniFile::Find(std::string_view section, std::string_view key, std::string* value) const {
  auto it = keys_.find(LookupKey(section, key));
  if (it == keys_.end()) return false;
  *value = sections_[it->second.first].lines[it->second.second].value;
  return true;
}

std::string WIniFile::ReadString(std::string_view section, std::string_view key,
                                 const std::string& fallback) const {
  std::string value;
  return Find(section, key, &value) ? value : fallback;
}

int WIniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  std::string text;
  int value = 0;
  if (Find(section, key, &text) && ParseInteger(text, &value)) return value;
  return fallback;
}

std::string WIniFile::EncodeValue(std::string_view value) {
  std::string v = OneLine(value);
  // Blanks at either end, or a value that is itself quoted, would be lost on reading: a pair of
  // quotes keeps them.
  bool needsQuotes =
      !v.empty() && (IsBlank(v.front()) || IsBlank(v.back()) ||
                     (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()));
  return needsQuotes ? '"' + v + '"' : v;
}

void WIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  std::string sectionName(Trim(OneLine(section)));
  std::string keyName(Trim(OneLine(key)));
  if (keyName.empty()) return;
  std::string stored = std::string(Trim(EncodeValue(value)));
  std::string decoded = OneLine(value);
  std::string lookup = LookupKey(sectionName, keyName);

  auto it = keys_.find(lookup);
  if (it != keys_.end()) {
    Line& line = sections_[it->second.first].lines[it->second.second];
    if (line.value == decoded) return;
    line.value = decoded;
    line.raw = line.key + '=' + stored;
    dirty_ = true;
    return;
  }

  size_t index;
  auto found = sectionIndex_.find(Lower(sectionName));
  if (found != sectionIndex_.end()) {
    index = found->second;
  } else {
    Section added;
    added.header = '[' + sectionName + ']';
    added.name = sectionName;
    // Keep sections apart by one blank line, as a person editing the file would.
    Section& last = sections_.back();
    if (last.trailingBlanks == 0 && (!last.lines.empty() || !last.header.empty())) last.trailingBlanks = 1;
    index = sections_.size();
    sectionIndex_.emplace(Lower(sectionName), index);
    sections_.push_back(std::move(added));
  }
  Section& target = sections_[index];
  Line line;
  line.isKey = true;
  line.key = keyName;
  line.value = decoded;
  line.raw = keyName + '=' + stored;
  target.lines.push_back(std::move(line));
  keys_.emplace(lookup, std::make_pair(index, target.lines.size() - 1));
  dirty_ = true;
}

void WIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

std::string WIniFile::Text() const {
  std::string out;
  for (const Section& section : sections_) {
    if (!section.header.empty()) out += section.header + '\n';
    for (const Line& line : section.lines) out += line.raw + '\n';
    out.append(section.trailingBlanks, '\n');
  }
  return out;
}

bool WIniFile::Flush() {
  // Replace what a symbolic link points to, not the link itself.
  std::string target = path_;
  struct stat st {};
  if (lstat(path_.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* real = realpath(path_.c_str(), nullptr)) {
      target = real;
      std::free(real);
    }
  }
  std::string folder = FolderOf(target);
  if (!MakeFolders(folder)) return false;

  mode_t mode = 0644;
  if (stat(target.c_str(), &st) == 0) mode = st.st_mode & 07777;

  std::string temp = target + ".XXXXXX";
  int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  bool ok = WriteAll(fd, Text()) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  if (!ok || rename(temp.c_str(), target.c_str()) != 0) {
    unlink(temp.c_str());
    return false;
  }
  // Make the rename itself durable.
  int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    fsync(dirFd);
    close(dirFd);
  }
  dirty_ = false;
  return true;
}
