#include "formats/ged/GEDCollection.h"

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cctype>
#include <chrono>
#include <cstring>
#include <future>
#include <vector>

#include "base/FilePaths.h"
#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "formats/ged/GEDHeader.h"
#include "formats/ged/GEDIndividual.h"
#include "formats/ged/GEDMarriage.h"
#include "formats/ged/GEDNote.h"
#include "formats/ged/GEDRepo.h"
#include "formats/ged/GEDSource.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"
#include "model/ABSNote.h"
#include "model/ABSRepo.h"
#include "model/ABSSource.h"
#include "model/ABSSubmitter.h"
#include "model/FamLinks.h"
#include "model/IndLinks.h"

namespace {

// The scan yields to the user interface at the 1st, 501st, 1001st ... counted record.
constexpr int kYieldInterval = 500;
// The link passes test the cancel flag every this many lines.
constexpr size_t kCancelCheckInterval = 4096;

// Bit i is set when p[i] is a line break (CR or LF) and p[i + 1] is one of the four bytes,
// for the 64 bytes from p (p + 65 <= end): the starts of the lines a scan pass looks at.
template <char kA, char kB, char kC, char kD>
uint64_t LineStartMask64(const char* p) {
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
  const __m128i a = _mm_set1_epi8(kA), b = _mm_set1_epi8(kB), c = _mm_set1_epi8(kC), d = _mm_set1_epi8(kD);
  uint64_t mask = 0;
  for (int k = 0; k < 4; ++k) {
    __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
    __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k + 1));
    __m128i breaks = _mm_or_si128(_mm_cmpeq_epi8(here, cr), _mm_cmpeq_epi8(here, lf));
    __m128i wanted = _mm_cmpeq_epi8(next, a);
    if constexpr (kB != kA) wanted = _mm_or_si128(wanted, _mm_cmpeq_epi8(next, b));
    if constexpr (kC != kA) wanted = _mm_or_si128(wanted, _mm_cmpeq_epi8(next, c));
    if constexpr (kD != kA) wanted = _mm_or_si128(wanted, _mm_cmpeq_epi8(next, d));
    uint64_t bits = static_cast<uint32_t>(_mm_movemask_epi8(_mm_and_si128(breaks, wanted)));
    mask |= bits << (16 * k);
  }
  return mask;
#else
  uint64_t mask = 0;
  for (int i = 0; i < 64; ++i) {
    char n = p[i + 1];
    if ((p[i] == '\r' || p[i] == '\n') && (n == kA || n == kB || n == kC || n == kD))
      mask |= uint64_t{1} << i;
  }
  return mask;
#endif
}

inline bool StartsWith(const char* p, const char* end, const char (&text)[5]) {
  return end - p >= 4 && std::memcmp(p, text, 4) == 0;
}

// Identifiers of up to 8 bytes (without NUL or 0xFF bytes) travel as one 64-bit word, the
// bytes in memory order padded with zeros.  A longer one is marked by a high word of all
// ones; its low word then holds the offset of the line, where it is read again.
constexpr uint32_t kLongKeyMark = 0xFFFFFFFFu;

uint64_t ShortKey(const char* id, size_t length) {
  if (length > 8) return uint64_t{kLongKeyMark} << 32;
  unsigned char bytes[8] = {};
  for (size_t i = 0; i < length; ++i) {
    unsigned char c = static_cast<unsigned char>(id[i]);
    if (c == 0 || c == 0xFF) return uint64_t{kLongKeyMark} << 32;
    bytes[i] = c;
  }
  uint64_t key;
  std::memcpy(&key, bytes, 8);
  return key;
}

bool IsLongKey(uint64_t key) { return (key >> 32) == kLongKeyMark; }

// The number of bytes in a short key: its padding is zero bytes, and no byte of the
// identifier is.
size_t ShortKeyLength(uint64_t key) {
  if constexpr (std::endian::native == std::endian::little)
    return static_cast<size_t>(std::bit_width(key) + 7) / 8;
  else
    return static_cast<size_t>(64 - std::countr_zero(key) + 7) / 8;
}

// Identifier -> record number for the link passes, built over an identifier table before
// it is sorted (so that element n still holds record n).  Open addressing with linear
// probing at a load of at most 0.8; a slot holds the short key itself, or the long-key
// mark with a record whose key is then compared in the table.
class XRefHash {
 public:
  explicit XRefHash(const WXREFIndex* table) : table_(table) {
    int count = table != nullptr ? table->Count() : 0;
    capacity_ = static_cast<size_t>(count) + static_cast<size_t>(count) / 4 + 16;
    slots_.assign(capacity_, Slot{0, 0, 0});
    // The slots are reached in random order: each home slot is fetched a few keys ahead.
    constexpr int kAhead = 8;
    size_t homes[kAhead];
    for (int n = 1; n <= count + kAhead; ++n) {
      if (n > kAhead) {
        const WXREFIndex::Element* e = table->ElementAt(n - kAhead);
        std::string_view id = KeyText(e);
        Insert(id, ShortKey(id.data(), id.size()), e->rec_no, homes[(n - kAhead) % kAhead]);
      }
      if (n <= count) {
        std::string_view id = KeyText(table->ElementAt(n));
        homes[n % kAhead] = Home(id, ShortKey(id.data(), id.size()));
        __builtin_prefetch(&slots_[homes[n % kAhead]], 1);
      }
    }
  }

  // The home slot of an identifier; fetching it early hides the memory latency of Find.
  size_t Home(std::string_view id, uint64_t key) const {
    if (IsLongKey(key)) {
      key = 0xCBF29CE484222325ull;
      for (char c : id) key = (key ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
    }
    uint64_t h = key * 0x9E3779B97F4A7C15ull;
    h ^= h >> 32;
    return static_cast<size_t>((static_cast<unsigned __int128>(h * 0xBF58476D1CE4E5B9ull) * capacity_) >> 64);
  }
  void Prefetch(size_t home) const { __builtin_prefetch(&slots_[home]); }

  // The record number of an identifier given with its short key and home slot, 0 when
  // absent.
  RecNo Find(std::string_view id, uint64_t key, size_t home) const {
    if (id.empty() || table_ == nullptr) return 0;
    if (IsLongKey(key)) key = uint64_t{kLongKeyMark} << 32;  // drop the line offset
    for (size_t i = home;; i = i + 1 == capacity_ ? 0 : i + 1) {
      const Slot& s = slots_[i];
      if (s.rec_no == 0) return 0;
      if (s.Key() == key && (!IsLongKey(key) || Matches(s.rec_no, id))) return s.rec_no;
    }
  }

 private:
  // Three 32-bit words, so that a slot takes 12 bytes.
  struct Slot {
    uint32_t key_lo, key_hi;
    RecNo rec_no;
    uint64_t Key() const { return (uint64_t{key_hi} << 32) | key_lo; }
  };

  static std::string_view KeyText(const WXREFIndex::Element* e) {
    return std::string_view(e->key, strnlen(e->key, WGEDTextMMF::kMaxIdLength));
  }

  bool Matches(RecNo rec_no, std::string_view id) const {
    const char* key = table_->ElementAt(rec_no)->key;
    return strnlen(key, WXREFIndex::kKeySize) == id.size() && std::memcmp(key, id.data(), id.size()) == 0;
  }

  void Insert(std::string_view id, uint64_t key, RecNo rec_no, size_t home) {
    for (size_t i = home;; i = i + 1 == capacity_ ? 0 : i + 1) {
      Slot& s = slots_[i];
      if (s.rec_no == 0) {
        s = Slot{static_cast<uint32_t>(key), static_cast<uint32_t>(key >> 32), rec_no};
        return;
      }
      // Of several records sharing an identifier the first is kept.
      if (s.Key() == key && (!IsLongKey(key) || Matches(s.rec_no, id))) return;
    }
  }

  const WXREFIndex* table_;
  size_t capacity_ = 0;
  std::vector<Slot> slots_;
};

}  // namespace

// A level-1 link line met during the scan (FAMC and FAMS lines of individuals, HUSB, WIFE
// and CHIL lines of families): the record it belongs to, which of its kind's link tags it
// has (0, 1, 2; in the top two bits), and the identifier it names, taken while the line
// was at hand.  Twelve bytes, kept in file order.
struct PendingLink {
  uint32_t owner_and_tag;
  uint32_t key_lo, key_hi;

  static constexpr int kTagShift = 30;
  PendingLink(RecNo owner, uint32_t tag, uint64_t key)
      : owner_and_tag(static_cast<uint32_t>(owner) | (tag << kTagShift)),
        key_lo(static_cast<uint32_t>(key)),
        key_hi(static_cast<uint32_t>(key >> 32)) {}
  RecNo Owner() const { return static_cast<RecNo>(owner_and_tag & ((1u << kTagShift) - 1)); }
  uint32_t Tag() const { return owner_and_tag >> kTagShift; }
  uint64_t Key() const { return (uint64_t{key_hi} << 32) | key_lo; }
};

struct WGEDCollection::PendingLinks {
  std::vector<PendingLink> individual_lines;  // tags: 0 FAMC, 1 FAMS
  std::vector<PendingLink> family_lines;      // tags: 0 HUSB, 1 WIFE, 2 CHIL
};

WGEDCollection::WGEDCollection(const std::string& path) : text_(std::make_unique<WGEDTextMMF>(path)) {
  file_name_ = path;
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
  // Room for the link lines of a typical file, so that the lists are not copied while they
  // grow (untouched room costs address space only).
  size_t size = text_->TextSize();
  pending.individual_lines.reserve(std::max<size_t>(size / 100, 1024));
  pending.family_lines.reserve(std::max<size_t>(size / 100, 1024));
  if (!ImportCancelled) Scan(pending);
  if (!ImportCancelled) MakeLinks(pending);
  if (!ImportCancelled) SortKeys();
  DetectCharSet();
  return !ImportCancelled;
}

// One pass of the scan over the lines after the header.  The starts of the lines worth a
// look in each 64-byte block are found at once: record lines ("0" in the first column),
// and for the link lines also level-1 and indented lines.  With kRecords, record lines
// with an identifier go to their kind's tables; with kLinks, the level-1 link lines inside
// individuals and families are noted with their identifiers for the link passes, so that
// no record body is read twice.
// A pass that only notes links numbers the records as the record pass does, without
// storing them.
//
// On the main thread the pass yields to the user interface at the 1st, 501st ... counted
// record; elsewhere it only looks at the cancel flag and at `abandon` as often.
// Returns false when it stopped early on either.
bool WGEDCollection::ScanPass(unsigned jobs, PendingLinks* pending, bool main_thread,
                              const std::atomic<bool>* abandon) {
  const WGEDTextMMF& text = *text_;
  const char* const start = text.Start();
  const char* const end = text.End();
  const bool records = (jobs & kRecords) != 0;
  const bool links = (jobs & kLinks) != 0;
  WGEDIndIndex& individuals = *ind_index_;
  std::vector<PendingLink>* body_lines = nullptr;  // where the current record's link lines go
  RecNo owner = 0;                                 // the current record's number in its kind
  RecNo numbered[gkKindCount] = {};                // records numbered by a links-only pass
  uint32_t tag_a = 0, tag_b = 0, tag_c = 0;        // the link tags of the current record's kind
  int counted = 0;

  for (const char* block = header_line_; block < end; block += 64) {
    uint64_t breaks;
    if (end - block > 64) {
      breaks =
          links ? LineStartMask64<'0', '1', ' ', '\t'>(block) : LineStartMask64<'0', '0', '0', '0'>(block);
    } else {
      breaks = 0;
      for (int i = 0; block + i < end; ++i)
        if (block[i] == '\r' || block[i] == '\n') breaks |= uint64_t{1} << i;
    }
    for (; breaks != 0; breaks &= breaks - 1) {
      const char* line = block + __builtin_ctzll(breaks) + 1;  // the byte after a line break
      if (line >= end) return true;
      if (*line == '0') {
        if (StartsWith(line, end, "0 TR")) return true;  // the trailer ends the scan
        body_lines = nullptr;
        const char* id;
        size_t length;
        const char* after = WGEDTextMMF::ParseXRef(line + 2, end, &id, &length);
        if (after == nullptr || length == 0) continue;
        // The identifier found at column 2 is the line's first "@" unless column 1 holds one.
        GEDRecordKind kind = line[1] != '@' ? WGEDTextMMF::KindAfterXRef(after, end) : text.RecordKind(line);
        if (records) {
          uint32_t offset = static_cast<uint32_t>(line - start);
          owner = kind == gkIndividual ? individuals.AppendIndividual(offset)
                                       : offsets_[kind]->AppendOffset(offset);
          xrefs_[kind]->AddKey(std::string_view(id, std::min(length, WGEDTextMMF::kMaxIdLength)));
        } else {
          owner = ++numbered[kind];
        }
        if (links && kind == gkIndividual) {
          body_lines = &pending->individual_lines;
          tag_a = GEDTag("FAMC"), tag_b = GEDTag("FAMS"), tag_c = 0;
        } else if (links && kind == gkFamily) {
          body_lines = &pending->family_lines;
          tag_a = GEDTag("HUSB"), tag_b = GEDTag("WIFE"), tag_c = GEDTag("CHIL");
        }
        if (counted++ % kYieldInterval == 0) {
          if (main_thread) YieldToUI();
          if (ImportCancelled || (abandon != nullptr && abandon->load(std::memory_order_relaxed)))
            return false;
        }
      } else if (body_lines != nullptr) {
        while (line < end && (*line == ' ' || *line == '\t')) ++line;
        if (end - line < 6 || *line != '1') continue;
        uint32_t tag;
        std::memcpy(&tag, line + 2, 4);
        uint8_t which = tag == tag_a ? 0 : tag == tag_b ? 1 : tag == tag_c ? 2 : 3;
        if (which == 3) continue;
        const char* id;
        size_t length;
        // A line without an identifier, or with an empty one, links nothing.
        if (WGEDTextMMF::ParseXRef(line + 6, end, &id, &length) == nullptr || length == 0) continue;
        uint64_t key = ShortKey(id, std::min(length, WGEDTextMMF::kMaxIdLength));
        if (IsLongKey(key)) key |= static_cast<uint32_t>(line - start);
        body_lines->emplace_back(owner, which, key);
      }
    }
  }
  return true;
}

// The record lines after the header, in file order.  A large file is read by two passes at
// once: the main thread fills the record tables while a helper notes the link lines.  Both
// number the records alike, so the result is that of one pass.
void WGEDCollection::Scan(PendingLinks& pending) {
  const WGEDTextMMF& text = *text_;
  header_line_ = static_cast<const char*>(std::memchr(text.Start(), '0', text.TextSize()));
  if (header_line_ == nullptr) return;  // no header, no records
  if (!UseHelperThread()) {
    ScanPass(kRecords | kLinks, &pending, true, nullptr);
    return;
  }
  std::atomic<bool> abandon{false};
  std::future<bool> helper =
      std::async(std::launch::async, [&] { return ScanPass(kLinks, &pending, false, &abandon); });
  try {
    ScanPass(kRecords, nullptr, true, nullptr);
  } catch (...) {
    abandon = true;
    helper.wait();
    throw;
  }
  // The user interface stays alive (and can cancel) while the helper finishes.
  while (helper.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) YieldToUI();
  helper.get();  // rethrows what the helper raised
}

bool WGEDCollection::UseHelperThread() const {
  return scan_threads_ == kScanTwoThreads ||
         (scan_threads_ == kScanAuto && text_->TextSize() >= kTwoThreadBytes);
}

namespace {

// The identifier a pending line names: its short key, or for a long identifier the text
// read again from the line.
std::string_view LinkedId(const WGEDTextMMF& text, const PendingLink& link, char (&bytes)[8]) {
  uint64_t key = link.Key();
  if (!IsLongKey(key)) {
    std::memcpy(bytes, &key, 8);
    return std::string_view(bytes, ShortKeyLength(key));
  }
  const char* id;
  size_t length;
  WGEDTextMMF::ParseXRef(text.At(static_cast<uint32_t>(key)) + 6, text.End(), &id, &length);
  return std::string_view(id, std::min(length, WGEDTextMMF::kMaxIdLength));
}

// Resolves the pending lines in order, calling link(line, record) for each line whose
// identifier names a record.  The home slots are fetched a few lines ahead.  Stops early
// when the import is cancelled.
template <class Link>
void ResolveLinks(const std::vector<PendingLink>& lines, const XRefHash& hash, const WGEDTextMMF& text,
                  Link&& link) {
  constexpr size_t kAhead = 8;
  size_t homes[kAhead];
  char bytes[8];
  size_t count = lines.size();
  for (size_t k = 0; k < count + kAhead; ++k) {
    // Line k - kAhead is resolved before line k takes over its slot in `homes`.
    if (k >= kAhead) {
      size_t at = k - kAhead;
      if ((at & (kCancelCheckInterval - 1)) == 0 && ImportCancelled) return;
      const PendingLink& line = lines[at];
      RecNo found = hash.Find(LinkedId(text, line, bytes), line.Key(), homes[at % kAhead]);
      if (found > 0) link(line, found);
    }
    if (k < count) {
      std::string_view id = LinkedId(text, lines[k], bytes);
      homes[k % kAhead] = hash.Home(id, lines[k].Key());
      hash.Prefetch(homes[k % kAhead]);
    }
  }
}

}  // namespace

namespace {

// A link line whose identifier names a record: the line's owner and tag as pending, and the
// record it names.
struct ResolvedLink {
  uint32_t owner_and_tag;
  RecNo target;
  RecNo Owner() const { return static_cast<RecNo>(owner_and_tag & ((1u << PendingLink::kTagShift) - 1)); }
  uint32_t Tag() const { return owner_and_tag >> PendingLink::kTagShift; }
};

// The lines of `pending` whose identifiers name a record, in order; `pending` is freed.
std::vector<ResolvedLink> Resolve(std::vector<PendingLink>& pending, const WXREFIndex* table,
                                  const WGEDTextMMF& text) {
  std::vector<ResolvedLink> resolved;
  {
    XRefHash hash(table);
    resolved.reserve(pending.size());
    ResolveLinks(pending, hash, text, [&](const PendingLink& line, RecNo target) {
      resolved.push_back(ResolvedLink{line.owner_and_tag, target});
    });
  }
  std::vector<PendingLink>().swap(pending);
  return resolved;
}

}  // namespace

namespace {

// The individuals' link lines: FAMC and FAMS.  False when the import was cancelled.
bool LinkParentsAndSpouses(const std::vector<ResolvedLink>& lines, WIndLinks& ind_links,
                           WFamLinks& fam_links) {
  size_t done = 0;
  for (const ResolvedLink& line : lines) {
    if ((++done & (kCancelCheckInterval - 1)) == 0 && ImportCancelled) return false;
    RecNo person = line.Owner(), family = line.target;
    if (line.Tag() == 0) {  // FAMC
      ind_links.AddParentFamily(person, false, false, 7, 1, family);
      fam_links.AddChild(family, person, 0);
    } else {  // FAMS
      ind_links.AddSpouseFamily(person, true, false, family);
    }
  }
  return true;
}

// The families' link lines: HUSB, WIFE and CHIL.
void LinkFamilyMembers(const std::vector<ResolvedLink>& lines, WIndLinks& ind_links, WFamLinks& fam_links) {
  size_t done = 0;
  RecNo family = 0;
  int position = 0;  // the next child position within the family
  for (const ResolvedLink& line : lines) {
    if ((++done & (kCancelCheckInterval - 1)) == 0 && ImportCancelled) return;
    if (line.Owner() != family) {
      family = line.Owner();
      position = 0;
    }
    RecNo person = line.target;
    switch (line.Tag()) {
      case 0:  // HUSB
        fam_links.SetHusband(family, person);
        ind_links.AddSpouseFamily(person, false, false, family);
        break;
      case 1:  // WIFE
        fam_links.SetWife(family, person);
        ind_links.AddSpouseFamily(person, false, false, family);
        break;
      default:  // CHIL
        fam_links.AddChild(family, person, position);
        ind_links.AddParentFamily(person, false, false, 7, 1, family);
        ++position;
        break;
    }
  }
}

// Waits for a helper's result while the user interface stays alive.
template <class T>
void WaitYielding(const std::future<T>& result) {
  while (result.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) YieldToUI();
}

}  // namespace

// The link passes: first every individual's FAMC and FAMS lines, then every family's
// HUSB, WIFE and CHIL lines, each in file order.  An identifier that names no record
// leaves its line without effect.  Each kind's identifiers are resolved before its lines
// are linked, so that a hash table and the link tables are seldom held at once.
//
// With a helper thread, the helper resolves the families' lines while the main thread
// resolves and links the individuals' lines; the helper then sorts the individuals'
// identifier table (its hash table no longer needs the file order) while the main thread
// links the families' lines.
void WGEDCollection::MakeLinks(PendingLinks& pending) {
  if (!UseHelperThread()) {
    std::vector<ResolvedLink> parents_and_spouses =
        Resolve(pending.individual_lines, xrefs_[gkFamily].get(), *text_);
    if (ImportCancelled) return;
    std::vector<ResolvedLink> family_members =
        Resolve(pending.family_lines, xrefs_[gkIndividual].get(), *text_);
    if (ImportCancelled) return;
    ind_links_ = std::make_unique<WIndLinks>(IndividualCount());
    fam_links_ = std::make_unique<WFamLinks>(FamilyCount());
    if (!LinkParentsAndSpouses(parents_and_spouses, *ind_links_, *fam_links_)) return;
    std::vector<ResolvedLink>().swap(parents_and_spouses);
    LinkFamilyMembers(family_members, *ind_links_, *fam_links_);
    return;
  }

  std::promise<std::vector<ResolvedLink>> members;
  std::future<std::vector<ResolvedLink>> members_ready = members.get_future();
  std::future<void> helper = std::async(std::launch::async, [&] {
    try {
      members.set_value(Resolve(pending.family_lines, xrefs_[gkIndividual].get(), *text_));
    } catch (...) {
      members.set_exception(std::current_exception());
      return;
    }
    if (!ImportCancelled) xrefs_[gkIndividual]->SortKeys();
  });
  // However this ends, the helper is done before the tables it works on can go.
  struct Join {
    std::future<void>& helper;
    ~Join() {
      if (helper.valid()) helper.wait();
    }
  } join{helper};

  std::vector<ResolvedLink> parents_and_spouses =
      Resolve(pending.individual_lines, xrefs_[gkFamily].get(), *text_);
  bool go_on = !ImportCancelled;
  if (go_on) {
    ind_links_ = std::make_unique<WIndLinks>(IndividualCount());
    fam_links_ = std::make_unique<WFamLinks>(FamilyCount());
    go_on = LinkParentsAndSpouses(parents_and_spouses, *ind_links_, *fam_links_);
  }
  std::vector<ResolvedLink>().swap(parents_and_spouses);
  WaitYielding(members_ready);
  std::vector<ResolvedLink> family_members = members_ready.get();  // rethrows what the helper raised
  if (go_on && !ImportCancelled) LinkFamilyMembers(family_members, *ind_links_, *fam_links_);
  std::vector<ResolvedLink>().swap(family_members);
  WaitYielding(helper);
  helper.get();
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

// Every call makes a new object that reads the mapped text on demand.

std::unique_ptr<WABSIndividual> WGEDCollection::GetIndividual(RecNo rec_no) {
  if (rec_no < 1 || rec_no > IndividualCount()) return nullptr;
  return std::make_unique<WGEDIndividual>(*this, rec_no);
}

std::unique_ptr<WABSMarriage> WGEDCollection::GetFamily(RecNo rec_no) {
  if (rec_no == 0) return nullptr;
  return std::make_unique<WGEDMarriage>(*this, rec_no);
}

std::unique_ptr<WABSSubmitter> WGEDCollection::GetSubmitter() { return WGEDHeader::GetSubmitter(*this); }

std::unique_ptr<WABSNote> WGEDCollection::GetNote(RecNo rec_no) {
  if (rec_no == 0) return nullptr;
  return std::make_unique<WGEDNote>(*this, rec_no);
}

std::unique_ptr<WABSSource> WGEDCollection::GetSource(RecNo rec_no) {
  if (rec_no == 0 || SourceCount() == 0) return nullptr;
  return std::make_unique<WGEDSource>(*this, rec_no);
}

// Repositories are looked at only in files that have sources.
std::unique_ptr<WABSRepo> WGEDCollection::GetRepository(RecNo rec_no) {
  if (rec_no == 0 || SourceCount() == 0) return nullptr;
  return std::make_unique<WGEDRepo>(*this, rec_no);
}

void WGEDCollection::GetHeaderInfo(int& count, GenHeaderRecs& rows) {
  WGEDHeader::GetHeaderInfo(*this, count, rows);
}

std::string WGEDCollection::GetHeaderText() { return WGEDHeader::GetHeaderText(*this); }

IdOrder WGEDCollection::GetIdOrder() const { return IdOrder::IdText; }

std::string WGEDCollection::GetIdCaption() const { return "REF"; }

std::string WGEDCollection::IdentifierFromTyped(const std::string& typed) const {
  if (!typed.empty() && std::isalpha(static_cast<unsigned char>(typed[0]))) return typed;
  return "I" + typed;
}

bool WGEDCollection::IsUnicodeFile(const std::string& path) {
  unsigned char bytes[256];
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const ssize_t got = ::pread(fd, bytes, sizeof bytes, 0);
  ::close(fd);
  if (got < 2) return false;
  const size_t n = static_cast<size_t>(got);
  if ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF)) return true;
  // Without a byte-order mark: every character of the first line ("0 HEAD") is two bytes, one
  // of them NUL, the second for little-endian text and the first for big-endian text.
  bool little = true, big = true;
  size_t pairs = 0;
  for (size_t i = 0; i + 1 < n; i += 2) {
    const unsigned char a = bytes[i], b = bytes[i + 1];
    if ((little && b == 0 && (a == '\n' || a == '\r')) || (big && a == 0 && (b == '\n' || b == '\r'))) break;
    little = little && a != 0 && b == 0;
    big = big && a == 0 && b != 0;
    ++pairs;
  }
  return pairs >= 2 && (little || big);
}

bool WGEDCollection::StartsWithHeader(const std::string& path) {
  const std::string start = ReadFileStart(path, 256);
  size_t i = start.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (i < start.size() && (start[i] == ' ' || start[i] == '\t' || start[i] == '\r' || start[i] == '\n')) ++i;
  if (i >= start.size() || start[i] != '0') return false;
  ++i;
  const size_t level_end = i;
  while (i < start.size() && (start[i] == ' ' || start[i] == '\t')) ++i;
  if (i == level_end || start.size() - i < 4 || strncasecmp(start.data() + i, "HEAD", 4) != 0) return false;
  i += 4;
  return i == start.size() || start[i] == ' ' || start[i] == '\t' || start[i] == '\r' || start[i] == '\n';
}

const WReaderInfo& WGEDCollection::ReaderInfo() {
  static const WReaderInfo info = [] {
    WReaderInfo r;
    r.name = "GEDCOM";
    r.extensions = {".ged", ".sub", ".xxx"};
    r.filters = {{"GEDCOM", "*.ged"}, {"Temple Submission File", "*.sub;*.xxx"}};
    r.probe = [](const std::string& path) -> std::string {
      if (IsUnicodeFile(path)) return "Error: Cannot read unicode GEDCOM file\r" + path;
      return std::string();
    };
    r.recognises = StartsWithHeader;
    r.create = [](const std::string& path) -> std::unique_ptr<WABSCollection> {
      return std::make_unique<WGEDCollection>(path);
    };
    return r;
  }();
  return info;
}
