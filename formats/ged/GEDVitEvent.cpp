#include "formats/ged/GEDVitEvent.h"

#include "base/Date.h"
#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDNote.h"
#include "formats/ged/GEDPlace.h"
#include "formats/ged/GEDSubLines.h"

namespace {

// The type name shown for an other event of an individual; none for any other tag.
const char* OtherEventName(uint32_t tag) {
  switch (tag) {
    case GEDTag("EVEN"):
      return "Event";
    case GEDTag("SSN "):
    case GEDTag("SSN\r"):
    case GEDTag("SSN\n"):
      return "SSN";
    case GEDTag("DIV "):
      return "Divorce";
    case GEDTag("ENGA"):
      return "Engagement";
    case GEDTag("CHRA"):
      return "Adult Christening";
    case GEDTag("PROB"):
      return "Probate";
    case GEDTag("MARB"):
      return "Marriage Banns";
    case GEDTag("MARC"):
      return "Marriage Contract";
    case GEDTag("EDUC"):
      return "Education";
    case GEDTag("GRAD"):
      return "Graduation";
    case GEDTag("CONF"):
      return "Confirmation";
    case GEDTag("EMIG"):
      return "Emigration";
    case GEDTag("NCHI"):
      return "Children Count";
    case GEDTag("RELI"):
      return "Religion";
    case GEDTag("IMMI"):
      return "Immigration";
    case GEDTag("RESI"):
      return "Residence";
    case GEDTag("NATI"):
      return "Nationality";
    case GEDTag("RETI"):
      return "Retirement";
    case GEDTag("WILL"):
      return "Will";
    case GEDTag("CONL"):
      return "Confirmation LDS";
    case GEDTag("TITL"):
      return "Nobility Title";
    case GEDTag("ANUL"):
      return "Annulment";
    case GEDTag("CREM"):
      return "Cremation";
    case GEDTag("FCOM"):
      return "First Communion";
    case GEDTag("ORDN"):
      return "Ordinance";
    case GEDTag("ASSO"):
      return "Associates";
    case GEDTag("ADOP"):
      return "Adoption";
    case GEDTag("PROP"):
      return "Property";
    case GEDTag("DSCR"):
      return "Phyical Description";
    case GEDTag("BLES"):
      return "Blessing";
    case GEDTag("CENS"):
      return "Census";
    case GEDTag("MARS"):
      return "Marriage Settlement";
    case GEDTag("CAST"):
      return "Caste";
    case GEDTag("OCCU"):
      return "Occupation";
    case GEDTag("NATU"):
      return "Naturalization";
    default:
      return nullptr;
  }
}

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
  if (const char* name = OtherEventName(tag)) {
    type_name = name;
    return true;
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
  date_ = WGEDSubLines::DateAt(text_, lines_.date, 6);
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
