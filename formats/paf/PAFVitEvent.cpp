#include "formats/paf/PAFVitEvent.h"

#include "base/Date.h"
#include "formats/paf/PAFCollection.h"
#include "model/ABSCitation.h"
#include "model/ABSNote.h"

WPAFVitEvent::WPAFVitEvent(WPAFCollection& collection, uint64_t event)
    : collection_(collection), view_(collection.View()), event_(event) {}

void WPAFVitEvent::LoadDate() {
  if (!date_ && view_.I32LE(event_) != 0) date_ = collection_.NewDate(event_);
}

void WPAFVitEvent::LoadCitations() {
  citation_count_ = citations_.Load(collection_, event_ + collection_.Layout().event_citation);
}

int WPAFVitEvent::CitationCount() {
  LoadCitations();
  return citation_count_;
}

std::unique_ptr<WABSCitation> WPAFVitEvent::GetCitation(int i) {
  LoadCitations();
  return citations_.Get(collection_, i);
}

bool WPAFVitEvent::HasNote() { return has_description_; }

std::unique_ptr<WABSNote> WPAFVitEvent::GetNote() {
  if (!has_description_) return nullptr;
  auto note = std::make_unique<WABSNote>();
  note->AddLine(note_line_);
  return note;
}

void WPAFVitEvent::ReadOtherEvent(uint64_t record, uint64_t type_link, uint64_t description,
                                  std::string (*convert)(std::string_view)) {
  SetKind(evOther);
  if (const uint64_t type = collection_.EventTypePos(view_.I32LE(record + type_link)))
    SetTypeName(convert(collection_.TextAt(view_.I32LE(type))));
  const int32_t pointer = view_.I32LE(record + description);
  if (WPAFCollection::IsLink(pointer)) {
    note_line_ = convert(collection_.TextAt(pointer));
    has_description_ = true;
  }
}
