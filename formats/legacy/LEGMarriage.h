#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "formats/legacy/LEGCitationList.h"
#include "model/ABSMarriage.h"

class WFamLinks;
class WLEGCollection;

// Family number n: the n-th "TBLMR" identifier in ascending order.  Spouses and children come
// from the link tables; the date, place, sealing and note from the family's row.
class WLEGMarriage : public WABSMarriage {
 public:
  WLEGMarriage(WLEGCollection& collection, RecNo number);

  void LoadDate() override;
  RecNo GetHusband() override;
  RecNo GetWife() override;
  RecNo GetChild(int i) override;
  int SpouseCount() override;
  void OrderChildren() override;
  int SealingCount() override;
  std::unique_ptr<WABSLDSEvent> GetSealing(int i) override;
  std::string GetPlaceText() override;
  std::string GetRecordText() override { return std::string(); }
  int CitationCount() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  std::unique_ptr<WABSNote> GetNote() override;

 private:
  std::string Text(const char* field);

  WLEGCollection& collection_;
  WFamLinks* links_ = nullptr;
  RecNo number_ = 0;
  int32_t idmr_ = 0;
  std::unique_ptr<WLEGCitationList> citations_;
};
