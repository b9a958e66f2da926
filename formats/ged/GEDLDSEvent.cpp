#include "formats/ged/GEDLDSEvent.h"

#include "base/Date.h"
#include "base/TextUtils.h"
#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDNote.h"
#include "formats/ged/GEDPlace.h"
#include "formats/ged/GEDSubLines.h"

namespace {

// Status and qualifier texts stand in for a date: trimmed and at most 255 characters.
std::string DateStandIn(const std::string& text) {
  std::string result = TrimText(text);
  if (result.size() > 255) result.resize(255);
  return result;
}

int OrdinanceKind(uint32_t tag) {
  switch (tag) {
    case GEDTag("BAPL"):
    case GEDTag("CONS"):
      return evLDSBaptism;
    case GEDTag("ENDL"):
      return evEndowment;
    case GEDTag("SLGC"):
      return evSealingToParents;
    default:
      return 0;
  }
}

}  // namespace

WGEDLDSEvent::WGEDLDSEvent(WGEDCollection& collection, const char* line)
    : collection_(collection),
      text_(collection.Text()),
      line_(line),
      lines_(WGEDSubLines::FindEventLines(text_, line)) {
  SetKind(OrdinanceKind(text_.TagAt(line)));
  SetTypeName(WGEDSubLines::ConvertedAt(text_, lines_.type, 7));
  citation_count_ = static_cast<int32_t>(lines_.citations.size());
}

void WGEDLDSEvent::LoadDate() {
  if (date_) return;
  std::string text;
  if (lines_.date) {
    text = text_.LineValueAt(lines_.date, 6);
  } else if (lines_.status) {
    text = DateStandIn(text_.LineValueAt(lines_.status, 7));
  } else if (lines_.qualifier) {
    text = DateStandIn(text_.LineValueAt(lines_.qualifier, 2));
  } else {
    return;
  }
  date_ = WGEDSubLines::DateOf(text_, text);
}

std::unique_ptr<WABSPlace> WGEDLDSEvent::GetPlace() {
  return std::make_unique<WGEDPlace>(collection_, lines_.place_or_temple);
}

std::unique_ptr<WABSCitation> WGEDLDSEvent::GetCitation(int i) {
  return WGEDSubLines::CitationAt(collection_, lines_.citations, i);
}

bool WGEDLDSEvent::HasNote() { return GetNote() != nullptr; }

std::unique_ptr<WABSNote> WGEDLDSEvent::GetNote() { return WGEDNote::NoteOfLine(collection_, lines_.note); }
