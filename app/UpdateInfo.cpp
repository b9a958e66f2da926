#include "app/UpdateInfo.h"

#include "base/TextUtils.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

WUpdateInfo::WUpdateInfo(std::string_view text) {
  size_t pos = text.substr(0, 3) == kUtf8Bom ? 3 : 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    lines_.emplace_back(LowerCaseText(TrimBlanks(line.substr(0, eq))), std::string(line.substr(eq + 1)));
  }
}

std::string WUpdateInfo::Value(std::string_view name) const {
  std::string wanted = LowerCaseText(name);
  for (const auto& [key, value] : lines_)
    if (key == wanted) return value;
  return std::string();
}

std::vector<WUpdateItem> WUpdateInfo::Items() const {
  std::vector<WUpdateItem> items;
  if (lines_.empty()) return items;
  for (int n = 0; n <= kMaxNumber; ++n) {
    std::string caption = Value("item" + std::to_string(n));
    if (caption.empty()) continue;
    WUpdateItem item;
    item.caption = caption;
    for (int m = 0; m <= kMaxNumber; ++m) {
      std::string value = Value("subitem" + std::to_string(n) + "-" + std::to_string(m));
      size_t bar = value.find('|');
      if (bar == std::string::npos) continue;
      WUpdateLeaf leaf;
      leaf.caption = TrimText(std::string_view(value).substr(0, bar));
      leaf.url = TrimText(std::string_view(value).substr(bar + 1));
      if (leaf.url.size() > kMaxUrlLength) leaf.url.resize(kMaxUrlLength);
      leaf.image = ImageFor(leaf.url);
      item.leaves.push_back(std::move(leaf));
    }
    items.push_back(std::move(item));
  }
  return items;
}

int WUpdateInfo::ImageFor(std::string_view url) {
  size_t dot = url.rfind('.');
  std::string ext = dot == std::string_view::npos ? std::string() : LowerCaseText(url.substr(dot + 1));
  if (ext == "zip") return ZipImage;
  if (ext == "exe") return ExeImage;
  return LinkImage;
}

bool WUpdateInfo::IsWebAddress(std::string_view url) {
  std::string lower = LowerCaseText(url.substr(0, 8));
  return lower.starts_with("http://") || lower.starts_with("https://");
}

bool WUpdateInfo::FirstLineSays404(std::string_view text) {
  size_t end = text.find_first_of("\r\n");
  return text.substr(0, end).find("404") != std::string_view::npos;
}

bool WUpdateInfo::LooksLikeInfoFile(std::string_view text, std::string_view productCode) {
  if (text.empty() || text.find('\0') != std::string_view::npos || FirstLineSays404(text)) return false;
  size_t first = text.find_first_not_of(" \t\r\n", text.substr(0, 3) == kUtf8Bom ? 3 : 0);
  // "<" opens an HTML (or XML) page, never an information file.
  if (first == std::string_view::npos || text[first] == '<') return false;
  WUpdateInfo info(text);
  if (!TrimText(info.Value(productCode)).empty()) return true;
  for (int n = 0; n <= kMaxNumber; ++n)
    if (!info.Value("item" + std::to_string(n)).empty()) return true;
  return false;
}
