#include "export/GedcomWriter.h"

#include <cstdint>
#include <cstring>

#include "base/TextUtils.h"

namespace {

constexpr std::string_view kLineBreak = "\r\n";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The UTF-8 form of every Windows-1252 byte, controls as a blank.
struct Utf8Table {
  Utf8Table() {
    for (int c = 0; c < 256; ++c) {
      const bool control = c < 0x20 || c == 0x7F;
      std::string utf8 = control ? std::string(" ") : AnsiToUtf8(std::string(1, static_cast<char>(c)));
      length[c] = static_cast<unsigned char>(utf8.size());
      for (size_t i = 0; i < utf8.size() && i < 4; ++i) bytes[c][i] = utf8[i];
    }
  }
  char bytes[256][4] = {};
  unsigned char length[256] = {};
};

const Utf8Table& Utf8Of() {
  static const Utf8Table table;
  return table;
}

// The end of the run of printable ASCII (0x20..0x7E) that starts at `from`: eight bytes at a
// time while none of them is a control, DEL or above 0x7F, then byte by byte.
size_t PlainRunEnd(std::string_view text, size_t from) {
  constexpr uint64_t kOnes = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
  size_t i = from;
  while (text.size() - i >= 8) {
    uint64_t w;
    std::memcpy(&w, text.data() + i, 8);
    const uint64_t below_blank = (w - 0x20 * kOnes) & ~w & kHigh;
    const uint64_t del = w ^ (0x7F * kOnes);
    const uint64_t is_del = (del - kOnes) & ~del & kHigh;
    if ((w & kHigh) | below_blank | is_del) break;
    i += 8;
  }
  while (i < text.size() && text[i] >= 0x20 && text[i] < 0x7F) ++i;
  return i;
}

// Appends the model text converted to UTF-8, controls (line breaks too) as blanks, with a
// leading "@" doubled.
void AppendModelText(std::string& out, std::string_view model_text) {
  const Utf8Table& table = Utf8Of();
  if (!model_text.empty() && model_text.front() == '@') out += '@';
  size_t i = 0;
  while (i < model_text.size()) {
    // A run of printable ASCII is copied whole.
    const size_t run = PlainRunEnd(model_text, i);
    out.append(model_text.data() + i, run - i);
    if (run >= model_text.size()) break;
    const unsigned char c = static_cast<unsigned char>(model_text[run]);
    out.append(table.bytes[c], table.length[c]);
    i = run + 1;
  }
}

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

void WGedcomWriter::AppendLevel(int level) {
  if (level >= 0 && level <= 9)
    buffer_ += static_cast<char>('0' + level);
  else
    buffer_.append(std::to_string(level));
}

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
  AppendLevel(level);
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
  ModelValue(level, tag, value);
}

void WGedcomWriter::ModelValue(int level, std::string_view tag, std::string_view model_text, int conc_level) {
  // Most values fit on their line: they are converted straight into the buffer, and only a
  // value that turns out too long is taken back and cut into CONC lines.
  const size_t line_start = buffer_.size();
  AppendLevel(level);
  buffer_ += ' ';
  buffer_.append(tag);
  if (model_text.empty()) {
    EndLine();
    return;
  }
  buffer_ += ' ';
  const size_t value_start = buffer_.size();
  AppendModelText(buffer_, model_text);
  if (buffer_.size() - line_start + kLineBreak.size() <= kMaxLineBytes) {
    EndLine();
    return;
  }
  const std::string value = buffer_.substr(value_start);
  buffer_.resize(line_start);
  WriteValue(level, tag, value, conc_level);
}

void WGedcomWriter::Text(int level, std::string_view tag, std::string_view text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
  bool first = true;
  size_t i = 0;
  do {
    // (find_first_of would look each byte up in the set of two.)
    size_t end = i;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    if (first)
      ModelValue(level, tag, text.substr(i, end - i));
    else
      ModelValue(level + 1, "CONT", text.substr(i, end - i), level + 1);
    first = false;
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    i = end + 1;
  } while (i <= text.size());
}

void WGedcomWriter::WriteValue(int level, std::string_view tag, std::string_view value, int conc_level) {
  const size_t line_start = buffer_.size();
  AppendLevel(level);
  buffer_ += ' ';
  Append(tag);
  const size_t prefix_size = buffer_.size() - line_start;
  if (value.empty()) {
    EndLine();
    return;
  }
  Append(" ");
  size_t room = kMaxLineBytes - kLineBreak.size() - prefix_size - 1;
  std::string conc;  // made when a value goes on
  while (true) {
    size_t cut = value.size() <= room ? value.size() : CutPoint(value, room);
    Append(value.substr(0, cut));
    EndLine();
    value.remove_prefix(cut);
    if (value.empty()) return;
    if (conc.empty()) conc = std::to_string(conc_level < 0 ? level + 1 : conc_level) + " CONC ";
    Append(conc);
    room = kMaxLineBytes - kLineBreak.size() - conc.size();
  }
}

std::string WGedcomWriter::ValueOf(std::string_view model_text) {
  std::string utf8;
  utf8.reserve(model_text.size() + 8);
  AppendModelText(utf8, model_text);
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
