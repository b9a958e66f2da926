#include "formats/ged/GEDSubmitter.h"

#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDSubLines.h"

WGEDSubmitter::WGEDSubmitter(WGEDCollection& collection, const char* record_line)
    : text_(collection.Text()), record_(record_line) {}

const char* WGEDSubmitter::FirstLine(const char (&tag)[5]) const {
  const uint32_t want = GEDTag(tag);
  const char* found = nullptr;
  const char* end = WGEDSubLines::RecordEnd(text_, record_);
  for (const char* p = text_.NextLine(record_); p && p < end && !found; p = text_.NextLine(p)) {
    if (text_.TagAt(p) == want) found = p;
  }
  return found;
}

std::string WGEDSubmitter::WordOf(const char (&tag)[5]) const {
  const char* line = FirstLine(tag);
  return line ? text_.ConvertText(text_.WordValue(line)) : std::string();
}

std::string WGEDSubmitter::AddressPiece(size_t i) {
  if (!address_read_) {
    address_ = WGEDSubLines::ContinuedAt(text_, FirstLine("ADDR"), 7);
    address_read_ = true;
  }
  return i < address_.size() ? text_.ConvertText(address_[i]) : std::string();
}

std::string WGEDSubmitter::GetEmail() {
  std::string email = WordOf("_EMA");
  return email.empty() ? WordOf("EMAI") : email;
}

std::string WGEDSubmitter::GetRecordText() { return text_.RecordTextAt(record_); }
