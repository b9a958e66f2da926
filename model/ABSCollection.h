#pragma once

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "base/DamageLog.h"
#include "model/GeneralInfo.h"
#include "model/RecNo.h"

class WABSIndividual;
class WABSLDSEvent;
class WABSMarriage;
class WABSNote;
class WABSRepo;
class WABSSource;
class WABSSubmitter;
class WFamLinks;

// How the identifiers of a collection's individuals (GetID) compare in the sorted lists.
enum class IdOrder : uint8_t {
  Integer = 0,   // decimal numbers ("12" after "9")
  IdText = 1,    // a letter prefix and a number ("I2" before "I10")
  PairText = 2,  // two numbers with a colon ("12:3" before "12:10")
};

// Character set of a collection's stored texts.
enum class CharSet : uint8_t {
  Plain = 0,  // no conversion
  ANSEL = 1,
  UTF8 = 2,
};

// One open genealogy file.  A reader derives from it, builds its indexes in Import and
// then hands out records on demand: every record returned is new and owned by the
// caller.  Records refer to each other by RecNo.
//
// Calling order: the reader's constructor (takes the file name);
// Import once (the four counts may be called whenever it yields and give the numbers
// reached so far; it returns false when cancelled or unreadable); after a successful
// Import, BuildLinks once; then anything.  After a failed Import the collection is only
// destroyed.
class WABSCollection {
 public:
  WABSCollection();
  virtual ~WABSCollection();
  WABSCollection(const WABSCollection&) = delete;
  WABSCollection& operator=(const WABSCollection&) = delete;

  // Counts individual records with a quick scan; 0 when the reader cannot tell cheaply.
  virtual int PreCountIndividuals() = 0;
  // Releases the open file.
  virtual void Close();
  // Size of the main file in bytes with thousands separators.
  virtual std::string GetFileSizeText() = 0;
  // Last-write time of the main file, "dd mmm yyyy, h:mm AM/PM"; empty when unknown.
  virtual std::string GetFileDateText() = 0;
  // Finishing pass after a successful Import.
  virtual void BuildLinks();
  // None for 0 or a number above IndividualCount.
  virtual std::unique_ptr<WABSIndividual> GetIndividual(RecNo rec_no) = 0;
  // None for 0.
  virtual std::unique_ptr<WABSMarriage> GetFamily(RecNo rec_no) = 0;
  virtual std::unique_ptr<WABSSubmitter> GetSubmitter() = 0;
  virtual std::unique_ptr<WABSNote> GetNote(RecNo rec_no) = 0;
  virtual std::unique_ptr<WABSSource> GetSource(RecNo rec_no) = 0;
  virtual std::unique_ptr<WABSRepo> GetRepository(RecNo rec_no) = 0;
  virtual int IndividualCount() = 0;
  virtual int FamilyCount() = 0;
  virtual int NoteCount() = 0;
  virtual int SourceCount() = 0;
  // The rows listed under "Header Information"; count from 0 to 256.
  virtual void GetHeaderInfo(int& count, GenHeaderRecs& rows) = 0;
  // Free text of the file's header; empty when the format has none.
  virtual std::string GetHeaderText() = 0;
  virtual std::string GetVersionText() = 0;
  // The reader's own record number for a model record number, and back (0 beyond the
  // reader's table).  By default the numbers are the same.
  virtual int RecordToFileNumber(RecNo rec_no);
  virtual RecNo FileNumberToRecord(int file_number);
  // Builds every index; false when cancelled or unreadable.  A reader that fails for a reason
  // the user should read either raises ETaravellError with the message or returns false with
  // the message in GetImportError(); the shell shows it (the core never shows a message box).
  // Wherever it yields to the message loop, Import checks the cancel flag (ImportCancelled) and
  // returns false once it is raised.
  virtual bool Import() = 0;
  // Why the last Import returned false; empty when it was cancelled or did not fail.
  const std::string& GetImportError() const { return import_error_; }
  // Record number by cross-reference identifier; 0 when unknown or empty.
  virtual RecNo FindIndividual(const std::string& id);
  virtual RecNo FindFamily(const std::string& id);
  virtual RecNo FindNote(const std::string& id);
  virtual RecNo FindSource(const std::string& id);
  virtual RecNo FindRepository(const std::string& id);
  // Name of a relation code 0..36; empty beyond.
  virtual std::string GetRelationName(int code);
  // The child's name for a parent relation code 0..18 ("Son", "Dau-Ado", "Child-Ste",
  // ...) by the child's sex; empty beyond.
  virtual std::string GetChildRelationName(int parent_code, char sex);

  // What the views and the search ask of the kind of file; each reader answers for itself.

  // How identifiers compare in the sorted lists (default: as numbers).
  virtual IdOrder GetIdOrder() const;
  // Caption of the identifier in the find dialog: "RIN" by default ("REF" for GEDCOM).
  virtual std::string GetIdCaption() const;
  // Caption of the user's own reference number: "Custom" by default ("User ID" for Legacy).
  virtual std::string GetReferenceCaption() const;
  // The identifier FindIndividual takes for what the user typed in the identifier search; by
  // default the typed text itself.
  virtual std::string IdentifierFromTyped(const std::string& typed) const;
  // True when the reader can tell events as sentences (the Individual tab's check box).
  virtual bool HasSentences() const;
  // Label of the submitter's last address row in the General tab: "Country" by default.
  virtual std::string GetSubmitterCountryLabel() const;
  // The program whose identifiers the individuals carry, as an export names their source
  // ("PAF", "TMG"); empty by default.
  virtual std::string GetIdentifierSource() const;
  // True when the identifiers are the file's own cross-references, which an export may keep
  // (GEDCOM); false by default.
  virtual bool HasCrossReferenceIds() const;

  // The families' link table when the reader keeps one (none by default): the queries below
  // read husbands and wives there instead of building family records.
  virtual WFamLinks* FamLinks();

  // Queries built on the records, the same for every reader.

  // Husband (wife) of the person's first parent family; 0 when none.
  RecNo GetFatherOf(RecNo rec_no);
  RecNo GetMotherOf(RecNo rec_no);
  // True when any spouse family of the person has children.
  bool HasChildren(RecNo rec_no);
  // True when the spouse family with that index (every spouse family when the index is
  // out of range) has a sealing.
  bool HasSpouseSealing(RecNo rec_no, int family_index);
  // The sealing_index-th sealing of the person's family_index-th spouse family.
  std::unique_ptr<WABSLDSEvent> GetSpouseSealing(RecNo rec_no, int family_index, int sealing_index);
  // Full name with prefix and suffix; empty when there is no such individual.
  std::string GetIndividualName(RecNo rec_no);
  // Display name; empty when there is no such individual.
  std::string GetIndividualDisplayName(RecNo rec_no);
  // Multi-line description (name, sex, vital events, age, parents, spouses and
  // children) joined by CR LF; empty when there is no such individual.
  std::string GetIndividualSummary(RecNo rec_no);
  // Positions in the individual list: one per individual, position = record number.
  int DisplayCount();
  RecNo DisplayToRecord(int position);
  int RecordToDisplay(RecNo rec_no);

  // Damage met while reading: a reader notes every read outside its file, every chain of links
  // it had to break off and every record it could not read, and so do the views that catch a
  // reader's error; the file is still shown as far as it can be read.  The shell then tells the
  // user with kDamageNotice.
  static constexpr const char* kDamageNotice = "Parts of this file are damaged and could not be read.";
  void NoteDamage(const std::string& what) { damage_.Note(what); }
  bool MetDamage() const { return damage_.Met(); }

  const std::string& GetFileName() const { return file_name_; }

  // Files that change under an open collection.
  // Every file the collection reads: the main file by default; readers whose data lies in
  // sibling tables and memo files list those as well.  The viewer watches them and the export
  // never writes over any of them.
  virtual std::vector<std::string> SourceFiles() const;
  // Notes the identity, size and time of the source files; the open cycle calls it before
  // Import, so that ChangedOnDisk can tell a file changed while it was being read.
  void RememberSourceFiles();
  // True when a source file shrank under a read (its lost pages read as zeros), or was
  // rewritten, replaced or removed since RememberSourceFiles.
  bool ChangedOnDisk() const;
  CharSet GetCharSet() const { return char_set_; }

  // Shared relation table lookups.
  static std::string RelationName(int code);
  static std::string ChildRelationName(int parent_code, char sex);

 protected:
  // Helpers for the readers' file texts.
  // "1,234,567" for a size in bytes.
  static std::string FormatFileSize(int64_t bytes);
  // "dd mmm yyyy, h:mm AM/PM" in local time; empty when the time is not positive.
  static std::string FormatFileDate(std::time_t when);
  // Size and last-write time of a file (size -1 and time 0 when it cannot be read).
  static int64_t FileSizeOf(const std::string& path);
  static std::time_t FileTimeOf(const std::string& path);
  // The log a reader's checked views and chain guards report to (ReportDamageTo).
  WDamageLog& Damage() { return damage_; }

  std::string file_name_;
  std::string import_error_;  // set by a reader's Import before it returns false
  CharSet char_set_ = CharSet::ANSEL;

 private:
  WDamageLog damage_;
  struct SourceState {
    std::string path;
    bool present = false;
    uint64_t device = 0, inode = 0;
    int64_t size = 0, mtime_ns = 0;
  };
  static SourceState StateOf(const std::string& path);
  std::vector<SourceState> source_states_;
  uint64_t faults_at_open_ = 0;

  // Husband (father) or wife of the person's first parent family.
  RecNo ParentOf(RecNo rec_no, bool father);
};
