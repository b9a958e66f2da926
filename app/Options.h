#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/Settings.h"

class WIniFile;

// The settings file behind the process's settings table: loaded at start, written back at exit.
//
// The settings file is an INI file named like the program file with ".ini", beside the program
// when that folder is writable, otherwise in $XDG_CONFIG_HOME/taravell-lite/ (default
// ~/.config/taravell-lite/).
class WOptions : public WSettings {
 public:
  WOptions();  // every entry at its default, no settings file open
  ~WOptions() override;

  // The settings file.  An empty path opens the default location (DefaultSettingsPath()).  A
  // missing file is an empty one: loading it gives the defaults.  Writes to the file stay in memory
  // until SaveSettings() or CloseSettingsFile().
  void OpenSettingsFile(const std::string& path = "");
  void CloseSettingsFile();
  bool IsSettingsFileOpen() const { return ini_ != nullptr; }
  // The open file's path and whether it existed and could be read ("" / false when none is open).
  std::string SettingsFilePath() const;
  bool SettingsFileWasRead() const;

  // Direct access to keys outside the table (the window placement).  Reads give the file's
  // value or the default; with no file open ReadIniString gives "" and ReadIniInteger 0, and
  // writes do nothing.
  std::string ReadIniString(const std::string& section, const std::string& key,
                            const std::string& defaultValue) const;
  void WriteIniString(const std::string& section, const std::string& key, const std::string& value);
  int ReadIniInteger(const std::string& section, const std::string& key, int defaultValue) const;
  void WriteIniInteger(const std::string& section, const std::string& key, int value);

  // Reads every entry of the table from the open file (defaults for what it lacks; all defaults
  // when no file is open) and marks the store as loaded.
  void LoadSettings();
  // Writes every entry into the open file and saves it; false when no file is open or the file
  // could not be written (the old file then stays as it was).
  bool SaveSettings();
  bool IsLoaded() const { return loaded_; }

  // Takes path out of the recent-file list "File1".."File10" (compared byte for byte, as the
  // file system does): the entries after it move up one place and "File10" becomes empty.
  void RemoveRecentFile(const std::string& path);
  // Puts path at the top of the recent-file list ("File1"): the same path further down and
  // empty entries drop out, the others move down one place, and what passes "File10" is
  // forgotten.  An empty path leaves "File1" empty above the others (nothing to reopen).
  void AddRecentFile(const std::string& path);
  // The entries of "File1".."File10" that are not empty, most recent first.
  std::vector<std::string> RecentFiles() const;

  // Where the settings live when no path is given, for this program and for any program file.
  static std::string DefaultSettingsPath();
  static std::string SettingsPathFor(const std::string& programFile);
  // The user's configuration folder: $XDG_CONFIG_HOME when it is absolute, else ~/.config.
  static std::string UserConfigFolder();

 private:
  std::unique_ptr<WIniFile> ini_;
  bool loaded_ = false;
};

// The settings of this process.
WOptions& Options();
