#pragma once

#include <memory>
#include <string>
#include <vector>

#include "formats/tmg/TMGPrimeEventArray.h"
#include "model/ABSCitation.h"
#include "model/ABSIndividual.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

class WTMGCollection;

// A person: a row of the people table.  Its name is the chosen one among its name rows (the
// primary one, or the first), the others being alternate names listed among its other events;
// its birth, death and the rest are the events chosen for it once per collection; families come
// from the collection's link tables.
class WTMGIndividual : public WABSIndividual {
 public:
  WTMGIndividual(WTMGCollection& collection, RecNo rec_no);
  ~WTMGIndividual() override;

  void FreeCache() override;
  void Load(RecNo rec_no) override;
  std::string GetID() override;
  std::string GetReferenceNumber() override;
  std::string GetAFN() override { return std::string(); }
  char GetSex() override;
  const WDate* GetCreationDate() override { return nullptr; }
  const WDate* GetChangeDate() override;
  std::unique_ptr<WABSName> GetName() override;
  int EventCount(int kind) override;
  std::unique_ptr<WABSVitEvent> GetEvent(int kind, int index) override;
  std::unique_ptr<WABSLDSEvent> GetLDSEvent(int kind) override;
  int ParentFamilyCount() override;
  RecNo GetParentFamily(int i) override;
  bool GetParentFamilyLink(int i, RecNo& family, int& mother_relation, int& father_relation) override;
  int SpouseFamilyCount() override;
  RecNo GetSpouseFamily(int i) override;
  int WitnessCount() override;
  std::unique_ptr<WABSWitness> GetWitness(int i) override;
  // LIVING starts with "Y" (whatever the number of years).
  bool IsLiving(int years) override;
  bool HasNoParents() override { return ParentFamilyCount() == 0; }
  bool HasNoSpouseFamilies() override { return SpouseFamilyCount() == 0; }
  int CitationCount() override { return 0; }
  std::unique_ptr<WABSCitation> GetCitation(int) override { return nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }
  int PictureCount() override { return 0; }
  std::string GetPictureFile(int) override { return std::string(); }
  std::string GetPrimaryPictureFile() override { return std::string(); }
  std::string GetRecordText() override { return std::string(); }

  // The person's PER_NO.
  int PersonId() const { return id_; }

 protected:
  WTMGCollection& collection_;
  int id_ = 0;

 private:
  // One entry of the other events: an alternate name or an event.
  struct Other {
    bool is_name;
    int pos;
  };
  void ChooseNames();
  void ListOtherEvents();
  void ListWitnesses();
  const WTMGPrimeEventArray::Entry& Chosen();

  bool names_chosen_ = false;
  int name_pos_ = 0;
  std::vector<int> alternate_names_;
  bool chosen_read_ = false;
  WTMGPrimeEventArray::Entry chosen_;
  bool others_listed_ = false;
  std::vector<Other> others_;
  bool witnesses_listed_ = false;
  std::vector<int> witnesses_;
  std::unique_ptr<WDate> change_date_;
};
