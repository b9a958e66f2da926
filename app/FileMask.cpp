#include "app/FileMask.h"

#include <algorithm>
#include <cctype>

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return parts;
}

std::string Cased(std::string text, int (*convert)(int)) {
  for (char& c : text) c = static_cast<char>(convert(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::string WFileMask::FileListMask() {
  std::string mask = "*.ged;*.sub;*.xxx";
  for (const char* extra : {";*.paf", ";*.tmg", ";*.pjc", ";*.ftw", ";*.fdb", ";*.rmg"}) mask += extra;
  return mask;
}

std::string WFileMask::OpenDialogFilter() {
  return "All Files (*.ged, *.paf, *.sub, *.tmg, *.pjc, *.ftw, *.fbk, *.fdb, "
         "*.xxx)|*.ged;*.paf;*.sub;*.tmg;*.pjc;*.ftw;*.fbk;*.fdb;*.xxx;*.rmg|GEDCOM (*.ged)|*.ged|PAF "
         "(*.PAF)|*.paf|Temple Submission File (*.SUB, *.xxx)|*.sub;*.xxx|The Master Genealogist 4.x "
         "(*.TMG)|*.TMG|The Master Genealogist 5.x (*.PJC)|*.PJC|Family Tree Maker (*.FTW, "
         "*.fbk)|*.FTW;*.fbk|Legacy Family Tree (*.fdb)|*.fdb|Roots Magic (*.rmg)|*.rmg";
}

std::vector<std::string> WFileMask::SplitPatterns(const std::string& mask) {
  std::vector<std::string> patterns;
  for (const std::string& p : Split(mask, ';'))
    if (!p.empty()) patterns.push_back(p);
  return patterns;
}

std::vector<std::string> WFileMask::ToFilterList(const std::string& windows_filter) {
  std::vector<std::string> result;
  const std::vector<std::string> parts = Split(windows_filter, '|');
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    std::string caption = parts[i];
    // A caption that lists its patterns itself ("GEDCOM (*.ged)") loses that list: the
    // dialog takes the patterns from the last parentheses and shows them there.
    if (!caption.empty() && caption.back() == ')') {
      const size_t open = caption.rfind('(');
      if (open != std::string::npos) caption = caption.substr(0, open);
    }
    while (!caption.empty() && caption.back() == ' ') caption.pop_back();
    std::vector<std::string> patterns;
    for (const std::string& p : SplitPatterns(parts[i + 1])) {
      for (const std::string& variant : {Cased(p, ::tolower), Cased(p, ::toupper)})
        if (std::find(patterns.begin(), patterns.end(), variant) == patterns.end())
          patterns.push_back(variant);
    }
    std::string entry = caption + " (";
    for (size_t k = 0; k < patterns.size(); ++k) entry += (k ? " " : "") + patterns[k];
    result.push_back(entry + ")");
  }
  return result;
}
