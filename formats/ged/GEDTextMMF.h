#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "formats/ged/TextMMF.h"

// Kinds of GEDCOM records, by the tag that follows the identifier on the record line.
enum GEDRecordKind : int {
  gkNone = -1,
  gkIndividual = 0,
  gkFamily = 1,
  gkNote = 2,
  gkSource = 3,
  gkOther = 4,  // submitters and every tag not listed here
  gkSubmission = 5,
  gkRepository = 6,
  gkMultimedia = 7,
  gkKindCount = 8,
};

// A four-byte tag as the 32-bit word that the bytes at columns 2 to 5 of a line form in
// memory: GEDTag("NAME"), GEDTag("SEX "), GEDTag("CHR\n").
constexpr uint32_t GEDTag(const char (&tag)[5]) {
  uint32_t b0 = static_cast<unsigned char>(tag[0]), b1 = static_cast<unsigned char>(tag[1]),
           b2 = static_cast<unsigned char>(tag[2]), b3 = static_cast<unsigned char>(tag[3]);
  if constexpr (std::endian::native == std::endian::little)
    return b0 | (b1 << 8) | (b2 << 16) | (b3 << 24);
  else
    return (b0 << 24) | (b1 << 16) | (b2 << 8) | b3;
}

// The GEDCOM text file: the line grammar and the rules by which values, identifiers,
// record texts and continued texts are taken from the mapped text.
//
// Positions are addresses inside the mapping; nullptr stands for "none".  No operation
// reads outside the mapping, whatever the bytes are: a line may end at CR, LF, CR LF or
// the end of the file.  Every text result is cut at kWorkAreaSize - 1 bytes.
class WGEDTextMMF : public WTextMMF {
 public:
  explicit WGEDTextMMF(const std::string& path) : WTextMMF(path) {}

  static constexpr size_t kWorkAreaSize = 65536;
  static constexpr size_t kMaxIdLength = 15;

  // Start of the line after the one holding p, with the line break and every following
  // blank (space, TAB, CR, LF) skipped; none at the end of the file.
  const char* NextLine(const char* p) const;
  // Start of the next record line (a "0" right after a line break) after the line
  // holding p; none at the end of the file.
  const char* NextRecord(const char* p) const;
  // The identifier at p: spaces skipped, then "@...@" on one line; the "@" signs are
  // dropped and at most kMaxIdLength characters kept.  Returns false when there is none;
  // "@@" gives true with an empty identifier.
  bool GetXRef(const char* p, std::string& id) const;
  // The same, empty when there is none.
  std::string GetXRef(const char* p) const;
  // True when p, the start of a line, is a record line: a "0" right after a line break, as
  // NextRecord finds them.  Walking lines with NextLine reaches the next record line exactly.
  bool IsRecordLine(const char* p) const {
    return p > Start() && *p == '0' && (p[-1] == '\r' || p[-1] == '\n');
  }
  // Every byte from the record line at p up to the next record line; empty when no record
  // line follows or p is none.
  std::string RecordTextAt(const char* p) const;
  // From p: spaces skipped, the bytes up to the line's end, trailing spaces and CRs
  // dropped.  Empty for none.
  std::string LineValue(const char* p) const;
  // The same in place: a view of the mapped text.
  std::string_view LineValueView(const char* p) const;
  // The line value at a column of the line starting at `line`; empty when the line ends
  // before that column, so that a value never runs on into the next line.
  std::string LineValueAt(const char* line, size_t column) const;
  std::string_view LineValueViewAt(const char* line, size_t column) const;
  // The value after the level and the tag words of the line.
  std::string WordValue(const char* line) const;
  // The level read as a decimal number up to the first space; 0 when it is no number.
  int LineLevel(const char* line) const {
    // Nearly every line starts with one digit and a blank.
    if (line != nullptr && End() - line >= 2 && line[1] == ' ' && line[0] >= '0' && line[0] <= '9')
      return line[0] - '0';
    return AnyLineLevel(line);
  }
  // The kind of the record whose line starts at `line`; gkNone without a complete
  // identifier.
  GEDRecordKind RecordKind(const char* line) const;
  // The continued text starting with the line value at p: each following CONC line
  // appends its value to the current piece, each CONT line starts a new piece, and any
  // other line ends the text.  One piece per line of text.
  std::vector<std::string> ReadContinued(const char* p) const;

  // The tag word at columns 2 to 5 of the line; bytes beyond the end of the file read as
  // LF, as if the file ended with a line break.
  uint32_t TagAt(const char* line) const {
    uint32_t w;
    if (end_minus(line) >= 6) {
      std::memcpy(&w, line + 2, 4);
      return w;
    }
    return PaddedTag(line);
  }
  // The byte at a column of the line, or 0 when the line (or the file) ends before it.
  char ByteAt(const char* line, size_t column) const;
  // The address of a column of the line, or none when the line ends before it.
  const char* ColumnAt(const char* line, size_t column) const;

  // The character set the texts are converted from: 0 plain, 1 ANSEL, 2 UTF-8.
  void SetCharSet(int char_set) { char_set_ = char_set; }
  int CharSet() const { return char_set_; }
  // A text of the file in Windows-1252, converted as the character set says.  A text that
  // needs no conversion (plain ASCII, the common case) is handed back as it is.
  std::string ConvertText(std::string_view text) const;
  std::string ConvertText(std::string&& text) const;

  // The first CR or LF at or after p, or `end` when there is none.
  static const char* FindLineBreak(const char* p, const char* end) {
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - p >= 16) {
      __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      unsigned mask = static_cast<unsigned>(
          _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf))));
      if (mask != 0) return p + __builtin_ctz(mask);
      p += 16;
    }
#endif
    while (p < end && *p != '\r' && *p != '\n') ++p;
    return p;
  }
  // The kind given by the tag that follows an identifier's closing "@" (at p).
  static GEDRecordKind KindAfterXRef(const char* p, const char* end);
  // The identifier at p in place: on success *id and *length describe the text between
  // the "@" signs (not cut) and the result points after the closing "@"; none otherwise.
  static const char* ParseXRef(const char* p, const char* end, const char** id, size_t* length);

 private:
  // LineLevel for any line.
  int AnyLineLevel(const char* line) const;
  ptrdiff_t end_minus(const char* p) const { return End() - p; }
  uint32_t PaddedTag(const char* line) const;

  int char_set_ = 0;
};
