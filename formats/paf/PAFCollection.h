#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/CheckedView.h"
#include "base/IntArray.h"
#include "formats/paf/PAFBlockArray.h"
#include "formats/paf/PAFLayout.h"
#include "formats/paf/PAFMMF.h"
#include "model/ABSCollection.h"
#include "model/ReaderInfo.h"

class WABSCitation;
class WABSNote;
class WDate;
class WPAFIndividual;

// A Personal Ancestral File database (version 3, 4 or 5) opened in place.  The file is a
// header followed by blocks of 8192 bytes; every 8192 blocks form a map region whose first
// block (the map block) gives the record type of each block of the region.  Import reads the
// map blocks into a block index, takes the number of blocks of each type per region (the map
// totals), follows the deleted-record chains and numbers the live individuals; every record is
// then found from its record number by a walk over the totals and one read of the index, and
// read from the mapping when it is asked for.
//
// Record numbers of the model: an individual's RecNo is its list position among the live
// individuals (deleted records are skipped); its RIN, the number the file gives it, shows only
// as GetID and is what FindIndividual takes.  Families, notes, sources and repositories are
// numbered as in the file.
//
// Every read goes through the bounds-checked view of the mapping, and every chain stored in
// the file is followed through a chain guard: a damaged file gives empty values, never a read
// outside the mapping or an endless walk.
class WPAFCollection : public WABSCollection {
 public:
  // The PAF reader in the registry: ".paf", version by probe (3, 4 or 5).
  static const WReaderInfo& ReaderInfo();
  // The version of a PAF file from bytes 4 to 11: 300, 400 or 500; 1 when the bytes name none
  // of them or the file cannot be read.
  static int DetectPAFVersion(const std::string& path);

  // Maps the file read-only (EFOpenError when it cannot).
  WPAFCollection(const std::string& path, const WPAFLayout& layout);
  ~WPAFCollection() override;
  std::string GetIdentifierSource() const override { return "PAF"; }

  int PreCountIndividuals() override;
  void Close() override;
  std::string GetFileSizeText() override;
  std::string GetFileDateText() override;
  std::string GetHeaderText() override;
  std::string GetVersionText() override;
  int IndividualCount() override;
  int FamilyCount() override;
  int NoteCount() override;
  int SourceCount() override;
  // The RIN at a list position; 0 outside the list.
  int RecordToFileNumber(RecNo rec_no) override;
  // The list position of a RIN; 0 for a deleted RIN and for any number that is no RIN.
  RecNo FileNumberToRecord(int rin) override;
  // The individual whose RIN the text gives in decimal; 0 when there is none.
  RecNo FindIndividual(const std::string& id) override;
  std::unique_ptr<WABSIndividual> GetIndividual(RecNo rec_no) override;
  std::unique_ptr<WABSNote> GetNote(RecNo rec_no) override;

  // --- Record lookups: the file offset of a record by its number, or 0 when it cannot be
  // located (numbers 0 and below included) or does not lie wholly inside the file.
  virtual uint64_t IndividualPos(int32_t rin);
  virtual uint64_t MarriagePos(int32_t mrin);
  virtual uint64_t NotePos(int32_t n);
  // The lookup that note assembly uses.
  virtual uint64_t NoteChainPos(int32_t n);
  virtual uint64_t ChildLinkPos(int32_t n);
  // The lookup that the spouse-family walk uses.
  virtual uint64_t SpouseFamilyPos(int32_t mrin);
  virtual uint64_t SourcePos(int32_t n);
  virtual uint64_t RepositoryPos(int32_t n);
  virtual uint64_t CitationPos(int32_t n);
  virtual uint64_t OtherEventPos(int32_t n);
  virtual uint64_t EventTypePos(int32_t n);
  // Follows a citation chain from `first` and returns the record numbers of its first 99
  // citations that can be located.
  virtual std::vector<int32_t> CitationChain(int32_t first);

  // --- For the record classes.
  const WCheckedView& View() const { return view_; }
  const WPAFLayout& Layout() const { return layout_; }
  // A link or text pointer that names something: 0, -1 (and any other negative value) name
  // nothing.
  static bool IsLink(int32_t value) { return value > 0; }
  // The stored text of the text record at a pointer, not converted.
  std::string TextAt(int32_t pointer) const { return WPAFMMF::TextRecord(view_, pointer); }
  // A place of four text pointers at `offset`, most local part first, joined by ", " and
  // converted from UTF-8.
  std::string FourPartPlace(uint64_t offset) const;
  // The largest record number of a type that can be located (what the map totals and the
  // blocks inside the file allow).
  int32_t RecordLimit(int type) const;
  // A new citation record object of this version; none when the record cannot be located.
  virtual std::unique_ptr<WABSCitation> NewCitation(int32_t n) = 0;
  // The note assembled from note record `first` (empty when the link names nothing).
  virtual std::unique_ptr<WABSNote> NewNote(int32_t first) = 0;
  // The date whose coded bytes start at `offset` (6 bytes in versions 3 and 4, 12 in 5).
  virtual std::unique_ptr<WDate> NewDate(uint64_t offset) const = 0;
  // Number of deleted individuals and marriages found by Import.
  int32_t DeletedIndividuals() const { return deleted_individuals_; }
  int32_t DeletedMarriages() const { return deleted_marriages_; }

 protected:
  // A new individual object of this version on a located record.
  virtual std::unique_ptr<WPAFIndividual> NewIndividual(RecNo position, int32_t rin, uint64_t record) = 0;

  // Import, step by step.  Builds the block index over the map regions at
  // data_base + i * 64 MiB for i below map_count (limited to max_maps and to the regions whose
  // map block lies inside the file), listing block types 1..types from map entry first_entry
  // on.  False when require_map_type is set and a map block does not start with its own type.
  bool BuildBlockIndex(uint64_t data_base, int64_t map_count, int max_maps, int types, int first_entry,
                       bool require_map_type);
  // Takes the map totals (types values per map, maps in order) and fixes what each type's
  // numbers can reach; the header's counts are then clamped to it.
  void SetTotals(std::vector<int32_t> totals);
  // Counts the deleted marriages, marks the deleted individuals and numbers the live ones in
  // RIN order.  False when cancelled.
  bool NumberIndividuals();
  // Record sizes of this version by type (0: no such records).
  void SetRecordSize(int type, uint32_t size) { sizes_[type] = size; }
  // The offset of record n of a type, or 0.
  uint64_t Locate(int type, int64_t n) const;
  int32_t HeaderInt(uint64_t offset) const { return view_.I32LE(offset); }
  int16_t HeaderShort(uint64_t offset) const { return view_.I16LE(offset); }
  std::string HeaderText(uint64_t offset, uint64_t width) const { return view_.FixedText(offset, width); }
  bool Imported() const { return imported_; }

  std::unique_ptr<WPAFMMF> file_;
  WCheckedView view_;

 private:
  int32_t ClampedCount(uint64_t header_offset, int type) const;

  const WPAFLayout& layout_;
  std::array<uint32_t, kPafMaxType + 1> sizes_{};
  // The block store: where the regions start, how many map regions and block types there are,
  // the block index and the map totals (types_ values per map).
  uint64_t data_base_ = 0;
  int maps_ = 0;
  int types_ = 0;
  std::unique_ptr<WPAFBlockArray> blocks_;
  std::vector<int32_t> totals_;
  std::array<int64_t, kPafMaxType + 1> limits_{};
  // List position -> RIN, and RIN -> list position (-1 for a deleted RIN).
  WIntArray rin_of_position_;
  WIntArray position_of_rin_;
  int32_t individuals_ = 0;  // live individuals numbered so far
  int32_t deleted_individuals_ = 0;
  int32_t deleted_marriages_ = 0;
  int32_t family_count_ = 0;
  int32_t note_count_ = 0;
  int32_t source_count_ = 0;
  bool imported_ = false;
};
