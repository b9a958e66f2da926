#include "cli/CliSettings.h"

#include <cstdio>
#include <vector>

#include "app/Options.h"
#include "cli/Commands.h"

bool ApplyCliSettings(const CliArgs& args, WOptions& options, std::string* error) {
  options.ResetToDefaults();
  if (args.HasValue("ini")) {
    std::string path = args.Value("ini");
    options.OpenSettingsFile(path);
    bool read = options.SettingsFileWasRead();
    if (read) options.LoadSettings();
    // Nothing was written, so closing leaves the file as it is.
    options.CloseSettingsFile();
    if (!read) {
      *error = "cannot read settings file '" + path + "'";
      return false;
    }
  }
  for (const std::string& assignment : args.Settings()) {
    size_t eq = assignment.find('=');
    if (eq == std::string::npos || eq == 0) {
      *error = "bad --set '" + assignment + "': expected Key=Value";
      return false;
    }
    if (!options.SetByKey(assignment.substr(0, eq), assignment.substr(eq + 1))) {
      *error = "unknown setting '" + assignment.substr(0, eq) + "'";
      return false;
    }
  }
  return true;
}

int CmdSettings(const CliArgs& args) {
  WOptions& options = Options();
  std::vector<int> ids;
  for (const std::string& key : args.positional()) {
    int id = WOptions::FindKey(key);
    if (id == 0) return UsageError("unknown setting '" + key + "'");
    ids.push_back(id);
  }
  if (ids.empty())
    for (int id = 1; id <= WOptions::kEntryCount; ++id) ids.push_back(id);
  for (int id : ids) {
    const WOptions::Entry* e = WOptions::FindEntry(id);
    std::printf("%d\t%s\t%s\t%s\n", id, e->section, e->key, options.GetString(id).c_str());
  }
  return kExitOk;
}
