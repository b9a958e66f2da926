#include "formats/paf/PAF34Repo.h"

#include "base/TextUtils.h"
#include "formats/paf/PAF34Address.h"
#include "formats/paf/PAFCollection.h"
#include "model/ABSNote.h"

WPAF34Repo::WPAF34Repo(WPAFCollection& collection, uint64_t record)
    : view_(collection.View()), record_(record) {}

std::string WPAF34Repo::GetName() {
  return record_ ? Utf8ToAnsi(view_.FixedText(record_ + 1, 92)) : std::string();
}

std::unique_ptr<WABSAddress> WPAF34Repo::GetAddress() {
  return record_ ? std::make_unique<WPAF34Address>(view_, record_) : nullptr;
}

std::unique_ptr<WABSNote> WPAF34Repo::GetNote() { return nullptr; }
