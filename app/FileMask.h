#pragma once

#include <string>
#include <vector>

// The file patterns of the registered readers: the mask of the left panel's file list and the
// filter of the open-file dialog, kept in the Windows notation ("caption|patterns|caption|...",
// patterns separated by ";") and translated for dialogs that want one filter per entry.
class WFileMask {
 public:
  // Every registered extension: "*.ged;*.sub;*.xxx;..."
  static std::string FileListMask();
  // The open-file dialog's filter in the Windows notation: "All Files" with every pattern, then
  // each reader's own entries.
  static std::string OpenDialogFilter();
  // The kinds of file the program reads, for the help texts:
  // "GEDCOM (.ged, .sub, .xxx), ... and Legacy Family Tree (.fdb)".
  static std::string FormatsText();
  // The same kinds one by one: "GEDCOM (.ged, .sub, .xxx)", ...
  static std::vector<std::string> FormatItems();
  // The patterns of a ";"-separated mask.
  static std::vector<std::string> SplitPatterns(const std::string& mask);
  // One entry per caption/patterns pair: "caption (p1 p2 ...)", the caption's own trailing
  // "(...)" replaced by the patterns.  Each pattern is given in lower and in upper case, so
  // that "*.GED" files show on file systems that tell case apart.
  static std::vector<std::string> ToFilterList(const std::string& windows_filter);
};
