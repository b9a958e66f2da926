#include "formats/paf/PAF5Repo.h"

#include "base/TextUtils.h"
#include "formats/paf/PAF5Address.h"
#include "formats/paf/PAFCollection.h"
#include "model/ABSNote.h"

WPAF5Repo::WPAF5Repo(WPAFCollection& collection, uint64_t record)
    : view_(collection.View()), record_(record) {}

std::string WPAF5Repo::GetName() {
  return record_ ? Utf8ToAnsi(view_.FixedText(record_, 84)) : std::string();
}

std::unique_ptr<WABSAddress> WPAF5Repo::GetAddress() {
  return record_ ? std::make_unique<WPAF5Address>(view_, record_) : nullptr;
}

std::unique_ptr<WABSNote> WPAF5Repo::GetNote() { return nullptr; }
