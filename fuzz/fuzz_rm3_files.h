#pragma once

// The input of the RootsMagic harness: the files of one family file set joined by
// kPartSeparator, in the order of kRM3SetFiles (the .rmg file, the eleven tables, the ten memo
// files).  Parts beyond the input are files that do not exist.  The kept crash inputs and the
// seeds are written back into a set of files the same way in the tests.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kPartSeparator = "\xFA\xFBPART";

inline const std::vector<std::string>& RM3SetFiles() {
  static const std::vector<std::string> files = {
      "family.rmg",   "family_A.dbf", "family_C.dbf", "family_E.dbf", "family_F.dbf", "family_I.dbf",
      "family_L.dbf", "family_M.dbf", "family_P.dbf", "family_R.dbf", "family_S.dbf", "family_T.dbf",
      "family_A.fpt", "family_E.fpt", "family_F.fpt", "family_I.fpt", "family_L.fpt", "family_M.fpt",
      "family_P.fpt", "family_R.fpt", "family_S.fpt", "family_T.fpt"};
  return files;
}

inline std::vector<std::string_view> SplitRM3Parts(std::string_view bytes) {
  std::vector<std::string_view> parts;
  for (;;) {
    const size_t at = bytes.find(kPartSeparator);
    parts.push_back(bytes.substr(0, at));
    if (at == std::string_view::npos) break;
    bytes = bytes.substr(at + kPartSeparator.size());
  }
  return parts;
}

inline std::string JoinRM3Parts(const std::vector<std::string>& parts) {
  std::string joined;
  for (size_t i = 0; i < parts.size(); ++i)
    joined += (i ? std::string(kPartSeparator) : std::string()) + parts[i];
  return joined;
}

// Writes the parts as the files of a set in `dir` (removing the files of missing parts) and
// returns the .rmg path.
inline std::string WriteRM3Set(const std::string& dir, std::string_view bytes) {
  const std::vector<std::string_view> parts = SplitRM3Parts(bytes);
  const std::vector<std::string>& files = RM3SetFiles();
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string path = dir + "/" + files[i];
    if (i >= parts.size()) {
      std::remove(path.c_str());
      continue;
    }
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
      std::fwrite(parts[i].data(), 1, parts[i].size(), f);
      std::fclose(f);
    }
  }
  return dir + "/" + files[0];
}
