#include "formats/ged/GEDTextMMF.h"

#include <algorithm>

#include "base/TextUtils.h"

namespace {

inline bool IsBreak(char c) { return c == '\r' || c == '\n'; }
inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

constexpr size_t kMaxText = WGEDTextMMF::kWorkAreaSize - 1;

}  // namespace

const char* WGEDTextMMF::ParseXRef(const char* p, const char* end, const char** id, size_t* length) {
  if (p == nullptr) return nullptr;
  while (p < end && *p == ' ') ++p;
  if (p >= end || *p != '@') return nullptr;
  const char* first = ++p;
  while (p < end && *p != '@' && !IsBreak(*p)) ++p;
  if (p >= end || *p != '@') return nullptr;
  *id = first;
  *length = static_cast<size_t>(p - first);
  return p + 1;
}

uint32_t WGEDTextMMF::PaddedTag(const char* line) const {
  char bytes[4] = {'\n', '\n', '\n', '\n'};
  for (int i = 0; i < 4; ++i)
    if (line + 2 + i < End()) bytes[i] = line[2 + i];
  uint32_t w;
  std::memcpy(&w, bytes, 4);
  return w;
}

const char* WGEDTextMMF::NextLine(const char* p) const {
  if (p == nullptr) return nullptr;
  const char* end = End();
  p = FindLineBreak(p, end);
  while (p < end && IsBlank(*p)) ++p;
  return p < end ? p : nullptr;
}

const char* WGEDTextMMF::NextRecord(const char* p) const {
  if (p == nullptr) return nullptr;
  const char* end = End();
  for (;;) {
    p = FindLineBreak(p, end);
    if (p >= end) return nullptr;
    ++p;
    if (p < end && *p == '0') return p;
  }
}

bool WGEDTextMMF::GetXRef(const char* p, std::string& id) const {
  const char* text;
  size_t length;
  if (ParseXRef(p, End(), &text, &length) == nullptr) {
    id.clear();
    return false;
  }
  id.assign(text, std::min(length, kMaxIdLength));
  return true;
}

std::string WGEDTextMMF::GetXRef(const char* p) const {
  std::string id;
  GetXRef(p, id);
  return id;
}

std::string WGEDTextMMF::RecordTextAt(const char* p) const {
  if (p == nullptr) return {};
  const char* next = NextRecord(p);
  if (next == nullptr) return {};
  return std::string(p, std::min(static_cast<size_t>(next - p), kMaxText));
}

std::string WGEDTextMMF::LineValue(const char* p) const { return std::string(LineValueView(p)); }

std::string_view WGEDTextMMF::LineValueView(const char* p) const {
  if (p == nullptr) return {};
  const char* end = End();
  while (p < end && *p == ' ') ++p;
  const char* stop = FindLineBreak(p, end);
  if (static_cast<size_t>(stop - p) > kMaxText) stop = p + kMaxText;
  while (stop > p && (stop[-1] == ' ' || stop[-1] == '\r')) --stop;
  return std::string_view(p, static_cast<size_t>(stop - p));
}

const char* WGEDTextMMF::ColumnAt(const char* line, size_t column) const {
  if (line == nullptr) return nullptr;
  const char* end = End();
  if (static_cast<size_t>(end - line) < column) return nullptr;
  for (size_t i = 0; i < column; ++i)
    if (IsBreak(line[i])) return nullptr;
  return line + column;
}

char WGEDTextMMF::ByteAt(const char* line, size_t column) const {
  const char* p = ColumnAt(line, column);
  return p != nullptr && p < End() ? *p : 0;
}

std::string WGEDTextMMF::LineValueAt(const char* line, size_t column) const {
  return LineValue(ColumnAt(line, column));
}

std::string_view WGEDTextMMF::LineValueViewAt(const char* line, size_t column) const {
  return LineValueView(ColumnAt(line, column));
}

std::string WGEDTextMMF::WordValue(const char* line) const {
  if (line == nullptr) return {};
  const char* end = End();
  const char* p = line;
  for (int word = 0; word < 2; ++word) {
    while (p < end && *p == ' ') ++p;
    while (p < end && *p != ' ' && !IsBreak(*p)) ++p;
  }
  return LineValue(p);
}

int WGEDTextMMF::AnyLineLevel(const char* line) const {
  if (line == nullptr) return 0;
  const char* end = End();
  const char* p = line;
  int level = 0;
  bool digits = false;
  while (p < end && *p != ' ' && !IsBreak(*p)) {
    if (*p < '0' || *p > '9') return 0;
    if (level < 100000000) level = level * 10 + (*p - '0');
    digits = true;
    ++p;
  }
  return digits ? level : 0;
}

GEDRecordKind WGEDTextMMF::RecordKind(const char* line) const {
  if (line == nullptr) return gkNone;
  const char* end = End();
  const char* p = line;
  // To the opening "@", then past the closing one; a line break on the way means the
  // line has no complete identifier.
  for (int sign = 0; sign < 2; ++sign) {
    while (p < end && *p != '@' && !IsBreak(*p)) ++p;
    if (p >= end || *p != '@') return gkNone;
    ++p;
  }
  return KindAfterXRef(p, end);
}

GEDRecordKind WGEDTextMMF::KindAfterXRef(const char* p, const char* end) {
  while (p < end && *p == ' ') ++p;
  if (p >= end || IsBreak(*p)) return gkOther;
  if (*p == 'F') return gkFamily;
  if (end - p < 4) return gkOther;
  uint32_t tag;
  std::memcpy(&tag, p, 4);
  switch (tag) {
    case GEDTag("INDI"):
      return gkIndividual;
    case GEDTag("OBJE"):
      return gkMultimedia;
    case GEDTag("NOTE"):
      return gkNote;
    case GEDTag("SUBN"):
      return gkSubmission;
    case GEDTag("REPO"):
      return gkRepository;
    case GEDTag("SOUR"):
      return gkSource;
    default:
      return gkOther;
  }
}

std::vector<std::string> WGEDTextMMF::ReadContinued(const char* p) const {
  std::vector<std::string> pieces;
  if (p == nullptr) return pieces;
  pieces.push_back(LineValue(p));
  for (const char* line = NextLine(p); line != nullptr; line = NextLine(line)) {
    uint32_t tag = TagAt(line);
    if (tag == GEDTag("CONC")) {
      std::string& piece = pieces.back();
      piece += LineValueAt(line, 6);
      if (piece.size() > kMaxText) piece.resize(kMaxText);
    } else if (tag == GEDTag("CONT")) {
      pieces.push_back(LineValueAt(line, 6));
    } else {
      break;
    }
  }
  return pieces;
}

namespace {

// True when every byte of the text is below the limit and none is a NUL.
bool AllBelow(std::string_view text, unsigned char limit) {
  for (char c : text)
    if (c == '\0' || static_cast<unsigned char>(c) >= limit) return false;
  return true;
}

// Bytes from here on mean something else in ANSEL and in UTF-8; below them both are ASCII.
constexpr unsigned char kAnselSpecial = 0xA2;
constexpr unsigned char kUtf8Special = 0x80;

}  // namespace

std::string WGEDTextMMF::ConvertText(std::string_view text) const {
  switch (char_set_) {
    case 1:
      return AnselToAnsi(text);
    case 2:
      return Utf8ToAnsi(text);
    default:
      return std::string(text);
  }
}

std::string WGEDTextMMF::ConvertText(std::string&& text) const {
  if (char_set_ == 0 || AllBelow(text, char_set_ == 1 ? kAnselSpecial : kUtf8Special)) return std::move(text);
  return ConvertText(std::string_view(text));
}
