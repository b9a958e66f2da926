#include "formats/ged/GEDCollection.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"
#include "model/ABSNote.h"
#include "model/ABSRepo.h"
#include "model/ABSSource.h"
#include "model/ABSSubmitter.h"
#include "model/FamLinks.h"
#include "model/IndLinks.h"
#include "model/TextUtils.h"
#include "model/UIHooks.h"

namespace {

// The scan yields to the user interface at the 1st, 501st, 1001st ... counted record.
constexpr int kYieldInterval = 500;
// The link passes test the cancel flag every this many lines.
constexpr size_t kCancelCheckInterval = 4096;

inline bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

inline bool StartsWith(const char* p, const char* end, const char (&text)[5]) {
  return end - p >= 4 && std::memcmp(p, text, 4) == 0;
}

// Identifier -> record number for the link passes, built over an identifier table before
// it is sorted (so that element n still holds record n).  Open addressing with a 32-bit
// hash tag per slot; a matching tag is confirmed against the table's key.
class XRefHash {
 public:
  explicit XRefHash(const WXREFIndex* table) : table_(table) {
    int count = table != nullptr ? table->Count() : 0;
    size_t capacity = 16;
    while (capacity < static_cast<size_t>(count) * 2) capacity *= 2;
    mask_ = capacity - 1;
    slots_.assign(capacity, Slot{0, 0});
    for (int n = 1; n <= count; ++n) {
      const WXREFIndex::Element* e = table->ElementAt(n);
      Insert(e->key, e->rec_no);
    }
  }

  // The record number of an identifier (at most 15 characters), 0 when absent.
  RecNo Find(const char* id, size_t length) const {
    if (length == 0 || table_ == nullptr) return 0;
    char key[16] = {};
    std::memcpy(key, id, std::min<size_t>(length, WGEDTextMMF::kMaxIdLength));
    uint64_t h = Hash(key);
    uint32_t tag = static_cast<uint32_t>(h >> 32) | 1;
    for (size_t i = h & mask_;; i = (i + 1) & mask_) {
      const Slot& s = slots_[i];
      if (s.rec_no == 0) return 0;
      if (s.tag == tag && std::memcmp(table_->ElementAt(s.rec_no)->key, key, 16) == 0) return s.rec_no;
    }
  }

 private:
  struct Slot {
    uint32_t tag;
    RecNo rec_no;
  };

  static uint64_t Hash(const char* key16) {
    uint64_t a, b;
    std::memcpy(&a, key16, 8);
    std::memcpy(&b, key16 + 8, 8);
    uint64_t h = (a ^ 0x9E3779B97F4A7C15ull) * 0xBF58476D1CE4E5B9ull;
    h ^= (b + (h >> 29)) * 0x94D049BB133111EBull;
    return h ^ (h >> 31);
  }

  void Insert(const char* key32, RecNo rec_no) {
    uint64_t h = Hash(key32);
    uint32_t tag = static_cast<uint32_t>(h >> 32) | 1;
    for (size_t i = h & mask_;; i = (i + 1) & mask_) {
      Slot& s = slots_[i];
      if (s.rec_no == 0) {
        s = Slot{tag, rec_no};
        return;
      }
      // Of several records sharing an identifier the first is kept.
      if (s.tag == tag && std::memcmp(table_->ElementAt(s.rec_no)->key, key32, 16) == 0) return;
    }
  }

  const WXREFIndex* table_;
  size_t mask_ = 0;
  std::vector<Slot> slots_;
};

}  // namespace

// Offsets of the level-1 link lines met during the scan, in file order: FAMC and FAMS
// lines of individuals, HUSB, WIFE and CHIL lines of families.
struct WGEDCollection::PendingLinks {
  std::vector<uint32_t> individual_lines;
  std::vector<uint32_t> family_lines;
};

WGEDCollection::WGEDCollection(const std::string& path) : text_(std::make_unique<WGEDTextMMF>(path)) {
  file_name_ = path;
  file_kind_ = FileKind::GEDCOM;
}

WGEDCollection::~WGEDCollection() = default;

void WGEDCollection::CreateTables() {
  uint32_t size = text_->TextSize();
  int individuals = static_cast<int>(std::max<uint32_t>(size / 150, 1024));
  int families = static_cast<int>(std::max<uint32_t>(size / 400, 1024));
  ind_index_ = std::make_unique<WGEDIndIndex>(individuals);
  for (int kind = 0; kind < gkKindCount; ++kind) {
    int capacity = kind == gkIndividual ? individuals : kind == gkFamily ? families : 0;
    xrefs_[kind] = std::make_unique<WXREFIndex>(capacity);
    if (kind != gkIndividual) offsets_[kind] = std::make_unique<WOffsetIndex>(capacity);
  }
}

bool WGEDCollection::Import() {
  header_line_ = nullptr;
  ind_links_.reset();
  fam_links_.reset();
  CreateTables();
  PendingLinks pending;
  if (!ImportCancelled) Scan(pending);
  if (!ImportCancelled) MakeLinks(pending);
  if (!ImportCancelled) SortKeys();
  DetectCharSet();
  return !ImportCancelled;
}

// One pass over the text.  Every line break is found once; the byte after it tells a
// record line ("0" in the first column) from a body line.  Record lines with an
// identifier go to their kind's tables; inside individuals and families the level-1 link
// lines are noted for the link passes, so that no record body is read twice.
void WGEDCollection::Scan(PendingLinks& pending) {
  const WGEDTextMMF& text = *text_;
  const char* const start = text.Start();
  const char* const end = text.End();
  const char* p = static_cast<const char*>(std::memchr(start, '0', text.TextSize()));
  if (p == nullptr) return;  // no header, no records
  header_line_ = p;

  WOffsetIndex* offsets[gkKindCount];
  WXREFIndex* xrefs[gkKindCount];
  for (int kind = 0; kind < gkKindCount; ++kind) {
    offsets[kind] = offsets_[kind].get();
    xrefs[kind] = xrefs_[kind].get();
  }
  WGEDIndIndex& individuals = *ind_index_;
  std::vector<uint32_t>* body_lines = nullptr;  // where the current record's link lines go
  uint32_t tag_a = 0, tag_b = 0, tag_c = 0;     // the link tags of the current record's kind
  int counted = 0;

  p = WGEDTextMMF::FindLineBreak(p, end);
  while (p < end) {
    const char* line = p + 1;  // the byte after the line break
    if (line >= end) break;
    if (*line == '0') {
      if (StartsWith(line, end, "0 TR")) break;  // the trailer ends the scan
      const char* id;
      size_t length;
      body_lines = nullptr;
      if (WGEDTextMMF::ParseXRef(line + 2, end, &id, &length) != nullptr && length > 0) {
        GEDRecordKind kind = text.RecordKind(line);
        uint32_t offset = static_cast<uint32_t>(line - start);
        if (kind == gkIndividual) {
          individuals.AppendIndividual(offset);
          body_lines = &pending.individual_lines;
          tag_a = GEDTag("FAMC"), tag_b = GEDTag("FAMS"), tag_c = 0;
        } else {
          offsets[kind]->AppendOffset(offset);
          if (kind == gkFamily) {
            body_lines = &pending.family_lines;
            tag_a = GEDTag("HUSB"), tag_b = GEDTag("WIFE"), tag_c = GEDTag("CHIL");
          }
        }
        xrefs[kind]->AddKey(std::string_view(id, std::min(length, WGEDTextMMF::kMaxIdLength)));
        if (counted++ % kYieldInterval == 0) {
          YieldToUI();
          if (ImportCancelled) return;
        }
      }
    } else if (body_lines != nullptr) {
      while (line < end && (*line == ' ' || *line == '\t')) ++line;
      if (end - line >= 6 && *line == '1') {
        uint32_t tag;
        std::memcpy(&tag, line + 2, 4);
        if (tag == tag_a || tag == tag_b || tag == tag_c)
          body_lines->push_back(static_cast<uint32_t>(line - start));
      }
    }
    p = WGEDTextMMF::FindLineBreak(line, end);
  }
}

// The link passes: first every individual's FAMC and FAMS lines, then every family's
// HUSB, WIFE and CHIL lines, each in file order.  An identifier that names no record
// leaves its line without effect.
void WGEDCollection::MakeLinks(PendingLinks& pending) {
  ind_links_ = std::make_unique<WIndLinks>(IndividualCount());
  fam_links_ = std::make_unique<WFamLinks>(FamilyCount());
  WIndLinks& ind_links = *ind_links_;
  WFamLinks& fam_links = *fam_links_;
  const WGEDTextMMF& text = *text_;
  const char* const start = text.Start();
  const char* const end = text.End();

  XRefHash families(xrefs_[gkFamily].get());
  {
    // The owner of each line is the last individual whose record starts before it.
    WGEDIndIndex& individuals = *ind_index_;
    int count = individuals.Count();
    RecNo owner = 0;
    uint32_t next_start = count > 0 ? individuals.GetOffset(1) : UINT32_MAX;
    size_t done = 0;
    for (uint32_t offset : pending.individual_lines) {
      if ((++done & (kCancelCheckInterval - 1)) == 0 && ImportCancelled) return;
      while (offset > next_start) {
        ++owner;
        next_start = owner < count ? individuals.GetOffset(owner + 1) : UINT32_MAX;
      }
      const char* line = start + offset;
      const char* id;
      size_t length;
      if (WGEDTextMMF::ParseXRef(line + 6, end, &id, &length) == nullptr) continue;
      RecNo family = families.Find(id, length);
      if (family <= 0) continue;
      if (text.TagAt(line) == GEDTag("FAMC")) {
        ind_links.AddParentFamily(owner, false, false, 7, 1, family);
        fam_links.AddChild(family, owner, 0);
      } else {
        ind_links.AddSpouseFamily(owner, true, false, family);
      }
    }
  }
  std::vector<uint32_t>().swap(pending.individual_lines);

  XRefHash people(xrefs_[gkIndividual].get());
  WOffsetIndex& family_offsets = *offsets_[gkFamily];
  int count = family_offsets.Count();
  RecNo owner = 0;
  uint32_t next_start = count > 0 ? family_offsets.GetOffset(1) : UINT32_MAX;
  int position = 0;
  size_t done = 0;
  for (uint32_t offset : pending.family_lines) {
    if ((++done & (kCancelCheckInterval - 1)) == 0 && ImportCancelled) return;
    while (offset > next_start) {
      ++owner;
      position = 0;
      next_start = owner < count ? family_offsets.GetOffset(owner + 1) : UINT32_MAX;
    }
    const char* line = start + offset;
    const char* id;
    size_t length;
    if (WGEDTextMMF::ParseXRef(line + 6, end, &id, &length) == nullptr) continue;
    RecNo person = people.Find(id, length);
    if (person < 1) continue;
    uint32_t tag = text.TagAt(line);
    if (tag == GEDTag("HUSB")) {
      fam_links.SetHusband(owner, person);
      ind_links.AddSpouseFamily(person, false, false, owner);
    } else if (tag == GEDTag("WIFE")) {
      fam_links.SetWife(owner, person);
      ind_links.AddSpouseFamily(person, false, false, owner);
    } else {
      fam_links.AddChild(owner, person, position);
      ind_links.AddParentFamily(person, false, false, 7, 1, owner);
      ++position;
    }
  }
}

void WGEDCollection::SortKeys() {
  for (auto& table : xrefs_)
    if (table && table->IsUnsorted() && !ImportCancelled) table->SortKeys();
}

void WGEDCollection::DetectCharSet() {
  int char_set = 0;
  if (header_line_ != nullptr) {
    const WGEDTextMMF& text = *text_;
    const char* next_record = text.NextRecord(header_line_);
    for (const char* line = text.NextLine(header_line_);
         line != nullptr && (next_record == nullptr || line < next_record); line = text.NextLine(line)) {
      if (*line == '1' && text.TagAt(line) == GEDTag("CHAR")) {
        std::string value = UpperCaseText(TrimText(text.LineValueAt(line, 6)));
        if (value == "ANSEL")
          char_set = 1;
        else if (value == "UTF-8")
          char_set = 2;
        break;
      }
    }
  }
  text_->SetCharSet(char_set);
  char_set_ = static_cast<CharSet>(char_set);
}

int WGEDCollection::PreCountIndividuals() {
  const WGEDTextMMF& text = *text_;
  const char* line = static_cast<const char*>(std::memchr(text.Start(), '0', text.TextSize()));
  int counted = 0, individuals = 0;
  for (line = text.NextRecord(line); line != nullptr && !ImportCancelled; line = text.NextRecord(line)) {
    if (StartsWith(line, text.End(), "0 TR")) break;
    std::string id;
    if (!text.GetXRef(line + 2, id) || id.empty()) continue;
    if (text.RecordKind(line) == gkIndividual) ++individuals;
    if (counted++ % kYieldInterval == 0) YieldToUI();
  }
  return individuals;
}

int WGEDCollection::RecordCount(GEDRecordKind kind) const {
  if (kind == gkIndividual) return ind_index_ ? ind_index_->Count() : 0;
  return kind > gkNone && kind < gkKindCount && offsets_[kind] ? offsets_[kind]->Count() : 0;
}

const char* WGEDCollection::RecordLine(GEDRecordKind kind, RecNo n) const {
  if (n < 1 || n > RecordCount(kind)) return nullptr;
  uint32_t offset = kind == gkIndividual ? ind_index_->GetOffset(n) : offsets_[kind]->GetOffset(n);
  return text_->At(offset);
}

RecNo WGEDCollection::FindRecord(GEDRecordKind kind, const std::string& id) {
  if (kind <= gkNone || kind >= gkKindCount || !xrefs_[kind]) return 0;
  // Identifiers are kept with their first 15 characters, so a longer one is looked up by those.
  return xrefs_[kind]->FindKey(std::string_view(id).substr(0, WGEDTextMMF::kMaxIdLength));
}

int WGEDCollection::IndividualCount() { return xrefs_[gkIndividual] ? xrefs_[gkIndividual]->Count() : 0; }
int WGEDCollection::FamilyCount() { return xrefs_[gkFamily] ? xrefs_[gkFamily]->Count() : 0; }
int WGEDCollection::NoteCount() { return xrefs_[gkNote] ? xrefs_[gkNote]->Count() : 0; }
int WGEDCollection::SourceCount() { return xrefs_[gkSource] ? xrefs_[gkSource]->Count() : 0; }

RecNo WGEDCollection::FindIndividual(const std::string& id) { return FindRecord(gkIndividual, id); }
RecNo WGEDCollection::FindFamily(const std::string& id) { return FindRecord(gkFamily, id); }
RecNo WGEDCollection::FindNote(const std::string& id) { return FindRecord(gkNote, id); }
RecNo WGEDCollection::FindSource(const std::string& id) { return FindRecord(gkSource, id); }
RecNo WGEDCollection::FindRepository(const std::string& id) { return FindRecord(gkRepository, id); }

void WGEDCollection::Close() { text_->Flush(); }

std::string WGEDCollection::GetFileSizeText() { return FormatFileSize(text_->Size()); }

std::string WGEDCollection::GetFileDateText() { return FormatFileDate(FileTimeOf(file_name_)); }

void WGEDCollection::BuildLinks() {
  if (ind_links_) ind_links_->OrderSpouseFamilies(*this);
}

std::string WGEDCollection::GetVersionText() { return "N/A"; }

// --- Records: individuals, families, notes, sources, repositories, the submitter and the
// header.

std::unique_ptr<WABSIndividual> WGEDCollection::GetIndividual(RecNo) { return nullptr; }
std::unique_ptr<WABSMarriage> WGEDCollection::GetFamily(RecNo) { return nullptr; }
std::unique_ptr<WABSSubmitter> WGEDCollection::GetSubmitter() { return nullptr; }
std::unique_ptr<WABSNote> WGEDCollection::GetNote(RecNo) { return nullptr; }
std::unique_ptr<WABSSource> WGEDCollection::GetSource(RecNo) { return nullptr; }
std::unique_ptr<WABSRepo> WGEDCollection::GetRepository(RecNo) { return nullptr; }
void WGEDCollection::GetHeaderInfo(int& count, GenHeaderRecs&) { count = 0; }
std::string WGEDCollection::GetHeaderText() { return {}; }
