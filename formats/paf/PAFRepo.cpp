#include "formats/paf/PAFRepo.h"

#include "base/TextUtils.h"
#include "formats/paf/PAFAddress.h"
#include "formats/paf/PAFCollection.h"
#include "model/ABSNote.h"

WPAFRepo::WPAFRepo(WPAFCollection& collection, uint64_t record)
    : view_(collection.View()), layout_(collection.Layout()), record_(record) {}

std::string WPAFRepo::GetName() {
  return record_ ? Utf8ToAnsi(view_.FixedText(record_ + layout_.repo_name, layout_.repo_name_width)) : std::string();
}

std::unique_ptr<WABSAddress> WPAFRepo::GetAddress() {
  return record_ ? std::make_unique<WPAFAddress>(view_, layout_, record_) : nullptr;
}

std::unique_ptr<WABSNote> WPAFRepo::GetNote() { return nullptr; }
