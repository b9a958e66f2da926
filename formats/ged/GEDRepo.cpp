#include "formats/ged/GEDRepo.h"

#include "formats/ged/GEDAddress.h"
#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDSubLines.h"
#include "model/ABSNote.h"

WGEDRepo::WGEDRepo(WGEDCollection& collection, RecNo n)
    : collection_(collection),
      text_(collection.Text()),
      record_(WGEDSubLines::RequireRecord(collection, gkRepository, n)) {
  WGEDSubLines::ByRecord(text_, record_, [&](const char* p) {
    uint32_t tag = text_.TagAt(p);
    if (tag == GEDTag("NAME"))
      name_ = p;
    else if (tag == GEDTag("ADDR"))
      address_ = p;
  });
}

std::string WGEDRepo::GetName() {
  if (!name_done_) {
    name_text_ = WGEDSubLines::JoinedAt(text_, name_, 7, "\r");
    name_done_ = true;
  }
  return name_text_;
}

std::unique_ptr<WABSAddress> WGEDRepo::GetAddress() {
  if (!address_) return nullptr;
  return std::make_unique<WGEDAddress>(collection_, address_);
}

std::unique_ptr<WABSNote> WGEDRepo::GetNote() { return nullptr; }

std::string WGEDRepo::GetRecordText() { return text_.ConvertText(text_.RecordTextAt(record_)); }
