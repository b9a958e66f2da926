#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/UpdateInfo.h"

class WOptions;

// What the update dialog shows after one check: the decisions of the check without the network.
// The caller downloads the information file (see ConnectingText()) and hands the result to
// Finish(), which picks the status text, decides whether the download may replace the copy kept
// on disk (never when it is not an information file), loads the copy when the download failed, and
// builds the version label and the list of links.
class WUpdateCheck {
 public:
  enum class Download {
    Ok,               // the server sent a body
    NotFound,         // the server answered that the file does not exist
    ConnectionError,  // no answer: no connection, refused, timed out
  };

  // The system's own texts.
  static constexpr const char* kAskCaption = "Brambleford Taravell Lite - Updates and News";
  static constexpr const char* kAskText =
      "Do you want Taravell to check for updates and news?\r\rAn Internet connection is required for this "
      "check.\rYou can disable this feature by going to the Options Dialog Box";
  static constexpr const char* kTitle = "Brambleford Taravell Lite Updates";
  static constexpr const char* kProductCode = "SKERRIT";
  static constexpr const char* kProductName = "Taravell";
  static constexpr const char* kConnectionAborted = "Connection error, request aborted";
  static constexpr const char* kConnectionPrevious = "Connection error, using previous update";
  static constexpr const char* kNotFoundAborted = "Remote server \"Not Found\" error, request aborted";
  static constexpr const char* kNotFoundPrevious = "Remote server \"Not Found\" error, using previous update";
  static constexpr const char* kDefaultFileName = "skerrit.inf";

  WUpdateCheck(std::string productCode, std::string currentVersion, std::string productName);

  // This program's version as shown and compared, "1.15".
  static std::string CurrentVersion();
  static std::string ConnectingText(std::string_view url) { return "Connecting to: " + std::string(url); }

  // Where the copy of the information file is kept: the folder of the settings file, named after
  // the last part of the address (without query or fragment).
  static std::string LocalFileFor(std::string_view url, const std::string& folder);
  static std::string SettingsFolder(const WOptions& options);

  // Runs the rest of a check once the download has ended.  body is what the server sent (used only
  // for Download::Ok).  localPath is the kept copy: read when the download is unusable, replaced
  // (in one step) only by a body that looks like an information file.
  void Finish(Download result, std::string_view body, const std::string& localPath);

  const std::string& Status() const { return status_; }
  bool VersionLabelVisible() const { return !versionLabel_.empty(); }
  const std::string& VersionLabel() const { return versionLabel_; }
  const std::string& LatestVersion() const { return latest_; }
  const std::vector<WUpdateItem>& Items() const { return items_; }
  // The addresses of the links, one per leaf, in the order of the tree.
  std::vector<std::string> Urls() const;
  // True when the check wrote a new copy of the information file.
  bool ReplacedLocalCopy() const { return replaced_; }

  // The start-up rule: a check is due when it is switched on and more than period days have passed
  // since the last one (day numbers; a never-run check counts from day 0).
  static bool IsDue(bool checkUpdates, int lastUpdateDay, int periodDays, int today);
  static bool IsDue(const WOptions& options, int today);

 private:
  void Show(std::string_view text);
  static bool ReadFile(const std::string& path, std::string* text);
  static bool ReplaceFile(const std::string& path, std::string_view text);

  std::string productCode_, currentVersion_, productName_;
  std::string status_, versionLabel_, latest_;
  std::vector<WUpdateItem> items_;
  bool replaced_ = false;
};
