#pragma once

#include <string>

#include "model/GeneralInfo.h"

class WABSCollection;

// The rows of the General tab, without any drawing: the file with its record counts (and a
// "Damage" row once reading it met damage), the submitter and the file's header information, as
// heading rows and label/value rows.
// The GUI's panel shows them in its grid; the CLI prints them.
class WGenPanelRows {
 public:
  // Keeps the collection (not owned; none clears the rows) and rebuilds the rows.
  void SetCollection(WABSCollection* collection);
  // The row (1-based) that holds the file's name.  Its value is the path as the file
  // system spells it (bytes of the locale's encoding), not a model text: a view shows it
  // decoded as a path.
  static constexpr int kFileNameRow = 2;

  // Keeps the file's path, shown as the file's name, and rebuilds the rows.
  void SetFileName(const std::string& name);
  // Puts the text into the "Importing" row.
  void SetImportTime(const std::string& text);

  // Builds the rows anew from the collection; without one the list is empty.
  void Rebuild();

  const WGeneralInfo& Rows() const { return rows_; }

  // The import time as the main window shows it: "%.3f seconds".
  static std::string FormatImportTime(double seconds);

 private:
  WABSCollection* collection_ = nullptr;
  std::string file_name_;
  std::string import_time_;
  WGeneralInfo rows_;
};
