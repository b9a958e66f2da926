#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/ftm/FTWCitation.h"
#include "formats/ftm/FTWCollection.h"
#include "model/ABSIndividual.h"

class WFTWDate;
class WIndLinks;

// A person of a Family Tree Maker file: a 128-byte record of the individual table (sex,
// name, birth and death, the slots of its note, citations, families and facts).  Its facts
// are read from the slot store on first need; the six named facts (record change, the
// three ordinances, christening, burial) are taken out of the list, and what remains are
// the person's other events.
class WFTWIndividual : public WABSIndividual {
 public:
  // One entry of the fact table: the fact's key and the slot of its data.  A fact of the
  // record's own fact slot has no key: `number` (1 to 7) names its place in that slot, `data`
  // the slot.
  struct Fact {
    int key = 0;
    int32_t data = 0;
    int number = 0;
  };

  WFTWIndividual(WFTWCollection& collection, RecNo n);
  ~WFTWIndividual() override;

  void Reset() override;
  void FreeCache() override;
  void Load(RecNo n) override;
  std::string GetID() override { return std::to_string(rec_no_); }
  std::string GetReferenceNumber() override { return std::string(); }
  std::string GetAFN() override { return std::string(); }
  char GetSex() override;
  const WDate* GetCreationDate() override { return nullptr; }
  // The date of the "Record Change" fact; none without one.
  const WDate* GetChangeDate() override;
  std::unique_ptr<WABSName> GetName() override;
  int EventCount(int kind) override;
  std::unique_ptr<WABSVitEvent> GetEvent(int kind, int index) override;
  std::unique_ptr<WABSLDSEvent> GetLDSEvent(int kind) override;
  int ParentFamilyCount() override;
  RecNo GetParentFamily(int i) override;
  // Natural links only: mother relation 7, father relation 1.
  bool GetParentFamilyLink(int i, RecNo& family, int& mother_relation, int& father_relation) override;
  int SpouseFamilyCount() override;
  RecNo GetSpouseFamily(int i) override;
  bool HasNoParents() override { return ParentFamilyCount() == 0; }
  bool HasNoSpouseFamilies() override { return SpouseFamilyCount() == 0; }
  int CitationCount() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  std::unique_ptr<WABSNote> GetNote() override;
  int PictureCount() override { return 0; }
  std::string GetPictureFile(int) override { return std::string(); }
  std::string GetPrimaryPictureFile() override { return std::string(); }
  std::string GetRecordText() override { return std::string(); }

 private:
  // Reads the fact table once and takes the named facts out of it.
  void LoadFacts();
  // The facts of the record's own fact slot (at 28), for records whose fact reference names
  // no fact list.
  void LoadSlotFacts();
  // The event of a fact's data slot with the fact's key and the given kind.
  std::unique_ptr<WABSVitEvent> FactEvent(int kind, const Fact& fact);
  int32_t RecordInt(int at) const;
  uint32_t RecordWord(int at) const { return static_cast<uint32_t>(RecordInt(at)); }

  WFTWCollection& collection_;
  WIndLinks* links_ = nullptr;
  uint64_t record_ = 0;  // file offset of the record; 0 when none
  bool facts_loaded_ = false;
  std::vector<Fact> facts_;
  std::array<Fact, WFTWCollection::kNamedFactCount> named_{};
  std::unique_ptr<WFTWDate> change_date_;
  bool citations_loaded_ = false;
  std::vector<CitationRec> citations_;
};
