#include "formats/ged/GEDAddress.h"

#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDSubLines.h"

namespace {

constexpr uint32_t kFieldTags[] = {GEDTag("ADDR"), GEDTag("ADR1"), GEDTag("ADR2"), GEDTag("CITY"),
                                   GEDTag("STAE"), GEDTag("POST"), GEDTag("CTRY"), GEDTag("PHON")};

}  // namespace

WGEDAddress::WGEDAddress(WGEDCollection& collection, const char* addr_line) : text_(collection.Text()) {
  fields_[kAddress].line = addr_line;
  WGEDSubLines::ByRecord(text_, addr_line, [&](const char* p) {
    uint32_t tag = text_.TagAt(p);
    for (int f = 0; f < kFieldCount; ++f) {
      if (kFieldTags[f] == tag) fields_[f].line = p;
    }
  });
}

const std::string& WGEDAddress::FieldText(Field field) {
  CachedText& f = fields_[field];
  if (!f.done) {
    f.text = WGEDSubLines::JoinedAt(text_, f.line, 7, "\r\n");
    f.done = true;
  }
  return f.text;
}
