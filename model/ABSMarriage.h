#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/ABSCollectionItem.h"

class WABSCitation;
class WABSLDSEvent;
class WABSNote;
class WDate;

// A family: up to two spouses and their children, whether or not they married.  The
// marriage date and the sort date belong to the family (LoadDate fills `date_`).
class WABSMarriage : public WABSCollectionItem {
 public:
  explicit WABSMarriage(RecNo rec_no = 0);
  ~WABSMarriage() override;

  // Loads the marriage date into `date_` when not yet loaded.
  virtual void LoadDate() = 0;
  // Loads the sort date; by default the marriage date itself serves, shared.
  virtual void LoadSortDate();
  // 0 when none.
  virtual RecNo GetHusband() = 0;
  virtual RecNo GetWife() = 0;
  // The i-th child (1-based) in the current order; 0 when out of range.
  virtual RecNo GetChild(int i) = 0;
  // Number of spouses present: 0, 1 or 2.
  virtual int SpouseCount() = 0;
  // Brings the children into display order; repeated calls change nothing.
  virtual void OrderChildren() = 0;
  // True when the reader built the family from relationships alone.
  virtual bool IsSynthesized();
  virtual int SealingCount() = 0;
  virtual std::unique_ptr<WABSLDSEvent> GetSealing(int i) = 0;
  virtual std::string GetPlaceText() = 0;
  virtual std::string GetRecordText() = 0;
  virtual int CitationCount();
  virtual std::unique_ptr<WABSCitation> GetCitation(int i) = 0;
  virtual std::unique_ptr<WABSNote> GetNote() = 0;

  int ChildCount() const { return child_count_; }
  // The wife when `spouse` is the husband, otherwise the husband.
  RecNo GetOtherSpouse(RecNo spouse);
  const WDate* GetDate();
  const WDate* GetSortDate();
  std::string GetDateText();
  std::string GetSortDateText();
  // Date text, then ", " and the place text when the place text is not empty.
  std::string GetDatePlaceText();
  std::string GetNoteText();
  std::string GetCitationsText();

 protected:
  // Replaces the sort date; the old one is freed unless it was the shared date.
  void SetOwnSortDate(std::unique_ptr<WDate> date);

  int32_t child_count_ = 0;
  std::unique_ptr<WDate> date_;
  // Meaningful only when `sort_date_shared_` is false; when shared, the sort date is `date_`.
  std::unique_ptr<WDate> sort_date_;
  bool sort_date_shared_ = false;
  int32_t citation_count_ = 0;
};
