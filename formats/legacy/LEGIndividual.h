#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "formats/legacy/LEGCitationList.h"
#include "model/ABSIndividual.h"

class WDate;
class WIndLinks;
class WLEGCollection;

// Individual number n: the n-th "TBLIR" identifier in ascending order.  The record number it
// stores is its "IDIR"; every field is read from its row (sought again only when another row
// was sought in between).
class WLEGIndividual : public WABSIndividual {
 public:
  WLEGIndividual(WLEGCollection& collection, RecNo number);
  ~WLEGIndividual() override;

  void FreeCache() override;
  void Load(RecNo number) override;
  std::string GetID() override;
  std::string GetReferenceNumber() override;
  std::string GetAFN() override;
  char GetSex() override;
  const WDate* GetCreationDate() override;
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
  // True exactly when "Living" is 0, whatever the years.
  bool IsLiving(int years) override;
  bool HasNoParents() override;
  bool HasNoSpouseFamilies() override;
  int CitationCount() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  std::unique_ptr<WABSNote> GetNote() override;
  int PictureCount() override;
  std::string GetPictureFile(int i) override;
  std::string GetPrimaryPictureFile() override;
  std::string GetRecordText() override;

 private:
  std::string Text(const char* field);
  int32_t Int(const char* field);
  // The person's "TBLER" events, listed once.
  const std::vector<int32_t>& Events();
  // Puts the family named by the field first among the person's parent (spouse) families.
  void FixPrimaryParent();
  void FixPrimarySpouse();

  WLEGCollection& collection_;
  WIndLinks* links_ = nullptr;
  RecNo number_ = 0;
  int32_t idir_ = 0;
  std::unique_ptr<WDate> created_, changed_;
  bool dates_loaded_ = false;
  std::unique_ptr<std::vector<int32_t>> events_;
  std::unique_ptr<WLEGCitationList> citations_;
  bool parent_checked_ = false, spouse_checked_ = false;
};
