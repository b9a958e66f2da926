#include "export/GedcomWriter.h"

#include "base/TextUtils.h"

namespace {

constexpr std::string_view kLineBreak = "\r\n";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

WGedcomWriter::WGedcomWriter(Sink sink, size_t flush_at) : sink_(std::move(sink)), flush_at_(flush_at) {
  buffer_.reserve(flush_at_ + 4096);
}

WGedcomWriter::~WGedcomWriter() = default;

void WGedcomWriter::Flush() {
  if (buffer_.empty()) return;
  sink_(buffer_);
  written_ += buffer_.size();
  buffer_.clear();
}

void WGedcomWriter::Append(std::string_view text) { buffer_.append(text); }

void WGedcomWriter::EndLine() {
  buffer_.append(kLineBreak);
  if (buffer_.size() >= flush_at_) Flush();
}

void WGedcomWriter::Record(std::string_view xref, std::string_view tag) {
  Append("0 ");
  if (!xref.empty()) {
    Append("@");
    Append(xref);
    Append("@ ");
  }
  Append(tag);
  EndLine();
}

void WGedcomWriter::Pointer(int level, std::string_view tag, std::string_view xref) {
  Append(std::to_string(level));
  Append(" ");
  Append(tag);
  Append(" @");
  Append(xref);
  Append("@");
  EndLine();
}

void WGedcomWriter::Utf8Line(int level, std::string_view tag, std::string_view utf8) {
  WriteValue(level, tag, utf8);
}

void WGedcomWriter::Line(int level, std::string_view tag, std::string_view value) {
  std::string flat(value);
  for (char& c : flat)
    if (c == '\r' || c == '\n') c = ' ';
  WriteValue(level, tag, ValueOf(flat));
}

void WGedcomWriter::Text(int level, std::string_view tag, std::string_view text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
  bool first = true;
  size_t i = 0;
  do {
    size_t end = text.find_first_of("\r\n", i);
    if (end == std::string_view::npos) end = text.size();
    std::string value = ValueOf(text.substr(i, end - i));
    if (first)
      WriteValue(level, tag, value);
    else
      WriteValue(level + 1, "CONT", value);
    first = false;
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    i = end + 1;
  } while (i <= text.size());
}

void WGedcomWriter::WriteValue(int level, std::string_view tag, std::string_view value) {
  std::string prefix = std::to_string(level) + " " + std::string(tag);
  Append(prefix);
  if (value.empty()) {
    EndLine();
    return;
  }
  Append(" ");
  size_t room = kMaxLineBytes - kLineBreak.size() - prefix.size() - 1;
  const std::string conc = std::to_string(level + 1) + " CONC ";
  while (true) {
    size_t cut = value.size() <= room ? value.size() : CutPoint(value, room);
    Append(value.substr(0, cut));
    EndLine();
    value.remove_prefix(cut);
    if (value.empty()) return;
    Append(conc);
    room = kMaxLineBytes - kLineBreak.size() - conc.size();
  }
}

std::string WGedcomWriter::ValueOf(std::string_view model_text) {
  std::string clean(model_text);
  for (char& c : clean)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  std::string utf8 = AnsiToUtf8(clean);
  if (!utf8.empty() && utf8[0] == '@') utf8.insert(0, 1, '@');
  return utf8;
}

size_t WGedcomWriter::CutPoint(std::string_view utf8, size_t room) {
  if (utf8.size() <= room) return utf8.size();
  size_t fallback = 0;
  // Looks back over at most half the room for a cut between two characters that are not blanks.
  for (size_t p = room; p >= 1 && p + room / 2 >= room; --p) {
    if (IsContinuationByte(utf8[p])) continue;
    if (fallback == 0) fallback = p;
    if (utf8[p - 1] != ' ' && utf8[p] != ' ') return p;
  }
  if (fallback != 0) return fallback;
  // Not even a character boundary in reach (not UTF-8): cut at the room.
  return room;
}
