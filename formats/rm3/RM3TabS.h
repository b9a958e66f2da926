#pragma once

#include <string>

#include "formats/rm3/RM3DBF.h"

// Table S: sources, keyed by sourceid, with the source's text and details as memos whose
// parts are separated by form feeds.
class WRM3TabS : public WRM3DBF {
 public:
  static constexpr const char* kKey = "sourceid";

  WRM3TabS(const std::string& directory, const std::string& baseName)
      : WRM3DBF(directory, "S", baseName),
        name_(FieldIndex("name")),
        text_(FieldIndex("text")),
        details_(FieldIndex("Details")) {}

  std::string Name(int pos) const { return TrimmedText(pos, name_); }
  std::string TextMemo(int pos) const { return MemoText(pos, text_); }
  std::string DetailsMemo(int pos) const { return MemoText(pos, details_); }

 private:
  int name_, text_, details_;
};
