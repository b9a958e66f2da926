#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "export/GedcomWriter.h"
#include "model/ABSCollection.h"

class WABSCitation;
class WABSEvent;
class WABSLDSEvent;
class WABSName;
class WABSNote;
class WABSSource;

// Writes a collection of any kind as a GEDCOM 5.5.1 file (lineage-linked, UTF-8), walking the
// model the way the dump does: the header, the submitter, every individual, every family, every
// source and the repositories the sources name, and the trailer.  Records are fetched, written
// and freed one at a time, so memory does not grow with the file's texts; only a table of the
// source records (to point citations at them), the cited sources that are no records (written as
// records of their own after the file's), a byte an individual telling how its xref was made and
// the families' partners and children (so that every HUSB, WIFE and CHIL gets its FAMS or FAMC,
// gathered by a walk over the families first) are kept.
//
// Cross-references are made from record numbers: @I<n>@, @F<n>@, @S<n>@, @R<n>@ and @U1@ for
// the submitter.  An individual of a GEDCOM file keeps its own identifier as its xref when that
// is a valid one and cannot clash with another xref; every other individual keeps its identifier
// in a REFN with a TYPE that names where it came from.
//
// The walk yields to the message loop every few hundred records and stops when the cancel flag
// is raised, like the dump.
class WGedcomExport {
 public:
  struct Counts {
    int individuals = 0;
    int families = 0;
    int sources = 0;
    int repositories = 0;
  };
  // Changed: the source changed on disk while it was read; nothing was written.
  enum class Result { Written, Cancelled, Failed, Changed };

  explicit WGedcomExport(WABSCollection& collection);
  ~WGedcomExport();
  WGedcomExport(const WGedcomExport&) = delete;
  WGedcomExport& operator=(const WGedcomExport&) = delete;

  // The program version the header names (default: major.minor of this build).
  void SetProgramVersion(const std::string& version) { program_version_ = version; }
  // The file name the header names (WriteFile sets it from its path).
  void SetFileName(const std::string& name) { file_name_ = name; }
  // The moment the header's DATE and TIME give (default: now).
  void SetTime(std::time_t when) { when_ = when; }

  // Writes the whole file through the sink; false when the cancel flag stopped it.
  bool WriteAll(const WGedcomWriter::Sink& sink);

  // Writes the file at `path`: into a temporary file beside it, renamed to `path` once complete;
  // removed again when cancelled or failed, or when the source changed on disk meanwhile.
  // Refuses to write over any file the collection reads (by device and inode, so links and
  // other spellings of a path are caught).
  // On failure `error` holds the message.
  Result WriteFile(const std::string& path, std::string& error);

  // True when `path` names one of the files the collection reads.
  bool WritesOverSource(const std::string& path) const;

  // The records written so far.
  const Counts& GetCounts() const { return counts_; }
  // Individuals, families and sources to write: the whole walk, for progress.
  int RecordTotal();

  // The xref of individual n ("I12", or the GEDCOM file's own identifier).
  std::string IndividualXref(RecNo n);

 private:
  void WriteHeader();
  void WriteSubmitter();
  void WriteIndividual(RecNo n);
  void WriteFamily(RecNo n);
  void WriteSource(RecNo n);
  // The SOUR record of a source under the xref.
  void WriteSourceRecord(const std::string& xref, WABSSource& source);
  // Notes which families list each person as partner or child: the FAMS and FAMC lines the
  // person's own lists lack are added, so that every HUSB, WIFE and CHIL is answered.
  void GatherFamilyMembers();
  // The families of `member` that list `person`, in order (one of the gathered tables).
  static void FamiliesOf(const std::vector<std::pair<RecNo, RecNo>>& members, RecNo person,
                         std::vector<RecNo>& out);
  void WriteRepository(RecNo n);
  void WritePlaceholder(const char* prefix, const char* tag, RecNo n, const std::string& why);

  void WriteName(WABSName& name);
  // An event of a person (vital or other) under its tag.
  void WriteEvent(int level, std::string_view tag, bool vital, WABSEvent& event, std::string_view type);
  void WriteOrdinance(int level, const char* tag, WABSLDSEvent& ordinance, RecNo sealing_family);
  // An ordinance's status or date, and its temple (TEMP) or place.
  void WriteOrdinanceDateAndPlace(int level, WABSEvent& ordinance);
  void WriteDate(int level, WABSEvent& event);
  // The place; with its details, its note and the citations that are not among the event's.
  void WritePlace(int level, WABSEvent& event, bool with_details,
                  const std::vector<std::string>& event_citations = {});
  void WriteNote(int level, const WABSNote* note);
  void WriteCitation(int level, WABSCitation& citation);
  void WriteCitations(int level, int count, const std::function<std::unique_ptr<WABSCitation>(int)>& get);

  // The xref of individual n whose identifier is `id`.
  std::string XrefOf(RecNo n, const std::string& id);
  // The id of individual n as its xref when it may serve as one.
  bool IsKeptIdentifier(RecNo n, const std::string& id);
  // The source record a citation's source is, by its content; 0 when none.
  RecNo SourceRecordOf(WABSSource& source);
  // The record number a cited source that is no record of the file gets: a record of its own,
  // written after the file's sources.
  RecNo ExtraSourceOf(std::unique_ptr<WABSSource> source);
  static uint64_t SourceKey(WABSSource& source);
  bool RepositoryExists(RecNo n);

  WABSCollection& collection_;
  std::unique_ptr<WGedcomWriter> out_;
  std::string program_version_;
  std::string file_name_;
  std::time_t when_ = 0;
  Counts counts_;
  bool keep_ids_ = false;  // GEDCOM: individuals keep their identifiers as xrefs where they can
  // What the individuals' xrefs turned out to be, so that the families need not find out again:
  // one byte an individual, only for files that keep their identifiers.  kXrefMade: the xref is
  // "I<n>" (made, or an identifier that reads so); kXrefKept: the identifier, fetched again.
  enum XrefKind : uint8_t { kXrefUnknown, kXrefKept, kXrefMade };
  std::vector<XrefKind> xref_kinds_;
  bool sources_indexed_ = false;
  std::unordered_map<uint64_t, RecNo> source_by_key_;
  std::unordered_map<uint64_t, RecNo> extra_source_by_key_;
  std::vector<std::unique_ptr<WABSSource>> extra_sources_;  // numbered from SourceCount() + 1
  // (person, family) pairs from the families' HUSB/WIFE and CHIL, sorted.
  std::vector<std::pair<RecNo, RecNo>> partners_, children_;
  std::string export_date_;  // the header's DATE
  std::vector<RecNo> repositories_;  // the repositories found to exist, in order of first asking
  std::unordered_map<RecNo, bool> repository_exists_;
};
