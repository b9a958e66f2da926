#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/ABSIndividual.h"

class WGEDCollection;
class WGEDTextMMF;
struct GEDIndElement;

// A GEDCOM individual record (0 @I1@ INDI).  The positions of its most-used lines (name,
// vital events, ordinances, change date, first note, sex) are cached in the individual
// index the first time it is loaded, so later loads go straight to them.  The lines an
// individual lists (citations, other events, the reference number) are found by one walk
// over the record, the one that fills the cache when that is still to be done.
class WGEDIndividual : public WABSIndividual {
 public:
  // Individual n, loaded; raises EIndexError outside 1..IndividualCount.
  WGEDIndividual(WGEDCollection& collection, RecNo n);
  ~WGEDIndividual() override;

  // Clears the line cache: no lines, sex "U", no flags.
  void Reset() override;
  void FreeCache() override {}
  // Binds to individual n and fills its line cache unless that was done before.
  void Load(RecNo n) override;
  std::string GetID() override;
  std::string GetReferenceNumber() override;
  std::string GetAFN() override;
  char GetSex() override;
  const WDate* GetCreationDate() override { return nullptr; }
  const WDate* GetChangeDate() override;
  std::unique_ptr<WABSName> GetName() override;
  int EventCount(int kind) override;
  std::unique_ptr<WABSVitEvent> GetEvent(int kind, int index) override;
  std::unique_ptr<WABSLDSEvent> GetLDSEvent(int kind) override;
  int ParentFamilyCount() override;
  RecNo GetParentFamily(int i) override;
  // The parent family with the natural relations (mother 7, father 1); always true.
  bool GetParentFamilyLink(int i, RecNo& family, int& mother_relation, int& father_relation) override;
  int SpouseFamilyCount() override;
  RecNo GetSpouseFamily(int i) override;
  bool HasNoParents() override { return ParentFamilyCount() == 0; }
  bool HasNoSpouseFamilies() override { return SpouseFamilyCount() == 0; }
  int CitationCount() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  // The first NOTE line's note; every further level-1 note is added as one more line.
  std::unique_ptr<WABSNote> GetNote() override;
  int PictureCount() override { return 0; }
  std::string GetPictureFile(int) override { return std::string(); }
  std::string GetPrimaryPictureFile() override { return std::string(); }
  // The record as it stands in the file, with CR LF line breaks.
  std::string GetRecordText() override;

  // At most this many other events are listed.
  static constexpr size_t kMaxOtherEvents = 999;

 private:
  // Walks the record's level-1 lines once: fills the line cache when asked, and always finds
  // the listed lines (SOUR, REFN, other events).
  void ScanRecord(bool fill_cache);
  void CacheLine(const char* line, uint32_t tag);
  void ListLine(const char* line, uint32_t tag);
  // The cached line at a distance from the record line; none for distance 0.
  const char* CachedLine(uint32_t distance) const;
  // The listed lines, found on first use unless the walk that filled the cache found them.
  void FindListedLines();

  WGEDCollection& collection_;
  const WGEDTextMMF& text_;
  GEDIndElement* cache_ = nullptr;
  const char* record_ = nullptr;
  bool lists_found_ = false;
  std::vector<const char*> citations_;
  std::vector<const char*> other_events_;
  const char* refn_line_ = nullptr;  // the first level-1 REFN line
  bool change_date_done_ = false;
  std::unique_ptr<WDate> change_date_;
};
