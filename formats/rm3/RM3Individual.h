#pragma once

#include <memory>
#include <string>
#include <vector>

#include "formats/rm3/RM3PrimeEventArray.h"
#include "model/ABSIndividual.h"

class WRM3Collection;

// A person: the row of table I at a position.  The chosen vital events and ordinances come
// from the collection's per-person cache; the other events are the person's remaining
// events, found anew at every request.
class WRM3Individual : public WABSIndividual {
 public:
  WRM3Individual(WRM3Collection& collection, RecNo pos);
  ~WRM3Individual() override;

  void FreeCache() override;
  void Load(RecNo rec_no) override;
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
  bool GetParentFamilyLink(int i, RecNo& family, int& mother_relation, int& father_relation) override;
  int SpouseFamilyCount() override;
  RecNo GetSpouseFamily(int i) override;
  // Living when the Living field says so; the years are not looked at.
  bool IsLiving(int years) override;
  bool HasNoParents() override;
  bool HasNoSpouseFamilies() override;
  int CitationCount() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  std::unique_ptr<WABSNote> GetNote() override;
  int PictureCount() override { return 0; }
  std::string GetPictureFile(int) override { return std::string(); }
  std::string GetPrimaryPictureFile() override { return std::string(); }
  std::string GetRecordText() override { return std::string(); }

 private:
  // The chosen event of a slot (0: none); the person's entry is fetched on first need.
  int Chosen(WRM3PrimeEventArray::Slot slot);
  const WRM3PrimeEventArray::Entry& Entry();
  // The positions of the other events, in event order.
  std::vector<int> OtherEvents();
  // The description of the chosen event of a slot.
  std::string DescriptionOf(WRM3PrimeEventArray::Slot slot);

  WRM3Collection& collection_;
  int id_ = 0;
  WRM3PrimeEventArray::Entry entry_{};
  bool entry_read_ = false;
  std::unique_ptr<WDate> change_date_;
  bool change_date_read_ = false;
  std::vector<int> citations_;
  bool citations_found_ = false;
};
