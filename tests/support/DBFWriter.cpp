#include "support/DBFWriter.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace {

void PutLE(std::string& out, size_t at, uint64_t value, int bytes) {
  for (int k = 0; k < bytes; ++k)
    out[at + static_cast<size_t>(k)] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

void PutBE32(std::string& out, size_t at, uint32_t value) {
  for (int k = 0; k < 4; ++k)
    out[at + static_cast<size_t>(k)] = static_cast<char>((value >> (8 * (3 - k))) & 0xFF);
}

constexpr size_t kMemoHeader = 512;

}  // namespace

DBFWriter& DBFWriter::Field(const std::string& name, char type, int length) {
  if (name.size() > 10 || length < 1 || length > 255) throw std::invalid_argument("bad dBase field " + name);
  fields_.push_back(FieldDef{name, type, length});
  return *this;
}

DBFWriter& DBFWriter::Row(const std::vector<Cell>& values, bool deleted) {
  rows_.push_back(RowData{values, deleted});
  return *this;
}

DBFWriter& DBFWriter::MemoBlockSize(uint32_t size) {
  block_size_ = size;
  return *this;
}
DBFWriter& DBFWriter::FreeBlocksBetweenMemos(int blocks) {
  free_blocks_ = blocks;
  return *this;
}
DBFWriter& DBFWriter::PadWithNul(bool on) {
  pad_nul_ = on;
  return *this;
}
DBFWriter& DBFWriter::HeaderPadding(int bytes) {
  header_padding_ = bytes;
  return *this;
}
DBFWriter& DBFWriter::EndMarker(bool on) {
  end_marker_ = on;
  return *this;
}
DBFWriter& DBFWriter::StatedRecordCount(uint32_t count) {
  stated_count_ = count;
  return *this;
}
DBFWriter& DBFWriter::OmitTerminator(bool on) {
  omit_terminator_ = on;
  return *this;
}
DBFWriter& DBFWriter::StatedRecordLength(int length) {
  stated_record_length_ = length;
  return *this;
}
DBFWriter& DBFWriter::StatedHeaderLength(int length) {
  stated_header_length_ = length;
  return *this;
}
DBFWriter& DBFWriter::TruncateMemo(int64_t bytes) {
  truncate_memo_ = bytes;
  return *this;
}

bool DBFWriter::HasMemoFields() const {
  return std::any_of(fields_.begin(), fields_.end(), [](const FieldDef& f) { return f.type == 'M'; });
}

int DBFWriter::DataLength() const {
  int length = 0;
  for (const FieldDef& f : fields_) length += f.length;
  return length;
}

std::string DBFWriter::BuildMemo(std::vector<std::vector<int64_t>>* blocks) const {
  const size_t block_size = block_size_ > 0 ? block_size_ : 64;
  std::string memo(kMemoHeader, '\0');
  // The header itself fills the first blocks.
  memo.resize((kMemoHeader + block_size - 1) / block_size * block_size, '\0');
  blocks->assign(rows_.size(), std::vector<int64_t>(fields_.size(), 0));
  for (size_t r = 0; r < rows_.size(); ++r) {
    for (size_t f = 0; f < fields_.size() && f < rows_[r].values.size(); ++f) {
      const Cell& cell = rows_[r].values[f];
      if (fields_[f].type != 'M') continue;
      if (cell.block >= 0) {
        (*blocks)[r][f] = cell.block;
        continue;
      }
      if (cell.text.empty()) continue;
      memo.append(static_cast<size_t>(free_blocks_) * block_size, '\0');
      (*blocks)[r][f] = static_cast<int64_t>(memo.size() / block_size);
      std::string block(8, '\0');
      PutBE32(block, 0, 1);  // a text memo
      PutBE32(block, 4, static_cast<uint32_t>(cell.text.size()));
      block += cell.text;
      block.resize((block.size() + block_size - 1) / block_size * block_size, '\0');
      memo += block;
    }
  }
  PutBE32(memo, 0, static_cast<uint32_t>(memo.size() / block_size));  // next free block
  // The block size: 32 bits at offset 4 (the 16-bit FoxPro field at 6 is its low half).
  PutBE32(memo, 4, block_size_);
  if (truncate_memo_ >= 0 && static_cast<size_t>(truncate_memo_) < memo.size())
    memo.resize(static_cast<size_t>(truncate_memo_));
  return memo;
}

std::string DBFWriter::MemoBytes() const {
  std::vector<std::vector<int64_t>> blocks;
  return BuildMemo(&blocks);
}

std::string DBFWriter::FieldBytes(const FieldDef& field, const Cell& value, int64_t memo_block) const {
  const size_t length = static_cast<size_t>(field.length);
  std::string text = value.text;
  switch (field.type) {
    case 'M':
      if (length == 4) {
        std::string raw(4, '\0');
        PutLE(raw, 0, static_cast<uint64_t>(memo_block), 4);
        return raw;
      }
      text = memo_block > 0 ? std::to_string(memo_block) : std::string();
      [[fallthrough]];
    case 'N':
    case 'F': {
      if (text.size() > length) text.resize(length);
      return std::string(length - text.size(), ' ') + text;
    }
    case 'I': {
      std::string raw(length, '\0');
      const int64_t number = text.empty() ? 0 : std::stoll(text);
      PutLE(raw, 0, static_cast<uint64_t>(number), std::min<int>(field.length, 8));
      return raw;
    }
    default: {  // 'C', 'L', 'D' and any other letter: the text left-aligned
      if (text.size() > length) text.resize(length);
      return text + std::string(length - text.size(), pad_nul_ && field.type == 'C' ? '\0' : ' ');
    }
  }
}

std::string DBFWriter::TableBytes() const {
  std::vector<std::vector<int64_t>> blocks;
  if (HasMemoFields()) BuildMemo(&blocks);
  const size_t descriptors = 32 * fields_.size();
  const size_t header_length =
      32 + descriptors + (omit_terminator_ ? 0 : 1) + static_cast<size_t>(header_padding_);
  const int record_length = 1 + DataLength();

  std::string out(header_length, '\0');
  out[0] = static_cast<char>(version_);
  out[1] = 125;  // last update: 2025-01-01
  out[2] = 1;
  out[3] = 1;
  PutLE(out, 4, stated_count_ >= 0 ? static_cast<uint64_t>(stated_count_) : rows_.size(), 4);
  PutLE(out, 8, static_cast<uint64_t>(stated_header_length_ >= 0 ? stated_header_length_ : header_length), 2);
  PutLE(out, 10, static_cast<uint64_t>(stated_record_length_ >= 0 ? stated_record_length_ : record_length),
        2);
  size_t at = 32;
  uint32_t displacement = 1;
  for (const FieldDef& f : fields_) {
    std::memcpy(&out[at], f.name.data(), f.name.size());
    out[at + 11] = f.type;
    PutLE(out, at + 12, displacement, 4);
    out[at + 16] = static_cast<char>(f.length);
    displacement += static_cast<uint32_t>(f.length);
    at += 32;
  }
  if (!omit_terminator_) out[at] = 0x0D;

  for (size_t r = 0; r < rows_.size(); ++r) {
    out += rows_[r].deleted ? '*' : ' ';
    for (size_t f = 0; f < fields_.size(); ++f) {
      const Cell empty("");
      const Cell& value = f < rows_[r].values.size() ? rows_[r].values[f] : empty;
      out += FieldBytes(fields_[f], value, blocks.empty() ? 0 : blocks[r][f]);
    }
  }
  if (end_marker_) out += '\x1A';
  return out;
}

void DBFWriter::Write(const std::string& tablePath, const std::string& memoPath) const {
  std::ofstream(tablePath, std::ios::binary) << TableBytes();
  if (!memoPath.empty()) std::ofstream(memoPath, std::ios::binary) << MemoBytes();
}
