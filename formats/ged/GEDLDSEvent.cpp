#include "formats/ged/GEDLDSEvent.h"

#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDNote.h"
#include "formats/ged/GEDPlace.h"
#include "formats/ged/GEDSubLines.h"
#include "model/Date.h"
#include "model/TextUtils.h"

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
    : collection_(collection), text_(collection.Text()), line_(line) {
  SetKind(OrdinanceKind(text_.TagAt(line)));
  const char* type_line = nullptr;
  WGEDSubLines::ByDepth(text_, line, [&](const char* p) {
    switch (text_.TagAt(p)) {
      case GEDTag("PLAC"):
        place_ = p;
        break;
      case GEDTag("TEMP"):
        place_ = p;
        temple_ = true;
        break;
      case GEDTag("TYPE"):
        type_line = p;
        break;
      case GEDTag("DATE"):
        date_line_ = p;
        break;
      case GEDTag("NOTE"):
        note_ = p;
        break;
      case GEDTag("QUAL"):
        qual_ = p;
        break;
      case GEDTag("STAT"):
        stat_ = p;
        break;
      case GEDTag("SOUR"):
        WGEDSubLines::AddCitation(citations_, p);
        break;
      default:
        break;
    }
  });
  SetTypeName(WGEDSubLines::ConvertedAt(text_, type_line, 7));
  citation_count_ = static_cast<int32_t>(citations_.size());
}

void WGEDLDSEvent::LoadDate() {
  if (date_) return;
  std::string text;
  if (date_line_) {
    text = text_.LineValueAt(date_line_, 6);
  } else if (stat_) {
    text = DateStandIn(text_.LineValueAt(stat_, 7));
  } else if (qual_) {
    text = DateStandIn(text_.LineValueAt(qual_, 2));
  } else {
    return;
  }
  date_ = std::make_unique<WDate>(text);
}

std::unique_ptr<WABSPlace> WGEDLDSEvent::GetPlace() {
  return std::make_unique<WGEDPlace>(collection_, place_);
}

std::unique_ptr<WABSCitation> WGEDLDSEvent::GetCitation(int i) {
  return WGEDSubLines::CitationAt(collection_, citations_, i);
}

bool WGEDLDSEvent::HasNote() { return GetNote() != nullptr; }

std::unique_ptr<WABSNote> WGEDLDSEvent::GetNote() { return WGEDNote::NoteOfLine(collection_, note_); }
