#pragma once

#include <string>

// The project file of a TMG 4.x project: a small text file beside the tables whose first line
// is "TMG Version <version>".  The tables and memo files are named by a prefix taken from the
// project file's name and the table's letter ("FAMILY_$.DBF" beside "FAMILY_.TMG").
class WTMGProject {
 public:
  // The version text of the project file's first line ("4.0d") when that line is exactly the
  // three words "TMG", "Version" and the version, separated by single blanks; otherwise empty.
  // *readable (when given) tells whether the file could be read at all.
  static std::string ProjectVersion(const std::string& path, bool* readable = nullptr);
  // The 4.x versions this reader takes: "4.0", "4.0a", "4.0c" and "4.0d".
  static bool IsSupportedVersion(const std::string& version);
  // The table prefix of a 4.x project: the file's base name cut to its first 7 characters.
  static std::string TablePrefix(const std::string& path);
  // The refusal of a project whose version is not supported.
  static constexpr const char* kUnsupportedVersion = "Unsupported TMG database version";
};
