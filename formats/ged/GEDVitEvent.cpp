#include "formats/ged/GEDVitEvent.h"

#include "base/Date.h"
#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDNote.h"
#include "formats/ged/GEDPlace.h"
#include "formats/ged/GEDSubLines.h"

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
    : collection_(collection),
      text_(collection.Text()),
      line_(line),
      lines_(WGEDSubLines::FindEventLines(text_, line)) {
  int kind = evOther;
  const char* type_name = "";
  KindOfTag(text_.TagAt(line), kind, type_name);
  SetKind(kind);
  SetTypeName(lines_.type ? WGEDSubLines::ConvertedAt(text_, lines_.type, 6) : std::string(type_name));
  citation_count_ = static_cast<int32_t>(lines_.citations.size());
}

void WGEDVitEvent::LoadDate() {
  if (date_ || !lines_.date) return;
  date_ = std::make_unique<WDate>(text_.LineValueViewAt(lines_.date, 6));
}

std::string WGEDVitEvent::GetDescription() {
  std::string result = text_.LineValueAt(line_, 6);
  if (lines_.cause) {
    std::string cause = text_.WordValue(lines_.cause);
    if (!cause.empty()) {
      if (!result.empty()) result += ", ";
      result += cause;
    }
  }
  return text_.ConvertText(std::move(result));
}

std::unique_ptr<WABSPlace> WGEDVitEvent::GetPlace() {
  if (!lines_.place) return nullptr;
  return std::make_unique<WGEDPlace>(collection_, lines_.place);
}

std::unique_ptr<WABSCitation> WGEDVitEvent::GetCitation(int i) {
  return WGEDSubLines::CitationAt(collection_, lines_.citations, i);
}

bool WGEDVitEvent::HasNote() { return GetNote() != nullptr; }

std::unique_ptr<WABSNote> WGEDVitEvent::GetNote() { return WGEDNote::NoteOfLine(collection_, lines_.note); }
