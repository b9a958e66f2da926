#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "formats/ged/GEDIndIndex.h"
#include "formats/ged/GEDTextMMF.h"
#include "formats/ged/OffsetIndex.h"
#include "formats/ged/XREFIndex.h"
#include "model/ABSCollection.h"
#include "model/ReaderInfo.h"

class WFamLinks;
class WIndLinks;

// A GEDCOM file opened in place.  Import walks the record lines once and builds, for each
// record kind, a table of record offsets and a sorted table of identifiers, then fills
// the individual and family link tables.  Records are read later, on demand, straight
// from the mapped text.
//
// Layout for the record classes: Text() is the mapped text with the line rules;
// RecordLine(kind, n) gives the line of the n-th record of a kind; IndIndex() holds each
// individual's line cache; IndLinks() and FamLinks() the links.
class WGEDCollection : public WABSCollection {
 public:
  // Maps the file read-only; raises the mapped-file errors, or EFileFormatError for a
  // file too large to be read.
  explicit WGEDCollection(const std::string& path);
  ~WGEDCollection() override;
  std::string GetIdentifierSource() const override { return "GEDCOM"; }
  bool HasCrossReferenceIds() const override { return true; }

  // --- The scan, the links and the lookups.
  bool Import() override;
  int PreCountIndividuals() override;
  int IndividualCount() override;
  int FamilyCount() override;
  int NoteCount() override;
  int SourceCount() override;
  RecNo FindIndividual(const std::string& id) override;
  RecNo FindFamily(const std::string& id) override;
  RecNo FindNote(const std::string& id) override;
  RecNo FindSource(const std::string& id) override;
  RecNo FindRepository(const std::string& id) override;
  void Close() override;
  std::string GetFileSizeText() override;
  std::string GetFileDateText() override;
  void BuildLinks() override;
  std::string GetVersionText() override;

  // The GEDCOM reader in the registry: ".ged", ".sub" and ".xxx"; files in UTF-16 are refused.
  static const WReaderInfo& ReaderInfo();
  // True when the file is UTF-16 text: it starts with a byte-order mark (FF FE or FE FF), or
  // its first line has a NUL in every other byte.  A file that cannot be read is not.
  static bool IsUnicodeFile(const std::string& path);
  // The content probe: the file begins (after a UTF-8 byte-order mark and blank lines) with
  // the record "0 HEAD".
  static bool StartsWithHeader(const std::string& path);
  IdOrder GetIdOrder() const override;
  std::string GetIdCaption() const override;
  // A typed number is an individual's number without its "I".
  std::string IdentifierFromTyped(const std::string& typed) const override;

  // --- Records (individuals, families, notes, sources, repositories, the submitter and
  // the header), read on demand from the indexes above.
  std::unique_ptr<WABSIndividual> GetIndividual(RecNo rec_no) override;
  std::unique_ptr<WABSMarriage> GetFamily(RecNo rec_no) override;
  std::unique_ptr<WABSSubmitter> GetSubmitter() override;
  std::unique_ptr<WABSNote> GetNote(RecNo rec_no) override;
  std::unique_ptr<WABSSource> GetSource(RecNo rec_no) override;
  std::unique_ptr<WABSRepo> GetRepository(RecNo rec_no) override;
  void GetHeaderInfo(int& count, GenHeaderRecs& rows) override;
  std::string GetHeaderText() override;

  // --- Access for the record classes.
  WGEDTextMMF& Text() { return *text_; }
  const WGEDTextMMF& Text() const { return *text_; }
  // The individuals with their line caches; none before Import.
  WGEDIndIndex* IndIndex() { return ind_index_.get(); }
  // The offset table of a kind other than individuals; none before Import.
  WOffsetIndex* OffsetTable(GEDRecordKind kind) { return offsets_[kind].get(); }
  // The identifier table of a kind; none before Import.
  WXREFIndex* XRefTable(GEDRecordKind kind) { return xrefs_[kind].get(); }
  // Number of records of a kind (individuals included).
  int RecordCount(GEDRecordKind kind) const;
  // The record line of the n-th record of a kind; none when n is out of range.
  const char* RecordLine(GEDRecordKind kind, RecNo n) const;
  // Record number of an identifier in a kind's table; 0 when absent.
  RecNo FindRecord(GEDRecordKind kind, const std::string& id);
  // The header record's line; none when the file holds no "0" byte.
  const char* HeaderLine() const { return header_line_; }
  // How many threads Import uses.  kScanAuto (the default): a file of kTwoThreadBytes or
  // more is read by two threads at once (one fills the record tables, the other notes the
  // link lines and later resolves half of them); kScanOneThread, kScanTwoThreads: as named,
  // whatever the size.  Every choice gives the same tables.
  enum ScanThreads { kScanAuto, kScanOneThread, kScanTwoThreads };
  static constexpr uint32_t kTwoThreadBytes = 4u << 20;
  void SetScanThreads(ScanThreads threads) { scan_threads_ = threads; }
  WIndLinks* IndLinks() { return ind_links_.get(); }
  WFamLinks* FamLinks() override { return fam_links_.get(); }
  // A text of the file converted from the file's character set to Windows-1252.
  std::string ConvertText(std::string_view text) const { return text_->ConvertText(text); }

 private:
  struct PendingLinks;
  // What a scan pass does: fill the record tables, note the link lines, or both.
  static constexpr unsigned kRecords = 1, kLinks = 2;
  void CreateTables();
  void Scan(PendingLinks& pending);
  bool ScanPass(unsigned jobs, PendingLinks* pending, bool main_thread, const std::atomic<bool>* abandon);
  bool UseHelperThread() const;
  void MakeLinks(PendingLinks& pending);
  void SortKeys();
  void DetectCharSet();

  std::unique_ptr<WGEDTextMMF> text_;
  const char* header_line_ = nullptr;
  std::unique_ptr<WGEDIndIndex> ind_index_;
  std::array<std::unique_ptr<WOffsetIndex>, gkKindCount> offsets_;  // [gkIndividual] unused
  std::array<std::unique_ptr<WXREFIndex>, gkKindCount> xrefs_;
  std::unique_ptr<WIndLinks> ind_links_;
  std::unique_ptr<WFamLinks> fam_links_;
  ScanThreads scan_threads_ = kScanAuto;
};
