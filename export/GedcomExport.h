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
// and freed one at a time, so memory does not grow with the file; only a table of the source
// records (to point citations at them) and a byte an individual telling how its xref was made
// are kept.
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
  void WriteRepository(RecNo n);
  void WritePlaceholder(const char* prefix, const char* tag, RecNo n, const std::string& why);

  void WriteName(WABSName& name);
  // An event of a person (vital or other) under its tag.
  void WriteEvent(int level, std::string_view tag, bool vital, WABSEvent& event, std::string_view type);
  void WriteOrdinance(int level, const char* tag, WABSLDSEvent& ordinance, RecNo sealing_family);
  void WriteDate(int level, WABSEvent& event);
  void WritePlace(int level, WABSEvent& event, bool with_details);
  void WriteNote(int level, const WABSNote* note);
  void WriteCitation(int level, WABSCitation& citation);
  void WriteCitations(int level, int count, const std::function<std::unique_ptr<WABSCitation>(int)>& get);

  // The xref of individual n whose identifier is `id`.
  std::string XrefOf(RecNo n, const std::string& id);
  // The id of individual n as its xref when it may serve as one.
  bool IsKeptIdentifier(RecNo n, const std::string& id);
  // The source record a citation's source is, by its content; 0 when none.
  RecNo SourceRecordOf(WABSSource& source);
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
  std::vector<RecNo> repositories_;  // the repositories found to exist, in order of first asking
  std::unordered_map<RecNo, bool> repository_exists_;
};
