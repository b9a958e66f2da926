#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/ABSCollectionItem.h"

class WABSCitation;
class WABSLDSEvent;
class WABSName;
class WABSNote;
class WABSVitEvent;
class WABSWitness;
class WDate;
class WDateDiff;

// A person.  Each reader derives its own class; the derived texts below are built
// from the virtual operations and read the settings at every call.
//
// Construction: the base constructor only stores the record number.  A reader's
// constructor calls its own Load (virtual calls do not reach a derived class from
// the base constructor), and a reader whose cache needs more than its members'
// destructors calls FreeCache from its own destructor.
class WABSIndividual : public WABSCollectionItem {
 public:
  explicit WABSIndividual(RecNo rec_no = 0) : WABSCollectionItem(rec_no) {}
  ~WABSIndividual() override = default;

  // Clears per-record parsed state before loading.
  virtual void Reset();
  // Frees cached objects (dates, arrays).
  virtual void FreeCache() = 0;
  // Binds to the record and parses it; raises EMemoryError ("Error getting pointer to
  // individual %d") when the record cannot be reached.
  virtual void Load(RecNo rec_no) = 0;
  // The record's identifier in the file.
  virtual std::string GetID() = 0;
  virtual std::string GetReferenceNumber() = 0;
  virtual std::string GetAFN() = 0;
  // 'M', 'F' or 'U'; any other letter counts as 'U'.
  virtual char GetSex() = 0;
  // Owned by the individual.
  virtual const WDate* GetCreationDate() = 0;
  virtual const WDate* GetChangeDate() = 0;
  virtual std::unique_ptr<WABSName> GetName() = 0;
  // Kinds 1 to 4: 1 when the event exists, else 0; kind 6: number of other events;
  // other kinds 0.
  virtual int EventCount(int kind) = 0;
  // Kinds 1 to 4 use index 1; kind 6: the index-th other event (1-based).
  virtual std::unique_ptr<WABSVitEvent> GetEvent(int kind, int index) = 0;
  // Kinds 7, 8, 9.
  virtual std::unique_ptr<WABSLDSEvent> GetLDSEvent(int kind) = 0;
  virtual int ParentFamilyCount() = 0;
  // The i-th parent family (1-based); 0 when out of range.
  virtual RecNo GetParentFamily(int i) = 0;
  // As GetParentFamily plus the relation codes of the child to the mother and to the
  // father; false when out of range.
  virtual bool GetParentFamilyLink(int i, RecNo& family, int& mother_relation, int& father_relation) = 0;
  virtual int SpouseFamilyCount() = 0;
  virtual RecNo GetSpouseFamily(int i) = 0;
  // Events of other people at which this person was a witness.
  virtual int WitnessCount();
  virtual std::unique_ptr<WABSWitness> GetWitness(int i);
  // True unless dead by a dated death or burial, when born (or christened) less than
  // `years` years before the current year.
  virtual bool IsLiving(int years);
  virtual bool HasNoParents() = 0;
  virtual bool HasNoSpouseFamilies() = 0;
  virtual int CitationCount() = 0;
  virtual std::unique_ptr<WABSCitation> GetCitation(int i) = 0;
  virtual std::unique_ptr<WABSNote> GetNote() = 0;
  virtual int PictureCount() = 0;
  // Full path of the i-th existing picture file; empty when none.
  virtual std::string GetPictureFile(int i) = 0;
  virtual std::string GetPrimaryPictureFile() = 0;
  virtual std::string GetRecordText() = 0;

  // Derived texts, the same for every reader.

  // The name as the settings PreSuf, NameSlash and NameUpper ask; empty without a name.
  std::string GetFullName(bool with_prefix_suffix);
  // GetFullName(true) plus the identifier suffix chosen by FNValueFlag and FNValue.
  std::string GetDisplayName();
  // "<name>, (b. <date>, <place>), (d. <date>, <place>)"; the display name, or the
  // full name without prefix and suffix when `display_name` is false.
  std::string GetNameWithLifespan(bool display_name = true);
  std::string GetGivenNamesText();
  std::string GetSurnameText();
  std::string GetEventDateText(int kind, int index = 1);
  std::string GetEventPlaceText(int kind, int index = 1);
  // "<date>, <place>" when the event exists; empty otherwise.
  std::string GetEventDatePlaceText(int kind, int index = 1);
  bool HasDatedEvent(int kind, int index = 1);
  // Year of the event's date; 0 when no event, no date or an invalid date.
  int GetEventYear(int kind, int index = 1);
  bool HasLDSEvent(int kind);
  std::string GetNoteText();
  std::string GetCitationsText();
  std::string GetChangeDateText();

  // Age from birth (or christening) to death (or burial, or today).  Returns true and
  // fills `age` when both dates exist and their difference can be computed;
  // `approximate` is set when christening or burial stood in, `suffix` is "?" when the
  // end date is today.
  bool ComputeAge(WDateDiff& age, bool& approximate, std::string& suffix);
  // "[" when approximate, the age, the suffix, "]" when approximate; empty without an
  // age or above 110 years.
  std::string GetAgeText();

 protected:
  int32_t witness_count_ = 0;
};
