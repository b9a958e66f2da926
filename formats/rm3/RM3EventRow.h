#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/ABSCitation.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

class WRM3Collection;
class WRM3Date;

// What the event records of a row of table E share: its citations (links of subtype 3 to its
// eventid, at most 500, found on first use), its note and its description.
class WRM3EventRow {
 public:
  WRM3EventRow(WRM3Collection& collection, int pos) : collection_(collection), pos_(pos) {}

  int Position() const { return pos_; }
  int CitationCount();
  // Citation i (1-based); none outside 1..CitationCount.
  std::unique_ptr<WABSCitation> Citation(int i);
  // The Note memo as a one-line note; none when empty.
  std::unique_ptr<WABSNote> Note() const;
  // The Details memo with form feeds as blanks, trimmed.
  std::string Description() const;
  std::unique_ptr<WRM3Date> Date() const;
  std::unique_ptr<WRM3Date> SortDate() const;
  // The event's place: an ordinary place, or (ordinances) one that may be a temple; none
  // when PLACEID is not positive.
  std::unique_ptr<WABSPlace> Place(bool may_be_temple) const;
  // Citation i of a list of link positions of table L.
  static std::unique_ptr<WABSCitation> CitationOf(WRM3Collection& collection, const std::vector<int>& links,
                                                  int i);

 private:
  WRM3Collection& collection_;
  int pos_;
  std::vector<int> citations_;
  bool citations_found_ = false;
};
