#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes dBase/FoxPro tables (.dbf) and their memo files (.fpt) for tests, from a list of
// fields and rows of texts.  Values are laid out the way the programs that write these files
// do it: character fields left-aligned and padded (blanks, or NULs on request), numeric fields
// right-aligned behind blanks, logical fields one letter, memo fields a block number (as
// right-aligned digits in a 10-byte field, as a raw little-endian integer in a 4-byte one)
// with the text in the memo file, and integer fields of 1 or 4 bytes as raw little-endian
// values.  Rows can be flagged deleted.
//
// Real files differ from tidy ones, and damaged files differ more: the writer can leave free
// blocks between memos, state a record count larger or smaller than the rows written, drop
// the descriptor terminator, state a shorter record length than the fields need, and cut the
// memo file short.
class DBFWriter {
 public:
  // One value: a text (as the field's type lays it out), or for a memo field a raw block
  // number stored as it is (Block), whatever the memo file holds.
  struct Cell {
    Cell(const char* text) : text(text) {}             // NOLINT: rows are written as lists of texts
    Cell(std::string text) : text(std::move(text)) {}  // NOLINT
    static Cell Block(int64_t block) {
      Cell c("");
      c.block = block;
      return c;
    }
    std::string text;
    int64_t block = -1;
  };

  // version: the first header byte (0x03 dBase III, 0x30 Visual FoxPro, 0xF5 FoxPro with memo).
  explicit DBFWriter(uint8_t version = 0x03) : version_(version) {}

  // Adds a field; name up to 10 characters, length 1..255.
  DBFWriter& Field(const std::string& name, char type, int length);
  // Adds a row of values in field order (missing values are empty).
  DBFWriter& Row(const std::vector<Cell>& values, bool deleted = false);

  // Memo block size (default 64); memo blocks start after the 512-byte memo header.
  DBFWriter& MemoBlockSize(uint32_t size);
  // Free (unused) blocks left before each memo, as files that were edited have.
  DBFWriter& FreeBlocksBetweenMemos(int blocks);
  // Character fields padded with NUL bytes instead of blanks.
  DBFWriter& PadWithNul(bool on = true);
  // Extra bytes at the end of the header after the terminator (Visual FoxPro keeps 263).
  DBFWriter& HeaderPadding(int bytes);
  // The 0x1A byte after the last record (written by default).
  DBFWriter& EndMarker(bool on);

  // Damage.
  // The record count the header states (default: the rows written).
  DBFWriter& StatedRecordCount(uint32_t count);
  // No 0x0D byte after the descriptors.
  DBFWriter& OmitTerminator(bool on = true);
  // The record length the header states (default: 1 + the field lengths); records are
  // still written in full.
  DBFWriter& StatedRecordLength(int length);
  // The header length the header states (default: where record 1 starts).
  DBFWriter& StatedHeaderLength(int length);
  // Cuts the memo file after this many bytes.
  DBFWriter& TruncateMemo(int64_t bytes);

  std::string TableBytes() const;
  std::string MemoBytes() const;
  bool HasMemoFields() const;
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // Writes the table, and the memo file when memoPath is not empty.
  void Write(const std::string& tablePath, const std::string& memoPath = std::string()) const;

 private:
  struct FieldDef {
    std::string name;
    char type;
    int length;
  };
  struct RowData {
    std::vector<Cell> values;
    bool deleted;
  };
  // Lays out the memo file and returns, per row and field, the block numbers of the memos.
  std::string BuildMemo(std::vector<std::vector<int64_t>>* blocks) const;
  std::string FieldBytes(const FieldDef& field, const Cell& value, int64_t memo_block) const;
  int DataLength() const;

  uint8_t version_;
  std::vector<FieldDef> fields_;
  std::vector<RowData> rows_;
  uint32_t block_size_ = 64;
  int free_blocks_ = 0;
  bool pad_nul_ = false;
  int header_padding_ = 0;
  bool end_marker_ = true;
  int64_t stated_count_ = -1;
  bool omit_terminator_ = false;
  int stated_record_length_ = -1;
  int stated_header_length_ = -1;
  int64_t truncate_memo_ = -1;
};
