#include "export/GedcomWriter.h"

#include <algorithm>
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

// Writes the model text converted to UTF-8 at `out`, controls (line breaks too) as blanks, TABs
// kept when `keep_tabs`, with a leading "@" doubled; returns the end.  `out` must have room for
// three bytes a byte of the text, one more for the "@", and three more, as a character's bytes
// are copied four at a time.
char* PutModelText(char* out, std::string_view model_text, bool keep_tabs = false) {
  const Utf8Table& table = Utf8Of();
  if (!model_text.empty() && model_text.front() == '@') *out++ = '@';
  size_t i = 0;
  while (i < model_text.size()) {
    // A run of printable ASCII is copied whole.
    const size_t run = PlainRunEnd(model_text, i);
    std::memcpy(out, model_text.data() + i, run - i);
    out += run - i;
    if (run >= model_text.size()) break;
    const unsigned char c = static_cast<unsigned char>(model_text[run]);
    if (c == '\t' && keep_tabs) {
      *out++ = '\t';
    } else {
      std::memcpy(out, table.bytes[c], 4);
      out += table.length[c];
    }
    i = run + 1;
  }
  return out;
}

// The room PutModelText may need for a text.
size_t ModelTextRoom(std::string_view model_text) { return 3 * model_text.size() + 4; }

// Writes the level number at `out`; returns the end.
char* PutLevel(char* out, int level) {
  if (level >= 0 && level <= 9) {
    *out++ = static_cast<char>('0' + level);
    return out;
  }
  const std::string digits = std::to_string(level);
  std::memcpy(out, digits.data(), digits.size());
  return out + digits.size();
}

// Room for a level number with its sign.
constexpr size_t kLevelRoom = 12;

char* Put(char* out, std::string_view text) {
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

}  // namespace

WGedcomWriter::WGedcomWriter(Sink sink, size_t flush_at)
    : sink_(std::move(sink)), flush_at_(flush_at), capacity_(flush_at + 4096), buffer_(new char[capacity_]) {}

WGedcomWriter::~WGedcomWriter() = default;

void WGedcomWriter::Flush() {
  if (size_ == 0) return;
  sink_(std::string_view(buffer_.get(), size_));
  written_ += size_;
  size_ = 0;
}

char* WGedcomWriter::Room(size_t bytes) {
  if (capacity_ - size_ < bytes) {
    // Only a line longer than the margin gets here: the buffer grows to hold it.
    const size_t capacity = std::max(capacity_ * 2, size_ + bytes);
    std::unique_ptr<char[]> grown(new char[capacity]);
    std::memcpy(grown.get(), buffer_.get(), size_);
    buffer_ = std::move(grown);
    capacity_ = capacity;
  }
  return buffer_.get() + size_;
}

void WGedcomWriter::EndLine(char* end) {
  end = Put(end, kLineBreak);
  size_ = static_cast<size_t>(end - buffer_.get());
  if (size_ >= flush_at_) Flush();
}

void WGedcomWriter::Record(std::string_view xref, std::string_view tag) {
  char* p = Room(xref.size() + tag.size() + 8);
  p = Put(p, "0 ");
  if (!xref.empty()) {
    *p++ = '@';
    p = Put(p, xref);
    p = Put(p, "@ ");
  }
  EndLine(Put(p, tag));
}

void WGedcomWriter::Pointer(int level, std::string_view tag, std::string_view xref) {
  char* p = Room(kLevelRoom + tag.size() + xref.size() + 6);
  p = PutLevel(p, level);
  *p++ = ' ';
  p = Put(p, tag);
  p = Put(p, " @");
  p = Put(p, xref);
  *p++ = '@';
  EndLine(p);
}

void WGedcomWriter::Utf8Line(int level, std::string_view tag, std::string_view utf8) {
  WriteValue(level, tag, utf8);
}

void WGedcomWriter::Line(int level, std::string_view tag, std::string_view value) {
  ModelValue(level, tag, value);
}

void WGedcomWriter::ModelValue(int level, std::string_view tag, std::string_view model_text, int conc_level,
                               bool keep_tabs) {
  // Most values fit on their line: they are converted straight into the buffer, and only a
  // value that turns out too long is taken back and cut into CONC lines.
  char* const line = Room(kLevelRoom + tag.size() + ModelTextRoom(model_text) + 4);
  char* p = PutLevel(line, level);
  *p++ = ' ';
  p = Put(p, tag);
  if (model_text.empty()) {
    EndLine(p);
    return;
  }
  *p++ = ' ';
  char* const value = p;
  p = PutModelText(p, model_text, keep_tabs);
  if (static_cast<size_t>(p - line) + kLineBreak.size() <= kMaxLineBytes) {
    EndLine(p);
    return;
  }
  const std::string text(value, p);
  WriteValue(level, tag, text, conc_level);
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
      ModelValue(level, tag, text.substr(i, end - i), -1, true);
    else
      ModelValue(level + 1, "CONT", text.substr(i, end - i), level + 1, true);
    first = false;
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    i = end + 1;
  } while (i <= text.size());
}

void WGedcomWriter::WriteValue(int level, std::string_view tag, std::string_view value, int conc_level) {
  // A line never holds more of the value than kMaxLineBytes.
  char* const line = Room(kLevelRoom + tag.size() + 4 + kMaxLineBytes);
  char* p = PutLevel(line, level);
  *p++ = ' ';
  p = Put(p, tag);
  if (value.empty()) {
    EndLine(p);
    return;
  }
  *p++ = ' ';
  const size_t prefix_size = static_cast<size_t>(p - line);
  size_t room = kMaxLineBytes - kLineBreak.size() - prefix_size;
  std::string conc;  // made when a value goes on
  while (true) {
    size_t cut = value.size() <= room ? value.size() : CutPoint(value, room);
    EndLine(Put(p, value.substr(0, cut)));
    value.remove_prefix(cut);
    if (value.empty()) return;
    if (conc.empty()) conc = std::to_string(conc_level < 0 ? level + 1 : conc_level) + " CONC ";
    p = Put(Room(conc.size() + kMaxLineBytes), conc);
    room = kMaxLineBytes - kLineBreak.size() - conc.size();
  }
}

std::string WGedcomWriter::ValueOf(std::string_view model_text) {
  std::string utf8(ModelTextRoom(model_text), '\0');
  utf8.resize(static_cast<size_t>(PutModelText(utf8.data(), model_text) - utf8.data()));
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
