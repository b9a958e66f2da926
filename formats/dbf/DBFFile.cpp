#include "formats/dbf/DBFFile.h"

#include <strings.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "base/FilePaths.h"

namespace {

// Header fields.
constexpr uint64_t kRecordCountAt = 4;
constexpr uint64_t kHeaderLengthAt = 8;
constexpr uint64_t kRecordLengthAt = 10;
constexpr uint64_t kFirstDescriptor = 32;
// Descriptor fields.
constexpr uint64_t kDescriptorSize = 32;
constexpr uint64_t kNameWidth = 11;
constexpr uint64_t kTypeAt = 11;
constexpr uint64_t kDisplacementAt = 12;
constexpr uint64_t kLengthAt = 16;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool WDBFFile::HasTableHeader(const std::string& path) {
  const std::string start = ReadFileStart(path, kFirstDescriptor);
  if (start.size() < kFirstDescriptor) return false;
  const WCheckedView header(start);
  switch (header.U8(0)) {
    case 0x02:  // FoxBASE
    case 0x03:  // dBase III without memo
    case 0x30:  // Visual FoxPro
    case 0x31:
    case 0x32:
    case 0x43:  // dBase IV with memo
    case 0x63:
    case 0x83:  // dBase III with memo
    case 0x8B:
    case 0xCB:
    case 0xF5:  // FoxPro with memo
    case 0xFB:
      break;
    default:
      return false;
  }
  const int month = header.U8(2), day = header.U8(3);
  return month <= 12 && day <= 31 && header.U16LE(kHeaderLengthAt) >= kFirstDescriptor + kDescriptorSize &&
         header.U16LE(kRecordLengthAt) > 0;
}

WDBFFile::WDBFFile(const std::string& path) : path_(path), file_(path) {
  view_ = WCheckedView(file_.Data(), static_cast<uint64_t>(file_.Size()));
  ReadHeader();
}

WDBFFile::~WDBFFile() = default;

void WDBFFile::ReadHeader() {
  const uint64_t size = view_.Size();
  header_record_count_ = view_.U32LE(kRecordCountAt);
  header_length_ = view_.U16LE(kHeaderLengthAt);
  record_length_ = view_.I16LE(kRecordLengthAt);

  // Descriptors lie wholly inside both the header and the file.
  const uint64_t descriptors_end = std::min<uint64_t>(static_cast<uint64_t>(header_length_), size);
  int running_offset = 0;
  for (uint64_t at = kFirstDescriptor;
       at + kDescriptorSize <= descriptors_end && view_.U8(at) != kDescriptorEnd &&
       fields_.size() < static_cast<size_t>(kMaxFields);
       at += kDescriptorSize) {
    Field field;
    field.name = view_.FixedText(at, kNameWidth);
    field.type = static_cast<char>(view_.U8(at + kTypeAt));
    field.displacement = view_.U32LE(at + kDisplacementAt);
    field.length = view_.U8(at + kLengthAt);
    field.offset = running_offset;
    running_offset += field.length;
    fields_.push_back(std::move(field));
  }

  // A record holds the deletion flag and the field bytes; a field reaching past it is cut.
  const int data_length = std::max(record_length_ - 1, 0);
  for (Field& field : fields_) {
    if (field.offset >= data_length)
      field.length = 0;
    else
      field.length = std::min(field.length, data_length - field.offset);
  }

  record_count_ = 0;
  if (record_length_ > 0 && static_cast<uint64_t>(header_length_) <= size) {
    const uint64_t whole_records = (size - static_cast<uint64_t>(header_length_)) / record_length_;
    const uint64_t in_use = std::min<uint64_t>(whole_records, header_record_count_);
    record_count_ = static_cast<int>(std::min<uint64_t>(in_use, std::numeric_limits<int>::max()));
  }
}

int WDBFFile::FieldIndex(std::string_view name) const {
  for (size_t i = 0; i < fields_.size(); ++i) {
    const std::string& field = fields_[i].name;
    if (field.size() == name.size() && strncasecmp(field.data(), name.data(), name.size()) == 0)
      return static_cast<int>(i) + 1;
  }
  return 0;
}

const WDBFFile::Field* WDBFFile::FieldAt(int field) const {
  if (field < 1 || field > FieldCount()) return nullptr;
  return &fields_[static_cast<size_t>(field) - 1];
}

bool WDBFFile::IsDeleted(int n) const {
  if (n < 1 || n > record_count_) return true;
  const uint64_t start = static_cast<uint64_t>(header_length_) +
                         static_cast<uint64_t>(n - 1) * static_cast<uint64_t>(record_length_);
  return view_.U8(start) == '*';
}

std::string_view WDBFFile::FieldBytes(int n, int field) const {
  const Field* f = FieldAt(field);
  if (!f || n < 1 || n > record_count_ || f->length == 0) return {};
  const uint64_t start = static_cast<uint64_t>(header_length_) +
                         static_cast<uint64_t>(n - 1) * static_cast<uint64_t>(record_length_) + 1 +
                         static_cast<uint64_t>(f->offset);
  return view_.Bytes(start, static_cast<uint64_t>(f->length));
}

std::string_view WDBFFile::CutAtNul(std::string_view bytes) {
  // Fields are short: a plain loop is cheaper than a library call.
  for (size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '\0') return bytes.substr(0, i);
  return bytes;
}

std::string WDBFFile::FieldText(int n, int field) const {
  return std::string(CutAtNul(FieldBytes(n, field)));
}

int WDBFFile::FieldInt(int n, int field) const {
  if (field < 1) return 0;
  return ParseInt(CutAtNul(FieldBytes(n, field)));
}

char WDBFFile::FieldChar(int n, int field) const {
  if (field < 1) return '\0';
  std::string_view text = CutAtNul(FieldBytes(n, field));
  return text.empty() ? '\0' : text.front();
}

int WDBFFile::ParseInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  bool hex = false;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == text.size()) return 0;  // no digit
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
    if (digit < 0) return 0;
    value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    if (value > 0xFFFFFFFFull) return 0;  // beyond 32 bits
  }
  if (hex) {
    // Hexadecimal digits give the 32-bit pattern ("$FFFFFFFF" is -1).
    const auto bits = static_cast<int32_t>(static_cast<uint32_t>(value));
    return negative ? static_cast<int>(0 - static_cast<uint32_t>(bits)) : bits;
  }
  if (negative) return value > 0x80000000ull ? 0 : static_cast<int>(-static_cast<int64_t>(value));
  return value > 0x7FFFFFFFull ? 0 : static_cast<int>(value);
}
