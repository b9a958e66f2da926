#include "formats/ged/GEDIndividual.h"

#include "base/Date.h"
#include "base/Errors.h"
#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDIndIndex.h"
#include "formats/ged/GEDLDSEvent.h"
#include "formats/ged/GEDName.h"
#include "formats/ged/GEDNote.h"
#include "formats/ged/GEDSubLines.h"
#include "formats/ged/GEDVitEvent.h"
#include "model/IndLinks.h"

WGEDIndividual::WGEDIndividual(WGEDCollection& collection, RecNo n)
    : WABSIndividual(n), collection_(collection), text_(collection.Text()) {
  Load(n);
}

WGEDIndividual::~WGEDIndividual() = default;

void WGEDIndividual::Reset() {
  if (!cache_) return;
  uint32_t offset = cache_->record_offset;
  *cache_ = GEDIndElement{};
  cache_->record_offset = offset;
  cache_->sex = 'U';
}

void WGEDIndividual::Load(RecNo n) {
  if (n < 1 || n > collection_.IndividualCount() || !collection_.IndIndex())
    throw EMemoryError(FormatMessage("Error getting pointer to individual %d", n));
  GEDIndElement* element = collection_.IndIndex()->Element(n);
  rec_no_ = n;
  cache_ = element;
  change_date_.reset();
  change_date_done_ = false;
  lists_found_ = false;
  record_ = text_.At(element->record_offset);
  if (!(element->flags & GEDIndElement::kCacheFilled)) ScanRecord(true);
}

void WGEDIndividual::ScanRecord(bool fill_cache) {
  if (fill_cache) {
    Reset();
    cache_->flags |= GEDIndElement::kCacheFilled;
  }
  lists_found_ = true;
  citations_.clear();
  other_events_.clear();
  refn_line_ = nullptr;
  for (const char* p = text_.NextLine(record_); p && !text_.IsRecordLine(p); p = text_.NextLine(p)) {
    if (*p != '1') continue;
    const uint32_t tag = text_.TagAt(p);
    if (fill_cache) CacheLine(p, tag);
    ListLine(p, tag);
  }
}

void WGEDIndividual::CacheLine(const char* p, uint32_t tag) {
  GEDIndElement& c = *cache_;
  // Distances are kept in full: a record longer than 64 KB still finds its lines.
  const auto distance = static_cast<uint32_t>(p - record_);
  switch (tag) {
    case GEDTag("NAME"):
      if (!c.name_line) c.name_line = distance;
      break;
    case GEDTag("AFN "):
      c.afn_value = distance + 6;
      break;
    case GEDTag("SEX "): {
      // A SEX line without a letter at column 6 (a blank or the line's end) is unknown.
      char sex = text_.ByteAt(p, 6);
      c.sex = (sex == 0 || sex == ' ' || sex == '\t' || sex == '\r' || sex == '\n') ? 'U' : sex;
      break;
    }
    case GEDTag("BIRT"):
      c.birth_line = distance;
      break;
    case GEDTag("CHR "):
    case GEDTag("CHR\r"):
    case GEDTag("CHR\n"):
      c.christening_line = distance;
      break;
    case GEDTag("DEAT"):
      c.death_line = distance;
      break;
    case GEDTag("BURI"):
      c.burial_line = distance;
      break;
    case GEDTag("CHAN"):
      c.change_line = distance;
      break;
    case GEDTag("BAPL"):
    case GEDTag("CONS"):
      c.lds_baptism_line = distance;
      break;
    case GEDTag("ENDL"):
      c.endowment_line = distance;
      break;
    case GEDTag("SLGC"):
      c.sealing_line = distance;
      break;
    case GEDTag("NOTE"):
      if (!c.note_line) {
        c.note_line = distance;
        c.flags &= static_cast<uint8_t>(~GEDIndElement::kManyNotes);
      } else {
        c.flags |= GEDIndElement::kManyNotes;
      }
      break;
    default:
      break;
  }
}

void WGEDIndividual::ListLine(const char* p, uint32_t tag) {
  if (tag == GEDTag("SOUR")) {
    WGEDSubLines::AddCitation(citations_, p);
    return;
  }
  if (tag == GEDTag("REFN")) {
    if (!refn_line_) refn_line_ = p;
    return;
  }
  int kind = 0;
  const char* type_name = nullptr;
  if (WGEDVitEvent::KindOfTag(tag, kind, type_name) && other_events_.size() < kMaxOtherEvents)
    other_events_.push_back(p);
}

const char* WGEDIndividual::CachedLine(uint32_t distance) const {
  // The cache was filled from this file, so a distance always lies inside it; the check
  // only keeps a damaged element from pointing outside the mapping.
  if (distance == 0 || distance >= static_cast<uint32_t>(text_.End() - record_)) return nullptr;
  return record_ + distance;
}

void WGEDIndividual::FindListedLines() {
  if (!lists_found_) ScanRecord(false);
}

std::string WGEDIndividual::GetID() { return text_.GetXRef(text_.ColumnAt(record_, 2)); }

std::string WGEDIndividual::GetReferenceNumber() {
  FindListedLines();
  return refn_line_ ? text_.ConvertText(text_.LineValueViewAt(refn_line_, 6)) : std::string();
}

std::string WGEDIndividual::GetAFN() {
  const char* value = CachedLine(cache_->afn_value);
  if (!value) return std::string();
  return text_.ConvertText(text_.LineValueViewAt(value - 6, 6));
}

char WGEDIndividual::GetSex() { return cache_->sex; }

const WDate* WGEDIndividual::GetChangeDate() {
  if (change_date_done_) return change_date_.get();
  change_date_done_ = true;
  const char* change = CachedLine(cache_->change_line);
  if (!change) return nullptr;
  int level = text_.LineLevel(change);
  for (const char* p = text_.NextLine(change); p && text_.LineLevel(p) > level; p = text_.NextLine(p)) {
    if (text_.TagAt(p) == GEDTag("DATE")) {
      change_date_ = WGEDSubLines::DateAt(text_, p, 6);
      break;
    }
  }
  return change_date_.get();
}

std::unique_ptr<WABSName> WGEDIndividual::GetName() {
  const char* line = CachedLine(cache_->name_line);
  if (!line) return nullptr;
  return std::make_unique<WGEDName>(collection_, line);
}

int WGEDIndividual::EventCount(int kind) {
  switch (kind) {
    case evBirth:
      return cache_->birth_line ? 1 : 0;
    case evDeath:
      return cache_->death_line ? 1 : 0;
    case evChristening:
      return cache_->christening_line ? 1 : 0;
    case evBurial:
      return cache_->burial_line ? 1 : 0;
    case evOther:
      FindListedLines();
      return static_cast<int>(other_events_.size());
    default:
      return 0;
  }
}

std::unique_ptr<WABSVitEvent> WGEDIndividual::GetEvent(int kind, int index) {
  const char* line = nullptr;
  switch (kind) {
    case evBirth:
      line = CachedLine(cache_->birth_line);
      break;
    case evDeath:
      line = CachedLine(cache_->death_line);
      break;
    case evChristening:
      line = CachedLine(cache_->christening_line);
      break;
    case evBurial:
      line = CachedLine(cache_->burial_line);
      break;
    case evOther:
      FindListedLines();
      if (index >= 1 && index <= static_cast<int>(other_events_.size())) line = other_events_[index - 1];
      break;
    default:
      break;
  }
  if (!line) return nullptr;
  return std::make_unique<WGEDVitEvent>(collection_, line);
}

std::unique_ptr<WABSLDSEvent> WGEDIndividual::GetLDSEvent(int kind) {
  const char* line = nullptr;
  if (kind == evLDSBaptism)
    line = CachedLine(cache_->lds_baptism_line);
  else if (kind == evEndowment)
    line = CachedLine(cache_->endowment_line);
  else if (kind == evSealingToParents)
    line = CachedLine(cache_->sealing_line);
  if (!line) return nullptr;
  return std::make_unique<WGEDLDSEvent>(collection_, line);
}

int WGEDIndividual::ParentFamilyCount() { return collection_.IndLinks()->ParentFamilyCount(rec_no_); }
RecNo WGEDIndividual::GetParentFamily(int i) { return collection_.IndLinks()->GetParentFamily(rec_no_, i); }
int WGEDIndividual::SpouseFamilyCount() { return collection_.IndLinks()->SpouseFamilyCount(rec_no_); }
RecNo WGEDIndividual::GetSpouseFamily(int i) { return collection_.IndLinks()->GetSpouseFamily(rec_no_, i); }

bool WGEDIndividual::GetParentFamilyLink(int i, RecNo& family, int& mother_relation, int& father_relation) {
  family = GetParentFamily(i);
  mother_relation = 7;
  father_relation = 1;
  return true;
}

int WGEDIndividual::CitationCount() {
  FindListedLines();
  return static_cast<int>(citations_.size());
}

std::unique_ptr<WABSCitation> WGEDIndividual::GetCitation(int i) {
  FindListedLines();
  return WGEDSubLines::CitationAt(collection_, citations_, i);
}

std::unique_ptr<WABSNote> WGEDIndividual::GetNote() {
  const char* first = CachedLine(cache_->note_line);
  if (!first) return nullptr;
  std::unique_ptr<WABSNote> note = WGEDNote::NoteOfLine(collection_, first);
  if (!(cache_->flags & GEDIndElement::kManyNotes)) return note;
  // Every further level-1 note becomes one more line of the first note.
  for (const char* p = text_.NextLine(first); p && !text_.IsRecordLine(p); p = text_.NextLine(p)) {
    if (*p != '1' || text_.TagAt(p) != GEDTag("NOTE")) continue;
    std::unique_ptr<WABSNote> more = WGEDNote::NoteOfLine(collection_, p);
    if (!more) continue;
    if (!note) note = std::make_unique<WABSNote>();
    note->AddLine(more->GetText("\r\n"));
  }
  return note;
}

std::string WGEDIndividual::GetRecordText() {
  std::string text = text_.RecordTextAt(record_);
  if (collection_.Text().IsUnixText()) text = WGEDSubLines::WithCrLf(text);
  return text_.ConvertText(text);
}
