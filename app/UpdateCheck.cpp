#include "app/UpdateCheck.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "app/Options.h"
#include "base/TextUtils.h"

WUpdateCheck::WUpdateCheck(std::string productCode, std::string currentVersion, std::string productName)
    : productCode_(std::move(productCode)),
      currentVersion_(std::move(currentVersion)),
      productName_(std::move(productName)) {}

std::string WUpdateCheck::CurrentVersion() {
  return std::to_string(TARAVELL_VERSION_MAJOR) + "." + std::to_string(TARAVELL_VERSION_MINOR);
}

std::string WUpdateCheck::LocalFileFor(std::string_view url, const std::string& folder) {
  url = url.substr(0, url.find_first_of("?#"));
  size_t slash = url.rfind('/');
  std::string name(slash == std::string_view::npos ? url : url.substr(slash + 1));
  // An address ending in "/" (or naming "." or "..") must not make the copy a folder.
  if (name.empty() || name == "." || name == "..") name = kDefaultFileName;
  return folder.empty() ? name : folder + "/" + name;
}

std::string WUpdateCheck::SettingsFolder(const WOptions& options) {
  std::string path = options.SettingsFilePath();
  if (path.empty()) path = WOptions::DefaultSettingsPath();
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

void WUpdateCheck::Finish(Download result, std::string_view body, const std::string& localPath) {
  status_.clear();
  versionLabel_.clear();
  latest_.clear();
  items_.clear();
  replaced_ = false;

  std::string previous;
  bool havePrevious = ReadFile(localPath, &previous);

  if (result == Download::ConnectionError) {
    if (!havePrevious) {
      status_ = kConnectionAborted;
      return;
    }
    status_ = kConnectionPrevious;
    Show(previous);
    return;
  }

  // A server that answers with anything but the file (a 404 page, an HTML error or login page,
  // garbage, nothing) reports that the file is not there; the kept copy stays as it was.
  if (result == Download::NotFound || !WUpdateInfo::LooksLikeInfoFile(body, productCode_)) {
    if (!havePrevious) {
      status_ = kNotFoundAborted;
      return;
    }
    status_ = kNotFoundPrevious;
    Show(previous);
    return;
  }

  // A folder that cannot be written only costs the fallback of the next check.
  replaced_ = ReplaceFile(localPath, body);
  Show(body);
}

void WUpdateCheck::Show(std::string_view text) {
  WUpdateInfo info(text);
  latest_ = TrimText(info.Value(productCode_));
  if (!latest_.empty()) {
    versionLabel_ = latest_ == currentVersion_
                        ? "You have the latest version of Taravell"
                        : "New Version " + latest_ + " of " + productName_ + " is available";
  }
  items_ = info.Items();
}

std::vector<std::string> WUpdateCheck::Urls() const {
  std::vector<std::string> urls;
  for (const WUpdateItem& item : items_)
    for (const WUpdateLeaf& leaf : item.leaves) urls.push_back(leaf.url);
  return urls;
}

bool WUpdateCheck::IsDue(bool checkUpdates, int lastUpdateDay, int periodDays, int today) {
  return checkUpdates && periodDays < today - lastUpdateDay;
}

bool WUpdateCheck::IsDue(const WOptions& options, int today) {
  return IsDue(options.GetBool(WOptions::CheckUpdates), options.GetDate(WOptions::LastUpdate),
               options.GetInt(WOptions::UpdatePeriod), today);
}

bool WUpdateCheck::ReadFile(const std::string& path, std::string* text) {
  std::error_code ec;
  if (path.empty() || !std::filesystem::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buf;
  buf << in.rdbuf();
  *text = buf.str();
  return true;
}

bool WUpdateCheck::ReplaceFile(const std::string& path, std::string_view text) {
  std::error_code ec;
  std::filesystem::path target(path);
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
  std::string temp = path + ".new" + std::to_string(getpid());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
      std::remove(temp.c_str());
      return false;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}
