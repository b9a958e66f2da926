#include "formats/paf/PAFSource.h"

#include "base/TextUtils.h"
#include "formats/paf/PAFCollection.h"
#include "model/ABSNote.h"

namespace {

constexpr uint32_t kCallNumberWidth = 92;

}  // namespace

WPAFSource::WPAFSource(WPAFCollection& collection, uint64_t record, const Fields& fields)
    : collection_(collection), view_(collection.View()), record_(record), fields_(fields) {}

int32_t WPAFSource::LinkAt(uint64_t offset) const {
  if (!record_) return 0;
  const int32_t link = view_.I32LE(record_ + offset);
  return WPAFCollection::IsLink(link) ? link : 0;
}

std::unique_ptr<WABSNote> WPAFSource::NoteAt(uint64_t offset) const {
  const int32_t link = LinkAt(offset);
  return link ? collection_.NewNote(link) : nullptr;
}

std::string WPAFSource::TextField(uint32_t offset, uint32_t width) const {
  return record_ ? Utf8ToAnsi(view_.FixedText(record_ + offset, width)) : std::string();
}

RecNo WPAFSource::GetRepositoryRecord() { return LinkAt(fields_.repository); }

std::string WPAFSource::GetAuthor() { return TextField(fields_.author, fields_.text_width); }

std::string WPAFSource::GetTitle() { return TextField(fields_.title, fields_.text_width); }

std::string WPAFSource::GetPublication() { return TextField(fields_.publication, fields_.text_width); }

std::string WPAFSource::GetCallNumber() { return TextField(fields_.call_number, kCallNumberWidth); }

std::string WPAFSource::GetAbbreviation() { return std::string(); }

std::unique_ptr<WABSNote> WPAFSource::GetNote() {
  std::unique_ptr<WABSNote> note = NoteAt(fields_.note);
  // An empty note would leave an empty piece between commas in a citation's text.
  return note && note->LineCount() > 0 ? std::move(note) : nullptr;
}

bool WPAFSource::HasNote() { return LinkAt(fields_.note) != 0; }

bool WPAFSource::HasRepository() { return LinkAt(fields_.repository) != 0; }
