#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/RecNo.h"

class WABSCitation;
class WABSNote;
class WABSPlace;
class WTMGCollection;

// What every event read from the events table shares, whatever model class shows it (a vital
// event, an LDS ordinance, a family's sealing): its date, place, citations and note.  The
// record classes hold one and forward to it.
class WTMGEvent {
 public:
  WTMGEvent(WTMGCollection& collection, int event_pos);

  int Position() const { return pos_; }
  std::string DateText() const;
  std::string SortDateText() const;
  std::unique_ptr<WABSPlace> Place() const;
  // The event's citations (kind "E" on its RECNO), found on first need.
  int CitationCount() const { return static_cast<int>(Citations().size()); }
  std::unique_ptr<WABSCitation> Citation(int i) const;
  // The event's memo as a note, with the event's sentence when sentences are shown.
  std::unique_ptr<WABSNote> Note() const;

 private:
  const std::vector<int>& Citations() const;

  WTMGCollection& collection_;
  int pos_;
  mutable std::vector<int> citations_;
  mutable bool citations_found_ = false;
};
