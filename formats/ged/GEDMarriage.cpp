#include "formats/ged/GEDMarriage.h"

#include "base/Date.h"
#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDLDSEvent.h"
#include "formats/ged/GEDNote.h"
#include "formats/ged/GEDSubLines.h"
#include "model/FamLinks.h"

WGEDMarriage::WGEDMarriage(WGEDCollection& collection, RecNo n)
    : WABSMarriage(n),
      collection_(collection),
      text_(collection.Text()),
      record_(WGEDSubLines::RequireRecord(collection, gkFamily, n)) {
  child_count_ = collection.FamLinks()->ChildCount(n);
  WGEDSubLines::ByRecord(text_, record_, [&](const char* p) {
    switch (text_.TagAt(p)) {
      case GEDTag("MARR"):
        if (!marriage_) marriage_ = p;
        break;
      case GEDTag("SLGS"):
        sealing_ = p;
        break;
      case GEDTag("NOTE"):
        if (!note_) note_ = p;
        break;
      case GEDTag("SOUR"):
        WGEDSubLines::AddCitation(citations_, p);
        break;
      default:
        break;
    }
  });
  citation_count_ = static_cast<int32_t>(citations_.size());
}

void WGEDMarriage::LoadDate() {
  if (!marriage_ || date_) return;
  // The first level-2 DATE among the MARR line's sub-lines, whatever lines come before it.
  for (const char* p = text_.NextLine(marriage_); p; p = text_.NextLine(p)) {
    const int level = text_.LineLevel(p);
    if (level <= 1) break;
    if (level == 2 && text_.TagAt(p) == GEDTag("DATE")) {
      date_ = WGEDSubLines::DateAt(text_, p, 6);
      break;
    }
  }
}

RecNo WGEDMarriage::GetHusband() { return collection_.FamLinks()->GetHusband(rec_no_); }
RecNo WGEDMarriage::GetWife() { return collection_.FamLinks()->GetWife(rec_no_); }
RecNo WGEDMarriage::GetChild(int i) { return collection_.FamLinks()->GetChild(rec_no_, i); }

int WGEDMarriage::SpouseCount() { return (GetHusband() != 0 ? 1 : 0) + (GetWife() != 0 ? 1 : 0); }

void WGEDMarriage::OrderChildren() { collection_.FamLinks()->OrderChildren(rec_no_, collection_); }

std::unique_ptr<WABSLDSEvent> WGEDMarriage::GetSealing(int) {
  if (!sealing_) return nullptr;
  return std::make_unique<WGEDLDSEvent>(collection_, sealing_);
}

std::string WGEDMarriage::GetPlaceText() {
  if (!marriage_) return std::string();
  for (const char* p = text_.NextLine(marriage_); p && *p == '2'; p = text_.NextLine(p)) {
    if (text_.TagAt(p) == GEDTag("PLAC")) return WGEDSubLines::PlaceAt(text_, p, 6);
  }
  return std::string();
}

std::string WGEDMarriage::GetRecordText() { return text_.ConvertText(text_.RecordTextAt(record_)); }

std::unique_ptr<WABSCitation> WGEDMarriage::GetCitation(int i) {
  return WGEDSubLines::CitationAt(collection_, citations_, i);
}

std::unique_ptr<WABSNote> WGEDMarriage::GetNote() { return WGEDNote::NoteOfLine(collection_, note_); }
