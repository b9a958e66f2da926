#include "formats/ged/GEDVitEvent.h"

#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDNote.h"
#include "formats/ged/GEDPlace.h"
#include "formats/ged/GEDSubLines.h"
#include "model/Date.h"

namespace {

struct EventTag {
  uint32_t tag;
  const char* type_name;
};

// The other events of an individual, with the type names shown for them.
constexpr EventTag kOtherEvents[] = {
    {GEDTag("BAPM"), "Baptism"},
    {GEDTag("EVEN"), "Event"},
    {GEDTag("SSN "), "SSN"},
    {GEDTag("SSN\r"), "SSN"},
    {GEDTag("SSN\n"), "SSN"},
    {GEDTag("DIV "), "Divorce"},
    {GEDTag("ENGA"), "Engagement"},
    {GEDTag("CHRA"), "Adult Christening"},
    {GEDTag("PROB"), "Probate"},
    {GEDTag("MARB"), "Marriage Banns"},
    {GEDTag("MARC"), "Marriage Contract"},
    {GEDTag("EDUC"), "Education"},
    {GEDTag("GRAD"), "Graduation"},
    {GEDTag("CONF"), "Confirmation"},
    {GEDTag("EMIG"), "Emigration"},
    {GEDTag("NCHI"), "Children Count"},
    {GEDTag("RELI"), "Religion"},
    {GEDTag("IMMI"), "Immigration"},
    {GEDTag("RESI"), "Residence"},
    {GEDTag("NATI"), "Nationality"},
    {GEDTag("RETI"), "Retirement"},
    {GEDTag("WILL"), "Will"},
    {GEDTag("CONL"), "Confirmation LDS"},
    {GEDTag("TITL"), "Nobility Title"},
    {GEDTag("ANUL"), "Annulment"},
    {GEDTag("CREM"), "Cremation"},
    {GEDTag("FCOM"), "First Communion"},
    {GEDTag("ORDN"), "Ordinance"},
    {GEDTag("ASSO"), "Associates"},
    {GEDTag("ADOP"), "Adoption"},
    {GEDTag("PROP"), "Property"},
    {GEDTag("DSCR"), "Phyical Description"},
    {GEDTag("BLES"), "Blessing"},
    {GEDTag("CENS"), "Census"},
    {GEDTag("MARS"), "Marriage Settlement"},
    {GEDTag("CAST"), "Caste"},
    {GEDTag("OCCU"), "Occupation"},
    {GEDTag("NATU"), "Naturalization"},
};

}  // namespace

bool WGEDVitEvent::KindOfTag(uint32_t tag, int& kind, const char*& type_name) {
  type_name = "";
  switch (tag) {
    case GEDTag("BIRT"):
      kind = evBirth;
      return false;
    case GEDTag("DEAT"):
      kind = evDeath;
      return false;
    case GEDTag("CHR "):
    case GEDTag("CHR\r"):
    case GEDTag("CHR\n"):
      kind = evChristening;
      return false;
    case GEDTag("BURI"):
      kind = evBurial;
      return false;
    case GEDTag("BAPM"):
      kind = evBaptism;
      type_name = "Baptism";
      return true;
    default:
      break;
  }
  kind = evOther;
  for (const EventTag& e : kOtherEvents) {
    if (e.tag == tag) {
      type_name = e.type_name;
      return true;
    }
  }
  return false;
}

WGEDVitEvent::WGEDVitEvent(WGEDCollection& collection, const char* line)
    : collection_(collection), text_(collection.Text()), line_(line) {
  int kind = evOther;
  const char* type_name = "";
  KindOfTag(text_.TagAt(line), kind, type_name);
  SetKind(kind);
  const char* type_line = nullptr;
  WGEDSubLines::ByDepth(text_, line, [&](const char* p) {
    switch (text_.TagAt(p)) {
      case GEDTag("PLAC"):
        place_ = p;
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
      case GEDTag("CAUS"):
        cause_ = p;
        break;
      case GEDTag("SOUR"):
        WGEDSubLines::AddCitation(citations_, p);
        break;
      default:
        break;
    }
  });
  SetTypeName(type_line ? WGEDSubLines::ConvertedAt(text_, type_line, 6) : std::string(type_name));
  citation_count_ = static_cast<int32_t>(citations_.size());
}

void WGEDVitEvent::LoadDate() {
  if (date_ || !date_line_) return;
  date_ = std::make_unique<WDate>(text_.LineValueAt(date_line_, 6));
}

std::string WGEDVitEvent::GetDescription() {
  std::string result = text_.LineValueAt(line_, 6);
  if (cause_) {
    std::string cause = text_.WordValue(cause_);
    if (!cause.empty()) {
      if (!result.empty()) result += ", ";
      result += cause;
    }
  }
  return text_.ConvertText(result);
}

std::unique_ptr<WABSPlace> WGEDVitEvent::GetPlace() {
  if (!place_) return nullptr;
  return std::make_unique<WGEDPlace>(collection_, place_);
}

std::unique_ptr<WABSCitation> WGEDVitEvent::GetCitation(int i) {
  return WGEDSubLines::CitationAt(collection_, citations_, i);
}

bool WGEDVitEvent::HasNote() { return GetNote() != nullptr; }

std::unique_ptr<WABSNote> WGEDVitEvent::GetNote() { return WGEDNote::NoteOfLine(collection_, note_); }
