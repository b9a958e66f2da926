#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/CheckedView.h"
#include "formats/ftm/FTWCitation.h"
#include "formats/ftm/FTWMMF.h"
#include "model/ABSCollection.h"
#include "model/ReaderInfo.h"

class WFamLinks;
class WIndLinks;

// A Family Tree Maker file (.ftw, .fbk) opened in place.
//
// The file is a store of 512-byte blocks (block n at (n + 1) * 512; the first 512 bytes
// are the header) chained by an allocation table: every block has an int32 entry naming the
// next block of its chain (<= 0 ends it).  The table lives in pages of 128 entries whose
// block numbers stand in the header (pages 1 to 109) and in an extension chain (127 page
// numbers per block).  Fixed directory entries at 1024 + 128 * k name the first blocks of
// the note-piece store, the individual table, the slot store, the information chain and
// the source index.  Texts are UTF-16; most of them, and the fact lists and family records,
// live in the slot store's 64-byte slots.
//
// Import reads the page list once, walks every table once and keeps, per table, the list of
// its blocks; every later lookup is an index into those lists and a checked read of the
// mapping.  Every walk along links from the file is guarded: it ends at a link out of range
// or met before, and after at most as many steps as the file has blocks (or slots).
class WFTWCollection : public WABSCollection {
 public:
  static constexpr uint64_t kBlockSize = 512;
  static constexpr uint64_t kSlotSize = 64;
  static constexpr uint64_t kRecordSize = 128;
  static constexpr int kSlotsPerBlock = 8;
  static constexpr int kRecordsPerBlock = 4;
  // Most entries of one person's fact table, and most items of one citation text.
  static constexpr int kMaxFacts = 1024;
  static constexpr int kMaxCitations = 512;

  // The facts the model shows in places of their own, in the order they are taken out of
  // a person's fact table.
  enum NamedFact { nfRecordChange, nfLDSBaptism, nfEndowment, nfSealedToParents, nfChristening, nfBurial };
  static constexpr int kNamedFactCount = 6;
  static const char* const kNamedFactNames[kNamedFactCount];

  // Maps the file read-only; raises the mapped-file error when it cannot be opened.
  explicit WFTWCollection(const std::string& path);
  ~WFTWCollection() override;
  std::string GetIdentifierSource() const override { return "Family Tree Maker"; }

  // --- The walk of the tables and the counts.
  // Builds every table (false when cancelled).  A damaged file gives what could be read.
  bool Import() override;
  int PreCountIndividuals() override;
  int IndividualCount() override { return static_cast<int>(positions_.size()); }
  int FamilyCount() override;
  int NoteCount() override { return static_cast<int>(note_entries_.size()); }
  int SourceCount() override { return static_cast<int>(sources_.size()); }
  // The individual at the record position the text names (0 for an empty position, one
  // beyond the table, or a text that is not a number).
  RecNo FindIndividual(const std::string& id) override;
  void Close() override;
  std::string GetFileSizeText() override;
  std::string GetFileDateText() override;
  void BuildLinks() override;
  std::string GetVersionText() override { return "N/A"; }
  std::string GetHeaderText() override { return std::string(); }
  void GetHeaderInfo(int& count, GenHeaderRecs& rows) override;

  // The reader in the registry: ".ftw" and ".fbk"; a file that is not a compound file (the
  // container every Family Tree Maker file is kept in) is refused.
  static const WReaderInfo& ReaderInfo();
  // True when the file starts with the compound-file signature.
  static bool IsCompoundFile(const std::string& path);

  // --- Records, made on demand.
  std::unique_ptr<WABSIndividual> GetIndividual(RecNo rec_no) override;
  std::unique_ptr<WABSMarriage> GetFamily(RecNo rec_no) override;
  std::unique_ptr<WABSSubmitter> GetSubmitter() override;
  // Notes belong to their records: the collection lists none of its own.
  std::unique_ptr<WABSNote> GetNote(RecNo rec_no) override;
  std::unique_ptr<WABSSource> GetSource(RecNo rec_no) override;
  std::unique_ptr<WABSRepo> GetRepository(RecNo rec_no) override;

  // --- Access for the record classes.
  const WCheckedView& View() const { return view_; }
  // Number of blocks the file holds (a block must begin inside the file).
  int64_t BlockCount() const { return block_count_; }
  // File offset of a block; 0 for a block outside the file.
  uint64_t BlockOffset(int64_t block) const {
    return block >= 0 && block < block_count_ ? (static_cast<uint64_t>(block) + 1) * kBlockSize : 0;
  }
  // The allocation-table entry of a block: the next block of its chain, <= 0 at the end
  // (also for a block whose table page is missing, and when the header lists no pages).
  int32_t NextBlock(int32_t block) const;
  // The block `steps` links after `first` along the allocation table; -1 when the chain
  // ends (or loops) before.
  int32_t BlockAfter(int32_t first, int steps) const;
  // File offset of a slot; 0 when the slot is outside 1..SlotCount.
  uint64_t SlotOffset(int32_t slot) const;
  int32_t SlotCount() const { return slot_count_; }
  // The int32 at byte `at` of a slot; 0 when the slot cannot be located.
  int32_t SlotInt(int32_t slot, int at) const;
  // Up to `count` slots of the chain from `first` along the next links (int32 at 0 of
  // each), in order; shorter when the chain ends or loops.
  std::vector<int32_t> SlotChain(int32_t first, int count) const;
  // File offset of individual n's 128-byte record; 0 outside 1..IndividualCount.
  uint64_t IndividualOffset(RecNo n) const;
  // The individual at a record position; 0 for an empty position or one beyond the table.
  RecNo IndividualAtPosition(int64_t position) const;
  // The text that starts at a slot, converted to Windows-1252 or (convert false) as its
  // UTF-16 bytes; empty for slot 0 or a slot that cannot be located.
  std::string ReadText(int32_t slot, bool convert) const;
  // Note n's text, converted; empty outside 1..NoteCount.
  std::string ReadNote(int32_t n) const;
  // The converted name of the fact with that key; empty when none.
  std::string FactName(int key) const;
  // The key of the first fact whose converted name equals the name exactly; 0 when none.
  int FactKeyByName(const std::string& name) const;
  // The key of a named fact as Import found it (0 when the file does not name it).
  int NamedFactKey(NamedFact fact) const { return named_keys_[fact]; }
  // The citation text at a slot parsed into items (at most kMaxCitations); their count.
  int ReadCitations(int32_t slot, std::vector<CitationRec>& items) const;
  // The note number a note-reference slot leads to; 0 when any step fails.
  int32_t NoteNumberOf(int32_t reference_slot) const;
  // The source slot at list position n; 0 outside 1..SourceCount.
  int32_t SourceSlot(RecNo n) const {
    return n >= 1 && static_cast<size_t>(n) <= sources_.size() ? sources_[static_cast<size_t>(n) - 1] : 0;
  }
  // The first block of the information chain; -1 when the file has none.
  int32_t InformationChain() const { return DirectoryFirstBlock(kInformationEntry); }
  WIndLinks* IndLinks() { return ind_links_.get(); }
  WFamLinks* FamLinks() override { return fam_links_.get(); }

 private:
  // Header fields and the fixed directory entries.
  static constexpr uint64_t kPageCountAt = 44;
  static constexpr uint64_t kNoteEntryChainAt = 48;
  static constexpr uint64_t kPieceLinkChainAt = 60;
  static constexpr uint64_t kExtensionChainAt = 68;
  static constexpr uint64_t kHeaderPagesAt = 76;
  static constexpr int kHeaderPages = 109;
  static constexpr int kPageNumbersPerExtension = 127;
  static constexpr uint64_t kNotePieceEntry = 1024;
  static constexpr uint64_t kIndividualEntry = 1152;
  static constexpr uint64_t kSlotStoreEntry = 1280;
  static constexpr uint64_t kInformationEntry = 1408;
  static constexpr uint64_t kSourceIndexEntry = 1792;
  static constexpr uint64_t kFirstBlockInEntry = 116;

  // The first block a directory entry names; -1 when the entry lies outside the file.
  int32_t DirectoryFirstBlock(uint64_t entry) const;
  // Int32 in the header; `fallback` when the file is shorter than the header.
  int32_t HeaderInt(uint64_t at, int32_t fallback) const;
  // Calls visit(block) for every block of the chain from `first` in order, under a guard,
  // until visit returns false.
  template <class Visit>
  void WalkChain(int32_t first, Visit&& visit) const;
  std::vector<int32_t> ChainBlocks(int32_t first) const;
  // Block numbers of the extension chain, in order, each once.
  std::vector<int32_t> ExtensionBlocks() const;
  // Reads the page list from the header and the extension chain.
  void LoadPages();
  // The stored individual count, clamped to what the individual table can hold.
  int32_t ReadStoredCount() const;
  // The record offset at a position of the individual table (0 outside it).
  uint64_t PositionOffset(int64_t position) const;
  static bool HoldsIndividual(uint8_t flags) {
    const int nibble = flags >> 4;
    return nibble == 2 || nibble == 4 || nibble == 8 || nibble == 10 || nibble == 12;
  }

  // The import steps; each returns false once the import is cancelled.
  bool ReadSlotStore();
  void ReadPieceLinks();
  void ReadNotePieceStore();
  bool ReadNoteEntries();
  void ReadSourceIndex();
  bool ReadIndividuals();
  bool LinkIndividuals();
  void FindNamedFacts();
  // The family number of a family-record slot, appended at first sight.
  RecNo FamilyOfSlot(int32_t slot);
  void LinkParentFamily(RecNo individual, int32_t slot);
  void LinkSpouseFamily(int32_t slot);
  // Yields to the user interface; false when the import has been cancelled.
  static bool Yield();
  // Returns memory freed by a long walk to the system.
  static void ReleaseFreedMemory();

  // Short notes: pieces from the note-piece store; long ones whole blocks.
  std::string ReadShortNote(int32_t start, int64_t length) const;
  std::string ReadLongNote(int32_t start, int64_t length) const;

  std::unique_ptr<WFTWMMF> file_;
  WCheckedView view_;
  int64_t block_count_ = 0;
  int32_t page_count_ = 0;
  std::vector<int32_t> pages_;  // block numbers of the allocation-table pages 1, 2, ...
  std::vector<int32_t> slot_blocks_;
  int32_t slot_count_ = 0;
  std::vector<int32_t> fact_keys_;
  std::vector<int32_t> fact_name_slots_;
  std::vector<int32_t> piece_links_;
  std::vector<int32_t> note_piece_blocks_;
  std::vector<uint64_t> note_entries_;  // file offsets of the notes' directory entries
  std::vector<int32_t> sources_;
  std::vector<int32_t> individual_blocks_;
  std::vector<int32_t> positions_;             // individual n -> record position
  std::vector<int32_t> position_individuals_;  // position p -> individual (0 for none), at p - 1
  int32_t stored_count_ = 0;
  std::unique_ptr<WIndLinks> ind_links_;
  std::unique_ptr<WFamLinks> fam_links_;
  struct FamilyIndex;
  std::unique_ptr<FamilyIndex> family_index_;  // family-record slot -> family, during Import
  std::array<int, kNamedFactCount> named_keys_{};
};
