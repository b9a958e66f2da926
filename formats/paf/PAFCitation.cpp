#include "formats/paf/PAFCitation.h"

#include "base/TextUtils.h"
#include "formats/paf/PAFCollection.h"
#include "model/ABSNote.h"
#include "model/ABSSource.h"

namespace {

constexpr uint64_t kDetailWidth = 92;

}  // namespace

WPAFCitation::WPAFCitation(WPAFCollection& collection, uint64_t record)
    : collection_(collection), view_(collection.View()), record_(record) {}

std::string WPAFCitation::GetDetail() {
  return Utf8ToAnsi(view_.FixedText(record_ + collection_.Layout().cit_detail, kDetailWidth));
}

std::unique_ptr<WABSNote> WPAFCitation::GetNote() {
  const int32_t link = view_.I32LE(record_ + collection_.Layout().cit_note);
  if (!WPAFCollection::IsLink(link)) return nullptr;
  std::unique_ptr<WABSNote> note = collection_.NewNote(link);
  // An empty note would leave an empty piece between commas in the citation's text.
  return note->LineCount() > 0 ? std::move(note) : nullptr;
}

std::unique_ptr<WABSSource> WPAFCitation::GetSource() {
  const int32_t source = view_.I32LE(record_ + collection_.Layout().cit_source);
  if (!WPAFCollection::IsLink(source) || collection_.SourcePos(source) == 0) return nullptr;
  return collection_.GetSource(source);
}
