#include "formats/ged/GEDPlace.h"

#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDNote.h"
#include "formats/ged/GEDSubLines.h"

WGEDPlace::WGEDPlace(WGEDCollection& collection, const char* line)
    : collection_(collection), text_(collection.Text()), line_(line) {
  WGEDSubLines::ByDepth(text_, line, [&](const char* p) {
    uint32_t tag = text_.TagAt(p);
    if (tag == GEDTag("NOTE"))
      note_ = p;
    else if (tag == GEDTag("SOUR"))
      WGEDSubLines::AddCitation(citations_, p);
  });
  citation_count_ = static_cast<int32_t>(citations_.size());
}

std::string WGEDPlace::GetName() { return WGEDSubLines::PlaceAt(text_, line_, 7); }

std::unique_ptr<WABSCitation> WGEDPlace::GetCitation(int i) {
  return WGEDSubLines::CitationAt(collection_, citations_, i);
}

std::unique_ptr<WABSNote> WGEDPlace::GetNote() { return WGEDNote::NoteOfLine(collection_, note_); }
