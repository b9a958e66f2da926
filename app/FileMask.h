#pragma once

#include <string>
#include <vector>

// The file patterns of the readers: the mask of the left panel's file list and the filter
// of the open-file dialog, kept in the Windows notation ("caption|patterns|caption|...",
// patterns separated by ";") and translated for dialogs that want one filter per entry.
class WFileMask {
 public:
  // "*.ged;*.sub;*.xxx;*.paf;*.tmg;*.pjc;*.ftw;*.fdb;*.rmg"
  static std::string FileListMask();
  // The open-file dialog's filter in the Windows notation.
  static std::string OpenDialogFilter();
  // The patterns of a ";"-separated mask.
  static std::vector<std::string> SplitPatterns(const std::string& mask);
  // One entry per caption/patterns pair: "caption (p1 p2 ...)", the caption's own trailing
  // "(...)" replaced by the patterns.  Each pattern is given in lower and in upper case, so
  // that "*.GED" files show on file systems that tell case apart.
  static std::vector<std::string> ToFilterList(const std::string& windows_filter);
};
