#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/ftm/FTWCitation.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSMarriage.h"

class WFTWCollection;
class WFamLinks;

// A Family Tree Maker family: spouses and children from the family link table, the
// marriage date, place, note and citations from its family record in the slot store (the
// family's key in the link table).
class WFTWMarriage : public WABSMarriage {
 public:
  WFTWMarriage(WFTWCollection& collection, RecNo n);

  // The marriage date; none when the record's date word holds none.
  void LoadDate() override;
  RecNo GetHusband() override;
  RecNo GetWife() override;
  RecNo GetChild(int i) override;
  int SpouseCount() override;
  void OrderChildren() override;
  int SealingCount() override { return 0; }
  std::unique_ptr<WABSLDSEvent> GetSealing(int) override { return nullptr; }
  std::string GetPlaceText() override;
  std::string GetRecordText() override { return std::string(); }
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  std::unique_ptr<WABSNote> GetNote() override;

 private:
  int32_t RecordInt(int at) const;

  WFTWCollection& collection_;
  WFamLinks* links_ = nullptr;
  int32_t slot_ = 0;  // the family record's slot; 0 when it cannot be located
  std::vector<CitationRec> citations_;
};
