#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/CheckedView.h"
#include "formats/paf/PAFCitationList.h"
#include "formats/paf/PAFLayout.h"
#include "model/ABSIndividual.h"

class WPAFCollection;

// What individuals of every PAF version share: the walks along the links stored in the record
// (parent families through child links, spouse families through the marriage records, the
// citation chain, other events), the time stamps and the dispatch of events by kind.  The
// versions supply the record's own layout of names, events and ordinances.
//
// RecNo is the individual's list position; GetID gives its RIN.
class WPAFIndividual : public WABSIndividual {
 public:
  // On the located individual record at `record` (file offset) with the given RIN.
  WPAFIndividual(WPAFCollection& collection, RecNo position, int32_t rin, uint64_t record);
  ~WPAFIndividual() override;

  void FreeCache() override;
  // Binds to the individual at another list position; EMemoryError when its record cannot be
  // located.
  void Load(RecNo rec_no) override;
  std::string GetID() override;
  char GetSex() override;
  const WDate* GetCreationDate() override;
  const WDate* GetChangeDate() override;
  // Kind 6: the number of other events; every other kind 1 (GetEvent tells whether it is there).
  int EventCount(int kind) override;
  std::unique_ptr<WABSVitEvent> GetEvent(int kind, int index) override;
  std::unique_ptr<WABSLDSEvent> GetLDSEvent(int kind) override;
  int ParentFamilyCount() override;
  RecNo GetParentFamily(int i) override;
  // Natural links: mother 7, father 1.
  bool GetParentFamilyLink(int i, RecNo& family, int& mother_relation, int& father_relation) override;
  int SpouseFamilyCount() override;
  RecNo GetSpouseFamily(int i) override;
  bool HasNoParents() override;
  bool HasNoSpouseFamilies() override;
  int CitationCount() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  std::unique_ptr<WABSNote> GetNote() override;
  int PictureCount() override;
  std::string GetPictureFile(int i) override;
  std::string GetPrimaryPictureFile() override;
  std::string GetRecordText() override;

  // Builds the list of other events once.
  virtual void LoadOtherEvents() = 0;

  int32_t Rin() const { return rin_; }

 protected:
  // A new vital event on the event bytes at `event` when the record has one there; none else.
  virtual std::unique_ptr<WABSVitEvent> MakeVitalEvent(uint64_t event) = 0;
  // A new ordinance on the ordinance bytes at `ordinance` when the record has one; none else.
  virtual std::unique_ptr<WABSLDSEvent> MakeLDSEvent(uint64_t ordinance) = 0;
  // The i-th other event (1-based); none outside.
  virtual std::unique_ptr<WABSVitEvent> GetOtherEvent(int i) = 0;
  // The offset of the creation time stamp in the record; 0 when the version keeps none.
  virtual uint32_t CreationTimeOffset() const { return 0; }
  // Called after Load bound another record, for what a version keeps beside it.
  virtual void BindExtras() {}
  // Collects the other-event records of the chain from `first` (at most 1000); the link to the
  // next record is the record's first int32.
  void CollectOtherEvents(int32_t first);

  WPAFCollection& collection_;
  WCheckedView view_;
  const WPAFLayout& layout_;
  int32_t rin_;
  uint64_t record_;                     // the individual record R
  std::vector<uint64_t> other_events_;  // file offsets of the other-event records
  bool others_loaded_ = false;

 private:
  void LoadParents();
  void LoadSpouses();
  const WDate* TimeStampDate(uint32_t offset, std::unique_ptr<WDate>& date, bool& loaded);

  std::unique_ptr<WDate> creation_date_;
  std::unique_ptr<WDate> change_date_;
  bool creation_loaded_ = false;
  bool change_loaded_ = false;
  std::vector<int32_t> parents_;  // child-link record numbers
  std::vector<int32_t> spouses_;  // MRINs
  WPAFCitationList citations_;
  bool parents_loaded_ = false;
  bool spouses_loaded_ = false;
};
