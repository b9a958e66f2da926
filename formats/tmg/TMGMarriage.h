#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/ABSCitation.h"
#include "model/ABSMarriage.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

class WTMGCollection;

// A family built at import: spouses and children from the link tables, and, when a marriage
// event made it, that event's date, place, citations and memo.
class WTMGMarriage : public WABSMarriage {
 public:
  WTMGMarriage(WTMGCollection& collection, RecNo family);

  void LoadDate() override;
  void LoadSortDate() override;
  RecNo GetHusband() override;
  RecNo GetWife() override;
  RecNo GetChild(int i) override;
  int SpouseCount() override;
  void OrderChildren() override;
  // Made from relationships alone, without a marriage event.
  bool IsSynthesized() override { return event_pos_ < 1; }
  int SealingCount() override;
  std::unique_ptr<WABSLDSEvent> GetSealing(int i) override;
  std::string GetPlaceText() override;
  std::string GetRecordText() override { return std::string(); }
  int CitationCount() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  // The marriage event's memo whenever it names one, even an empty one.
  std::unique_ptr<WABSNote> GetNote() override;

  // Most sealings one family lists.
  static constexpr size_t kMaxSealings = 100;

 private:
  void ListSealings();

  WTMGCollection& collection_;
  int event_pos_;
  std::vector<int> citations_;
  bool citations_found_ = false;
  bool sealings_listed_ = false;
  std::vector<int> sealings_;
};
