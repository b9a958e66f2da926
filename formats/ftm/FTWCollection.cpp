#include "formats/ftm/FTWCollection.h"

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstring>

#include "base/ChainGuard.h"
#include "base/FilePaths.h"
#include "base/UIHooks.h"
#include "formats/ftm/FTWIndividual.h"
#include "formats/ftm/FTWMarriage.h"
#include "formats/ftm/FTWSource.h"
#include "formats/ftm/FTWSubmitter.h"
#include "formats/ftm/FTWText.h"
#include "model/ABSIndividual.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSMarriage.h"
#include "model/ABSNote.h"
#include "model/ABSRepo.h"
#include "model/ABSSource.h"
#include "model/ABSSubmitter.h"
#include "model/FamLinks.h"
#include "model/IndLinks.h"

namespace {

// The import yields to the user interface every this many slots, records and links.
constexpr int kSlotYield = 1000;
constexpr int kRecordYield = 1000;
constexpr int kLinkYield = 500;
constexpr int kPreCountYield = 250;
constexpr int kNoteEntryYield = 1000;

// Bytes of text one slot piece holds (25 units from byte 8), units of one note piece.
constexpr int kUnitsPerSlotPiece = 25;
constexpr uint64_t kSlotTextAt = 8;
constexpr int kUnitsPerNotePiece = 32;
constexpr int kPiecesPerBlock = 8;
constexpr uint64_t kNotePieceSize = 64;
// Notes this long or longer are kept in whole blocks instead of note pieces.
constexpr int64_t kLongNote = 4096;
// A long note's chain also ends at a block number whose low 23 bits reach this.
constexpr int32_t kLongNoteBlockLimit = 4194303;

// Where a fact-name record keeps its parts.
constexpr uint16_t kFactNameMark = 0x4C46;  // "FL"
constexpr int kFactKeyAt = 6;
constexpr int kFactNameAt = 14;

// The directory entries of notes: the list begins at the first entry whose name starts
// with "F" and takes every later entry whose first byte is "F" or 3.
constexpr uint8_t kNoteMark = 'F';
constexpr uint8_t kNoteMark2 = 3;
constexpr uint64_t kNoteStartAt = 116;
constexpr uint64_t kNoteLengthAt = 120;

// Source index pages: two blocks; the first holds the next page's number at 0 and 125
// entries from 12, the second 127 entries from 0.
constexpr int kFirstSourcePage = 1;
constexpr int kSourceEntriesFirst = 125;
constexpr uint64_t kSourceEntriesFirstAt = 12;
constexpr int kSourceEntriesSecond = 127;

// The stored individual count stands in the information chain's second block.
constexpr uint64_t kStoredCountAt = 108;

// Parts of an individual's record and of a family record.
constexpr int kParentFamilyAt = 52;
constexpr int kMoreParentsAt = 44;
constexpr int kMoreSpousesAt = 48;
constexpr int kSpouseFamiliesAt = 56;
constexpr int kSpouseFamiliesInRecord = 4;
constexpr int kFlagsAt = 76;
constexpr int kHusbandAt = 0;
constexpr int kWifeAt = 4;
// The family record lists the record positions of its first four children, in their order.
constexpr int kListedChildrenAt = 8;
constexpr int kListedChildren = 4;
// A parent-list holder names its first list slot at 54; a list slot holds ten family slots
// 5 bytes apart from 8, a spouse-list slot twelve 4 bytes apart from 8.
constexpr int kParentListAt = 54;
constexpr int kParentListEntries = 10;
constexpr int kParentListStep = 5;
constexpr int kSpouseListEntries = 12;
constexpr int kSpouseListStep = 4;
constexpr int kListEntriesAt = 8;

constexpr unsigned char kCompoundFileSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

}  // namespace

const char* const WFTWCollection::kNamedFactNames[kNamedFactCount] = {
    "Record Change", "Baptism (LDS)", "Endowment (LDS)", "Sealed to parents (LDS)", "Christening", "Burial"};

// Family-record slot -> family number, for the numbering of families in order of first
// sight: an open-addressing table of (slot, family) pairs, grown to stay at most half full.
struct WFTWCollection::FamilyIndex {
  // Room for about as many families as there are people before the table grows.
  explicit FamilyIndex(size_t people)
      : entries(std::bit_ceil(std::max<size_t>(2 * (people / 2 + 16), 1024)), 0) {}

  std::vector<uint64_t> entries;  // slot << 32 | family; 0 = empty
  size_t used = 0;

  static size_t Home(int32_t slot, size_t mask) {
    return static_cast<size_t>((static_cast<uint64_t>(static_cast<uint32_t>(slot)) * 0x9E3779B97F4A7C15ull) >>
                               32) &
           mask;
  }
  // Fetching a slot's place early hides the memory latency of the Find that follows.
  void Prefetch(int32_t slot) const { __builtin_prefetch(&entries[Home(slot, entries.size() - 1)]); }
  // The family of a slot; 0 when it has none yet.
  RecNo Find(int32_t slot) const {
    const size_t mask = entries.size() - 1;
    for (size_t i = Home(slot, mask);; i = (i + 1) & mask) {
      if (entries[i] == 0) return 0;
      if (static_cast<int32_t>(entries[i] >> 32) == slot) return static_cast<RecNo>(entries[i] & 0xFFFFFFFF);
    }
  }
  void Add(int32_t slot, RecNo family) {
    if (2 * (used + 1) > entries.size()) {
      std::vector<uint64_t> old(entries.size() * 2, 0);
      old.swap(entries);
      used = 0;
      for (uint64_t e : old)
        if (e != 0) Add(static_cast<int32_t>(e >> 32), static_cast<RecNo>(e & 0xFFFFFFFF));
    }
    const size_t mask = entries.size() - 1;
    size_t i = Home(slot, mask);
    while (entries[i] != 0) i = (i + 1) & mask;
    entries[i] = (static_cast<uint64_t>(static_cast<uint32_t>(slot)) << 32) | static_cast<uint32_t>(family);
    ++used;
  }
};

WFTWCollection::WFTWCollection(const std::string& path) : file_(std::make_unique<WFTWMMF>(path)) {
  file_name_ = path;
  char_set_ = CharSet::Plain;
  view_ = file_->View();
  view_.ReportDamageTo(&Damage());
  const uint64_t size = view_.Size();
  block_count_ = size > kBlockSize ? static_cast<int64_t>((size - 1) / kBlockSize) : 0;
  LoadPages();
  stored_count_ = ReadStoredCount();
}

WFTWCollection::~WFTWCollection() = default;

// --- Blocks, pages and chains -----------------------------------------------------------

int32_t WFTWCollection::HeaderInt(uint64_t at, int32_t fallback) const {
  return view_.Contains(at, 4) && view_.Size() >= kBlockSize ? view_.I32LE(at) : fallback;
}

int32_t WFTWCollection::DirectoryFirstBlock(uint64_t entry) const {
  if (!view_.Contains(entry, kRecordSize)) return -1;
  return view_.I32LE(entry + kFirstBlockInEntry);
}

std::vector<int32_t> WFTWCollection::ExtensionBlocks() const {
  std::vector<int32_t> blocks;
  const int64_t needed =
      page_count_ > kHeaderPages
          ? (page_count_ - kHeaderPages + kPageNumbersPerExtension - 1) / kPageNumbersPerExtension
          : 0;
  WChainGuard guard(0, block_count_ - 1, static_cast<uint64_t>(block_count_));
  guard.ReportDamageTo(view_.DamageLog());
  for (int64_t block = HeaderInt(kExtensionChainAt, -1);
       static_cast<int64_t>(blocks.size()) < needed && guard.Step(block);) {
    blocks.push_back(static_cast<int32_t>(block));
    block = view_.I32LE(BlockOffset(block) + kPageNumbersPerExtension * 4);
  }
  return blocks;
}

void WFTWCollection::LoadPages() {
  pages_.clear();
  // Every page is a block of the file: a larger count is damage.
  page_count_ = static_cast<int32_t>(std::clamp<int64_t>(HeaderInt(kPageCountAt, 0), 0, block_count_));
  const int in_header = std::min(page_count_, kHeaderPages);
  for (int k = 0; k < in_header; ++k)
    pages_.push_back(view_.I32LE(kHeaderPagesAt + 4 * static_cast<uint64_t>(k)));
  for (int32_t block : ExtensionBlocks()) {
    const uint64_t at = BlockOffset(block);
    for (int k = 0; k < kPageNumbersPerExtension && static_cast<int32_t>(pages_.size()) < page_count_; ++k)
      pages_.push_back(view_.I32LE(at + 4 * static_cast<uint64_t>(k)));
  }
}

int32_t WFTWCollection::NextBlock(int32_t block) const {
  if (block < 0) return 0;
  const size_t page = static_cast<size_t>(block) / 128;
  if (page >= pages_.size()) return 0;
  const uint64_t at = BlockOffset(pages_[page]);
  if (at == 0) return 0;
  return view_.I32LE(at + 4 * (static_cast<uint64_t>(block) % 128));
}

template <class Visit>
void WFTWCollection::WalkChain(int32_t first, Visit&& visit) const {
  if (page_count_ == 0) return;
  WChainGuard guard(0, block_count_ - 1, static_cast<uint64_t>(block_count_));
  guard.ReportDamageTo(view_.DamageLog());
  for (int32_t block = first; guard.Step(block);) {
    if (!visit(block)) return;
    block = NextBlock(block);
    if (block <= 0) return;
  }
}

std::vector<int32_t> WFTWCollection::ChainBlocks(int32_t first) const {
  std::vector<int32_t> blocks;
  WalkChain(first, [&](int32_t block) {
    blocks.push_back(block);
    return true;
  });
  return blocks;
}

int32_t WFTWCollection::BlockAfter(int32_t first, int steps) const {
  int32_t found = -1;
  int taken = 0;
  WalkChain(first, [&](int32_t block) {
    if (taken++ < steps) return true;
    found = block;
    return false;
  });
  return found;
}

// --- Slots, positions and texts -----------------------------------------------------------

uint64_t WFTWCollection::SlotOffset(int32_t slot) const {
  if (slot < 1 || slot > slot_count_) return 0;
  const uint64_t block = BlockOffset(slot_blocks_[static_cast<size_t>(slot) / kSlotsPerBlock]);
  return block == 0 ? 0 : block + (static_cast<uint64_t>(slot) % kSlotsPerBlock) * kSlotSize;
}

int32_t WFTWCollection::SlotInt(int32_t slot, int at) const {
  const uint64_t offset = SlotOffset(slot);
  return offset == 0 ? 0 : view_.I32LE(offset + static_cast<uint64_t>(at));
}

std::vector<int32_t> WFTWCollection::SlotChain(int32_t first, int count) const {
  std::vector<int32_t> slots;
  WChainGuard guard(1, slot_count_);
  guard.ReportDamageTo(view_.DamageLog());
  for (int32_t slot = first; static_cast<int>(slots.size()) < count && guard.Step(slot);
       slot = SlotInt(slot, 0))
    slots.push_back(slot);
  return slots;
}

uint64_t WFTWCollection::PositionOffset(int64_t position) const {
  if (position < 1) return 0;
  const uint64_t index = static_cast<uint64_t>(position) / kRecordsPerBlock;
  if (index >= individual_blocks_.size()) return 0;
  const uint64_t block = BlockOffset(individual_blocks_[index]);
  return block == 0 ? 0 : block + (static_cast<uint64_t>(position) % kRecordsPerBlock) * kRecordSize;
}

uint64_t WFTWCollection::IndividualOffset(RecNo n) const {
  if (n < 1 || n > static_cast<RecNo>(positions_.size())) return 0;
  return PositionOffset(positions_[static_cast<size_t>(n) - 1]);
}

RecNo WFTWCollection::IndividualAtPosition(int64_t position) const {
  if (position < 1 || position > static_cast<int64_t>(position_individuals_.size())) return 0;
  return position_individuals_[static_cast<size_t>(position) - 1];
}

std::string WFTWCollection::ReadText(int32_t slot, bool convert) const {
  uint64_t at = SlotOffset(slot);
  if (at == 0) return std::string();
  // The length stands in the first piece only; no chain of slots holds more than this.
  const int64_t length =
      std::min<int64_t>(view_.I32LE(at + 4), static_cast<int64_t>(slot_count_) * kUnitsPerSlotPiece * 2);
  std::string bytes;
  WChainGuard guard(1, slot_count_);
  guard.ReportDamageTo(view_.DamageLog());
  guard.Step(slot);
  while (static_cast<int64_t>(bytes.size()) < length) {
    const int64_t units =
        std::min<int64_t>(kUnitsPerSlotPiece, (length - static_cast<int64_t>(bytes.size()) + 1) / 2);
    bytes += view_.Bytes(at + kSlotTextAt, static_cast<uint64_t>(units) * 2);
    if (static_cast<int64_t>(bytes.size()) >= length) break;
    const int32_t next = view_.I32LE(at);
    if (!guard.Step(next) || (at = SlotOffset(next)) == 0) break;
  }
  if (convert && !bytes.empty()) return WFTWText::ToAnsi(bytes);
  return bytes;
}

std::string WFTWCollection::FactName(int key) const {
  for (size_t i = 0; i < fact_keys_.size(); ++i)
    if (fact_keys_[i] == key) return ReadText(fact_name_slots_[i], true);
  return std::string();
}

int WFTWCollection::FactKeyByName(const std::string& name) const {
  for (size_t i = 0; i < fact_keys_.size(); ++i)
    if (ReadText(fact_name_slots_[i], true) == name) return fact_keys_[i];
  return 0;
}

int WFTWCollection::ReadCitations(int32_t slot, std::vector<CitationRec>& items) const {
  items.clear();
  const std::string text = ReadText(slot, false);
  const size_t end = text.size() & ~size_t{1};
  auto low = [&](size_t at) { return static_cast<unsigned char>(text[at]); };
  // The units from `at` up to one whose low byte is 0, converted.
  auto string_to_zero = [&](size_t& at) {
    const size_t start = at;
    while (at < end && low(at) != 0) at += 2;
    return WFTWText::ToAnsi(std::string_view(text).substr(start, at - start));
  };
  size_t at = 0;
  while (at < end && items.size() < static_cast<size_t>(kMaxCitations)) {
    if (low(at) == 0) at += 2;
    if (at >= end) break;
    CitationRec item;
    item.note = string_to_zero(at);
    if (at < end) {
      at += 2;
      item.detail = string_to_zero(at);
      while (at < end && low(at) < 16) at += 2;
      if (at + 8 <= text.size()) {
        auto nibble = [&](size_t k) { return static_cast<int32_t>(low(at + k) & 15); };
        item.source = static_cast<int32_t>((static_cast<uint32_t>(nibble(6)) << 28) |
                                           (static_cast<uint32_t>(nibble(7)) << 24) | (nibble(4) << 20) |
                                           (nibble(5) << 16) | (nibble(2) << 12) | (nibble(3) << 8) |
                                           (nibble(0) << 4) | nibble(1));
      }
    }
    items.push_back(std::move(item));
    at += 12;
  }
  return static_cast<int>(items.size());
}

int32_t WFTWCollection::NoteNumberOf(int32_t reference_slot) const {
  if (reference_slot <= 0 || SlotOffset(reference_slot) == 0) return 0;
  const int32_t second = SlotInt(reference_slot, 8);
  if (second <= 0 || SlotOffset(second) == 0) return 0;
  return SlotInt(second, 24);
}

std::string WFTWCollection::ReadShortNote(int32_t start, int64_t length) const {
  std::string bytes;
  const int64_t pieces = static_cast<int64_t>(note_piece_blocks_.size()) * kPiecesPerBlock;
  WChainGuard guard(1, pieces);
  guard.ReportDamageTo(view_.DamageLog());
  for (int64_t piece = static_cast<int64_t>(start) + 1;
       static_cast<int64_t>(bytes.size()) < length && guard.Step(piece);) {
    // A piece whose block is not in the store ends the note.
    const uint64_t block = BlockOffset(note_piece_blocks_[static_cast<size_t>(piece - 1) / kPiecesPerBlock]);
    if (block == 0) break;
    const uint64_t at = block + static_cast<uint64_t>((piece - 1) % kPiecesPerBlock) * kNotePieceSize;
    const int64_t units =
        std::min<int64_t>(kUnitsPerNotePiece, (length - static_cast<int64_t>(bytes.size()) + 1) / 2);
    bytes += view_.Bytes(at, static_cast<uint64_t>(units) * 2);
    if (piece > static_cast<int64_t>(piece_links_.size())) break;
    piece = static_cast<int64_t>(piece_links_[static_cast<size_t>(piece) - 1]) + 1;
  }
  return WFTWText::ToAnsi(bytes);
}

std::string WFTWCollection::ReadLongNote(int32_t start, int64_t length) const {
  std::string bytes;
  length = std::min<int64_t>(length, block_count_ * static_cast<int64_t>(kBlockSize));
  WChainGuard guard(0, block_count_ - 1, static_cast<uint64_t>(block_count_));
  guard.ReportDamageTo(view_.DamageLog());
  for (int32_t block = start; static_cast<int64_t>(bytes.size()) < length;) {
    if (block <= 0 || (block & 0x7FFFFF) >= kLongNoteBlockLimit || !guard.Step(block)) break;
    const int64_t take =
        std::min<int64_t>(static_cast<int64_t>(kBlockSize), length - static_cast<int64_t>(bytes.size()));
    bytes += view_.Bytes(BlockOffset(block), static_cast<uint64_t>(take));
    block = NextBlock(block);
  }
  return WFTWText::ToAnsi(bytes);
}

std::string WFTWCollection::ReadNote(int32_t n) const {
  if (n < 1 || n > static_cast<int32_t>(note_entries_.size())) return std::string();
  const uint64_t entry = note_entries_[static_cast<size_t>(n) - 1];
  const int32_t start = view_.I32LE(entry + kNoteStartAt);
  const int32_t length = view_.I32LE(entry + kNoteLengthAt);
  if (length <= 0) return std::string();
  return length < kLongNote ? ReadShortNote(start, length) : ReadLongNote(start, length);
}

// --- Import -------------------------------------------------------------------------------

void WFTWCollection::ReleaseFreedMemory() {
#ifdef __GLIBC__
  // The walk of a long chain leaves many small blocks freed (the guard's record of the links
  // met); they go back to the system instead of staying with the process.
  malloc_trim(0);
#endif
}

bool WFTWCollection::Yield() {
  YieldToUI();
  return !ImportCancelled;
}

int32_t WFTWCollection::ReadStoredCount() const {
  const int32_t second = BlockAfter(InformationChain(), 1);
  if (second < 0) return 0;
  // No more people than the table can hold; a negative count is none.
  const int64_t capacity = block_count_ * kRecordsPerBlock;
  return static_cast<int32_t>(
      std::clamp<int64_t>(view_.I32LE(BlockOffset(second) + kStoredCountAt), 0, capacity));
}

bool WFTWCollection::ReadSlotStore() {
  bool cancelled = false;
  int64_t seen = 0;
  WalkChain(DirectoryFirstBlock(kSlotStoreEntry), [&](int32_t block) {
    const uint64_t at = BlockOffset(block);
    for (int k = 0; k < kSlotsPerBlock; ++k, ++seen) {
      if (seen == 0) continue;  // the first slot of the store has no number
      const uint64_t slot = at + static_cast<uint64_t>(k) * kSlotSize;
      if (view_.U16LE(slot) == kFactNameMark) {
        const int key = view_.U16LE(slot + kFactKeyAt);
        if (key != 0) {
          fact_keys_.push_back(key);
          fact_name_slots_.push_back(view_.I32LE(slot + kFactNameAt));
        }
      }
      if (seen % kSlotYield == 0 && !Yield()) {
        cancelled = true;
        break;
      }
    }
    slot_blocks_.push_back(block);
    slot_count_ = static_cast<int32_t>(slot_blocks_.size() * kSlotsPerBlock - 1);
    return !cancelled;
  });
  return !cancelled;
}

void WFTWCollection::ReadPieceLinks() {
  WalkChain(HeaderInt(kPieceLinkChainAt, -1), [&](int32_t block) {
    const uint64_t at = BlockOffset(block);
    for (uint64_t k = 0; k < 128; ++k) piece_links_.push_back(view_.I32LE(at + 4 * k));
    return true;
  });
}

void WFTWCollection::ReadNotePieceStore() {
  note_piece_blocks_ = ChainBlocks(DirectoryFirstBlock(kNotePieceEntry));
}

bool WFTWCollection::ReadNoteEntries() {
  bool started = false, cancelled = false;
  int64_t seen = 0;
  WalkChain(HeaderInt(kNoteEntryChainAt, -1), [&](int32_t block) {
    const uint64_t at = BlockOffset(block);
    for (uint64_t k = 0; k < kRecordsPerBlock; ++k) {
      const uint64_t entry = at + k * kRecordSize;
      const uint8_t first = view_.U8(entry);
      if (!started) started = first == kNoteMark && view_.U8(entry + 1) == 0;
      if (started && (first == kNoteMark || first == kNoteMark2)) note_entries_.push_back(entry);
    }
    if (++seen % (kNoteEntryYield / kRecordsPerBlock) == 0 && !Yield()) cancelled = true;
    return !cancelled;
  });
  return !cancelled;
}

void WFTWCollection::ReadSourceIndex() {
  const std::vector<int32_t> blocks = ChainBlocks(DirectoryFirstBlock(kSourceIndexEntry));
  // Page d is blocks 2d and 2d + 1 of the chain.
  WChainGuard guard(1, static_cast<int64_t>(blocks.size()) / 2 - 1);
  guard.ReportDamageTo(view_.DamageLog());
  for (int64_t page = kFirstSourcePage; guard.Step(page);) {
    const uint64_t first = BlockOffset(blocks[static_cast<size_t>(2 * page)]);
    const uint64_t second = BlockOffset(blocks[static_cast<size_t>(2 * page + 1)]);
    // Entries until the first 0, which ends the whole index.
    auto take = [&](uint64_t at, int count) {
      for (int k = 0; k < count; ++k) {
        const int32_t slot = view_.I32LE(at + 4 * static_cast<uint64_t>(k));
        if (slot == 0) return false;
        sources_.push_back(slot);
      }
      return true;
    };
    if (!take(first + kSourceEntriesFirstAt, kSourceEntriesFirst) || !take(second, kSourceEntriesSecond))
      return;
    page = view_.I32LE(first);
  }
}

bool WFTWCollection::ReadIndividuals() {
  bool cancelled = false;
  int64_t seen = 0;
  WalkChain(DirectoryFirstBlock(kIndividualEntry), [&](int32_t block) {
    // The stored count ends the scan, but a block once begun is examined to its end.
    if (static_cast<int64_t>(positions_.size()) > stored_count_) return false;
    individual_blocks_.push_back(block);
    const uint64_t at = BlockOffset(block);
    for (uint64_t k = 0; k < kRecordsPerBlock; ++k, ++seen) {
      if (seen == 0) continue;  // the first record of the table has no position
      if (HoldsIndividual(view_.U8(at + k * kRecordSize + kFlagsAt))) {
        positions_.push_back(static_cast<int32_t>(seen));
        position_individuals_.push_back(static_cast<RecNo>(positions_.size()));
      } else {
        position_individuals_.push_back(0);
      }
      if (seen % kRecordYield == 0 && !Yield()) cancelled = true;
    }
    return !cancelled;
  });
  return !cancelled;
}

RecNo WFTWCollection::FamilyOfSlot(int32_t slot) {
  if (const RecNo known = family_index_->Find(slot)) return known;
  const RecNo family = fam_links_->AppendFamily();
  fam_links_->SetFamilyKey(family, slot);
  family_index_->Add(slot, family);
  return family;
}

void WFTWCollection::LinkParentFamily(RecNo individual, int32_t slot) {
  if (SlotOffset(slot) == 0) return;
  const RecNo family = FamilyOfSlot(slot);
  const int32_t husband = SlotInt(slot, kHusbandAt), wife = SlotInt(slot, kWifeAt);
  if (husband > 0) fam_links_->SetHusband(family, IndividualAtPosition(husband));
  if (wife > 0) fam_links_->SetWife(family, IndividualAtPosition(wife));
  // A listed child takes its place in the list; the others follow in the order of their numbers.
  const int32_t position = positions_[static_cast<size_t>(individual) - 1];
  int32_t order = kListedChildren + static_cast<int32_t>(individual);
  for (int k = 0; k < kListedChildren; ++k)
    if (SlotInt(slot, kListedChildrenAt + 4 * k) == position) {
      order = k + 1;
      break;
    }
  fam_links_->AddChild(family, individual, order);
  ind_links_->AddParentFamily(individual, false, false, 7, 1, family);
}

void WFTWCollection::LinkSpouseFamily(int32_t slot) {
  if (SlotOffset(slot) == 0) return;
  const RecNo family = FamilyOfSlot(slot);
  if (const RecNo husband = IndividualAtPosition(SlotInt(slot, kHusbandAt)); husband > 0) {
    fam_links_->SetHusband(family, husband);
    ind_links_->AddSpouseFamily(husband, false, false, family);
  }
  if (const RecNo wife = IndividualAtPosition(SlotInt(slot, kWifeAt)); wife > 0) {
    fam_links_->SetWife(family, wife);
    ind_links_->AddSpouseFamily(wife, false, false, family);
  }
}

bool WFTWCollection::LinkIndividuals() {
  // Sized from the people the scan found, which may be more than the stored count.
  ind_links_ = std::make_unique<WIndLinks>(IndividualCount());
  family_index_ = std::make_unique<FamilyIndex>(static_cast<size_t>(IndividualCount()));
  // Calls link(family slot) for every family of a list chain: up to `entries` slots `step`
  // bytes apart from byte 8 of each list slot (ending at one <= 0), the next list slot at 0.
  auto walk_lists = [&](int32_t first, int entries, int step, auto&& link) {
    WChainGuard guard(1, slot_count_);
    guard.ReportDamageTo(view_.DamageLog());
    for (int32_t list = first; guard.Step(list);) {
      const uint64_t at = SlotOffset(list);
      if (at == 0) break;
      for (int k = 0; k < entries; ++k) {
        const int32_t family = view_.I32LE(at + kListEntriesAt + static_cast<uint64_t>(k * step));
        if (family <= 0) break;
        link(family);
      }
      list = view_.I32LE(at);
    }
  };
  // The families of the people a few places ahead are looked up early.
  constexpr RecNo kAhead = 16;
  auto prefetch = [&](RecNo n) {
    if (const uint64_t record = IndividualOffset(n); record != 0) {
      family_index_->Prefetch(view_.I32LE(record + kParentFamilyAt));
      family_index_->Prefetch(view_.I32LE(record + kSpouseFamiliesAt));
    }
  };
  for (RecNo i = 1; i <= kAhead; ++i) prefetch(i);
  for (RecNo i = 1; i <= IndividualCount(); ++i) {
    if (i % kLinkYield == 0 && !Yield()) return false;
    prefetch(i + kAhead);
    const uint64_t record = IndividualOffset(i);
    if (record == 0) continue;
    const int32_t parents = view_.I32LE(record + kParentFamilyAt);
    if (parents > 0) {
      LinkParentFamily(i, parents);
      const int32_t more = view_.I32LE(record + kMoreParentsAt);
      if (more > 0 && SlotOffset(more) != 0)
        walk_lists(SlotInt(more, kParentListAt), kParentListEntries, kParentListStep,
                   [&](int32_t family) { LinkParentFamily(i, family); });
    }
    if (view_.I32LE(record + kSpouseFamiliesAt) > 0) {
      for (int k = 0; k < kSpouseFamiliesInRecord; ++k) {
        const int32_t family = view_.I32LE(record + kSpouseFamiliesAt + 4 * static_cast<uint64_t>(k));
        if (family <= 0) break;
        LinkSpouseFamily(family);
      }
      walk_lists(view_.I32LE(record + kMoreSpousesAt), kSpouseListEntries, kSpouseListStep,
                 [&](int32_t family) { LinkSpouseFamily(family); });
    }
  }
  family_index_.reset();
  return true;
}

void WFTWCollection::FindNamedFacts() {
  for (int k = 0; k < kNamedFactCount; ++k)
    named_keys_[static_cast<size_t>(k)] = FactKeyByName(kNamedFactNames[k]);
}

bool WFTWCollection::Import() {
  slot_blocks_.clear();
  slot_count_ = 0;
  fact_keys_.clear();
  fact_name_slots_.clear();
  piece_links_.clear();
  note_piece_blocks_.clear();
  note_entries_.clear();
  sources_.clear();
  individual_blocks_.clear();
  positions_.clear();
  position_individuals_.clear();
  named_keys_.fill(0);
  ind_links_.reset();
  fam_links_ = std::make_unique<WFamLinks>(0);

  if (!Yield() || !ReadSlotStore()) return false;
  ReleaseFreedMemory();
  if (!Yield()) return false;
  ReadPieceLinks();
  if (!Yield()) return false;
  ReadNotePieceStore();
  if (!Yield() || !ReadNoteEntries()) return false;
  if (!Yield()) return false;
  ReadSourceIndex();
  if (!Yield() || !ReadIndividuals() || !LinkIndividuals()) return false;
  if (!Yield()) return false;
  FindNamedFacts();
  // The tables are complete: they keep no room to grow.
  for (std::vector<int32_t>* table :
       {&slot_blocks_, &fact_keys_, &fact_name_slots_, &piece_links_, &note_piece_blocks_, &sources_,
        &individual_blocks_, &positions_, &position_individuals_})
    table->shrink_to_fit();
  note_entries_.shrink_to_fit();
  ReleaseFreedMemory();
  return true;
}

int WFTWCollection::PreCountIndividuals() {
  int count = 0;
  int64_t seen = 0;
  WalkChain(DirectoryFirstBlock(kIndividualEntry), [&](int32_t block) {
    if (count > stored_count_) return false;
    const uint64_t at = BlockOffset(block);
    for (uint64_t k = 0; k < kRecordsPerBlock; ++k, ++seen) {
      if (seen == 0) continue;
      if (HoldsIndividual(view_.U8(at + k * kRecordSize + kFlagsAt))) ++count;
      if (seen % kPreCountYield == 0 && !Yield()) return false;
    }
    return true;
  });
  return count;
}

int WFTWCollection::FamilyCount() { return fam_links_ ? fam_links_->Count() : 0; }

RecNo WFTWCollection::FindIndividual(const std::string& id) {
  size_t start = id.find_first_not_of(' ');
  size_t end = id.find_last_not_of(' ');
  if (start == std::string::npos) return 0;
  int64_t value = 0;
  for (size_t i = start; i <= end; ++i) {
    if (id[i] < '0' || id[i] > '9') return 0;
    value = value * 10 + (id[i] - '0');
    if (value > INT32_MAX) return 0;
  }
  return IndividualAtPosition(value);
}

void WFTWCollection::Close() {
  view_ = WCheckedView();
  file_.reset();
}

std::string WFTWCollection::GetFileSizeText() {
  return FormatFileSize(file_ ? static_cast<int64_t>(view_.Size()) : FileSizeOf(file_name_));
}

std::string WFTWCollection::GetFileDateText() { return FormatFileDate(FileTimeOf(file_name_)); }

void WFTWCollection::BuildLinks() {
  if (ind_links_) ind_links_->OrderSpouseFamilies(*this);
}

void WFTWCollection::GetHeaderInfo(int& count, GenHeaderRecs& rows) {
  count = 0;
  auto add = [&](const std::string& label, const std::string& value) {
    if (count >= kGenHeaderRows - 1) return;
    rows[static_cast<size_t>(count)] = GenHeaderRec{0, label, value, std::string()};
    ++count;
  };
  if (!file_ || DirectoryFirstBlock(kInformationEntry) == -1) return;
  add("File Type", "Family Tree Maker");
  add("Blocks", std::to_string(HeaderInt(kPageCountAt, 0)));
  add("Block Link", std::to_string(HeaderInt(kExtensionChainAt, 0)));
  if (page_count_ > kHeaderPages) {
    int row = 0;
    for (int32_t block : ExtensionBlocks()) add(std::to_string(++row), std::to_string(block));
  }
}

// --- Records ------------------------------------------------------------------------------

std::unique_ptr<WABSIndividual> WFTWCollection::GetIndividual(RecNo rec_no) {
  if (IndividualOffset(rec_no) == 0) return nullptr;
  return std::make_unique<WFTWIndividual>(*this, rec_no);
}

std::unique_ptr<WABSMarriage> WFTWCollection::GetFamily(RecNo rec_no) {
  if (rec_no <= 0 || rec_no > FamilyCount()) return nullptr;
  return std::make_unique<WFTWMarriage>(*this, rec_no);
}

std::unique_ptr<WABSSubmitter> WFTWCollection::GetSubmitter() {
  return std::make_unique<WFTWSubmitter>(*this);
}

std::unique_ptr<WABSNote> WFTWCollection::GetNote(RecNo) { return nullptr; }

std::unique_ptr<WABSRepo> WFTWCollection::GetRepository(RecNo) { return nullptr; }

std::unique_ptr<WABSSource> WFTWCollection::GetSource(RecNo rec_no) {
  if (sources_.empty() || rec_no > SourceCount()) return nullptr;
  return std::make_unique<WFTWSource>(*this, SourceSlot(rec_no));
}

// --- The reader in the registry -------------------------------------------------------------

bool WFTWCollection::IsCompoundFile(const std::string& path) {
  unsigned char bytes[sizeof kCompoundFileSignature] = {};
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return true;  // the reader reports a file it cannot open
  const ssize_t n = ::pread(fd, bytes, sizeof bytes, 0);
  ::close(fd);
  return n == static_cast<ssize_t>(sizeof bytes) &&
         std::memcmp(bytes, kCompoundFileSignature, sizeof bytes) == 0;
}

const WReaderInfo& WFTWCollection::ReaderInfo() {
  static const WReaderInfo info = [] {
    WReaderInfo r;
    r.name = "Family Tree Maker";
    r.extensions = {".ftw", ".fbk"};
    r.filters = {{"Family Tree Maker", "*.ftw;*.fbk"}};
    r.probe = [](const std::string& path) -> std::string {
      if (!IsCompoundFile(path)) return "Not a valid Family Tree Maker file";
      return std::string();
    };
    // Unlike the probe, the content probe takes no file it cannot read.
    r.recognises = [](const std::string& path) {
      return ReadFileStart(path, sizeof kCompoundFileSignature) ==
             std::string(reinterpret_cast<const char*>(kCompoundFileSignature), sizeof kCompoundFileSignature);
    };
    r.create = [](const std::string& path) -> std::unique_ptr<WABSCollection> {
      return std::make_unique<WFTWCollection>(path);
    };
    return r;
  }();
  return info;
}
