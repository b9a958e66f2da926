#include "app/FileMask.h"

#include <algorithm>
#include <cctype>

#include "formats/Readers.h"

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
  std::string mask;
  for (const WReaderInfo* reader : RegisteredReaders())
    for (const std::string& extension : reader->extensions) mask += (mask.empty() ? "*" : ";*") + extension;
  return mask;
}

std::string WFileMask::OpenDialogFilter() {
  std::string filter = "All Files|" + FileListMask();
  for (const WReaderInfo* reader : RegisteredReaders())
    for (const WReaderInfo::FilterEntry& entry : reader->filters)
      filter += "|" + entry.caption + "|" + entry.patterns;
  return filter;
}

std::vector<std::string> WFileMask::FormatItems() {
  std::vector<std::string> items;
  for (const WReaderInfo* reader : RegisteredReaders()) {
    std::string item = reader->name + " (";
    for (size_t k = 0; k < reader->extensions.size(); ++k) item += (k ? ", " : "") + reader->extensions[k];
    items.push_back(item + ")");
  }
  return items;
}

std::string WFileMask::FormatsText() {
  std::string text;
  const std::vector<std::string> items = FormatItems();
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
    text += items[i];
  }
  return text;
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
