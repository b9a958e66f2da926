#include "app/Options.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/IniFile.h"
#include "base/TextUtils.h"

namespace {

constexpr int kFirstRecentFile = WOptions::File1;
constexpr int kLastRecentFile = WOptions::File10;

bool IsSystemFolder(std::string_view dir) {
  for (std::string_view system : {"/usr", "/bin", "/sbin"})
    if (dir == system || (dir.starts_with(system) && dir[system.size()] == '/')) return true;
  return false;
}

bool IsWritableFolder(const std::string& dir) {
  struct stat st {};
  return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && access(dir.c_str(), W_OK) == 0;
}

}  // namespace

WOptions& Options() {
  static WOptions options;
  static const bool installed = (InstallSettings(&options), true);
  (void)installed;
  return options;
}

WOptions::WOptions() = default;

WOptions::~WOptions() = default;

// ---- the settings file

void WOptions::OpenSettingsFile(const std::string& path) {
  ini_ = std::make_unique<WIniFile>(path.empty() ? DefaultSettingsPath() : path);
}

void WOptions::CloseSettingsFile() {
  if (ini_ && ini_->Dirty()) ini_->Flush();  // not reported, like every other write failure
  ini_.reset();
}

std::string WOptions::SettingsFilePath() const { return ini_ ? ini_->Path() : std::string(); }

bool WOptions::SettingsFileWasRead() const { return ini_ && ini_->WasRead(); }

std::string WOptions::ReadIniString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
  return ini_ ? ini_->ReadString(section, key, defaultValue) : std::string();
}

void WOptions::WriteIniString(const std::string& section, const std::string& key, const std::string& value) {
  if (ini_) ini_->WriteString(section, key, value);
}

int WOptions::ReadIniInteger(const std::string& section, const std::string& key, int defaultValue) const {
  return ini_ ? ini_->ReadInteger(section, key, defaultValue) : 0;
}

void WOptions::WriteIniInteger(const std::string& section, const std::string& key, int value) {
  if (ini_) ini_->WriteInteger(section, key, value);
}

void WOptions::LoadSettings() {
  // Without a file every entry keeps its default rather than reading as empty.
  for (int id = 1; id <= kLastEntry; ++id) {
    const Entry& e = *FindEntry(id);
    values_[id] = ini_ ? ini_->ReadString(e.section, e.key, e.defaultValue) : e.defaultValue;
  }
  loaded_ = true;
}

bool WOptions::SaveSettings() {
  if (!ini_) return false;
  std::string stored;
  for (int id = 1; id <= kLastEntry; ++id) {
    const Entry& e = *FindEntry(id);
    if (id <= kEntryCount || values_[id] != e.defaultValue || ini_->Find(e.section, e.key, &stored))
      ini_->WriteString(e.section, e.key, values_[id]);
  }
  // Also when nothing changed, so that a first run leaves a file with every key.
  return ini_->Flush();
}

void WOptions::RemoveRecentFile(const std::string& path) {
  for (int id = kFirstRecentFile; id <= kLastRecentFile; ++id) {
    if (values_[id] != path) continue;
    for (int j = id; j < kLastRecentFile; ++j) values_[j] = values_[j + 1];
    values_[kLastRecentFile].clear();
    return;
  }
}

void WOptions::AddRecentFile(const std::string& path) {
  std::vector<std::string> kept{path};
  for (int id = kFirstRecentFile; id <= kLastRecentFile; ++id) {
    const std::string& entry = values_[id];
    if (!entry.empty() && entry != path) kept.push_back(entry);
  }
  for (int id = kFirstRecentFile; id <= kLastRecentFile; ++id) {
    const size_t k = static_cast<size_t>(id - kFirstRecentFile);
    values_[id] = k < kept.size() ? kept[k] : std::string();
  }
}

std::vector<std::string> WOptions::RecentFiles() const {
  std::vector<std::string> files;
  for (int id = kFirstRecentFile; id <= kLastRecentFile; ++id)
    if (!values_[id].empty()) files.push_back(values_[id]);
  return files;
}

// ---- location

std::string WOptions::SettingsPathFor(const std::string& programFile) {
  size_t slash = programFile.find_last_of('/');
  std::string folder = slash == std::string::npos ? std::string() : programFile.substr(0, slash);
  std::string name = slash == std::string::npos ? programFile : programFile.substr(slash + 1);
  if (name.empty()) name = "taravell-lite";
  size_t dot = name.find_last_of('.');
  name = (dot != std::string::npos && dot > 0 ? name.substr(0, dot) : name) + ".ini";

  // The program's folder for portable use; "" here is the root folder.  An installed program
  // (under /usr, /bin or /sbin) never writes there, even when run by root.
  if (slash != std::string::npos && !IsSystemFolder(folder) &&
      IsWritableFolder(folder.empty() ? "/" : folder))
    return folder + "/" + name;
  return UserConfigFolder() + "/taravell-lite/" + name;
}

std::string WOptions::UserConfigFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return xdg;  // relative values are to be ignored
  const char* home = std::getenv("HOME");
  if (!home || !home[0]) {
    const passwd* pw = getpwuid(getuid());
    home = pw && pw->pw_dir ? pw->pw_dir : "/tmp";
  }
  return std::string(home) + "/.config";
}

std::string WOptions::DefaultSettingsPath() {
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  std::string program = n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string("taravell-lite");
  return SettingsPathFor(program);
}
