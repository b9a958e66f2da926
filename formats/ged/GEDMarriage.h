#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/ABSMarriage.h"

class WGEDCollection;
class WGEDTextMMF;

// A GEDCOM family record (0 @F1@ FAM).  Spouses and children come from the family link
// table; the MARR, SLGS, NOTE and SOUR lines are found anywhere in the record.
class WGEDMarriage : public WABSMarriage {
 public:
  // Family record n; raises EIndexError above FamilyCount.
  WGEDMarriage(WGEDCollection& collection, RecNo n);

  // The DATE line directly after the MARR line, if that is the next line.
  void LoadDate() override;
  RecNo GetHusband() override;
  RecNo GetWife() override;
  RecNo GetChild(int i) override;
  int SpouseCount() override;
  void OrderChildren() override;
  int SealingCount() override { return sealing_ ? 1 : 0; }
  std::unique_ptr<WABSLDSEvent> GetSealing(int i) override;
  // The first PLAC line among the level-2 lines right after the MARR line.
  std::string GetPlaceText() override;
  std::string GetRecordText() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  std::unique_ptr<WABSNote> GetNote() override;

 private:
  WGEDCollection& collection_;
  const WGEDTextMMF& text_;
  const char* record_;
  const char* marriage_ = nullptr;
  const char* sealing_ = nullptr;
  const char* note_ = nullptr;
  std::vector<const char*> citations_;
};
