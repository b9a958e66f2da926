#pragma once

#include <memory>
#include <string>

#include "base/IntArray.h"
#include "formats/rm3/RM3DBF.h"
#include "formats/rm3/RM3Date.h"

// Table E: the events of people and families.  An event belongs to a person when ownertype
// begins with "P" and to a family when it begins with "F"; ownerid is then a PersonID or a
// FamilyID.  The event order lists every position sorted by ownerid, then by sortdate
// compared byte by byte; person and family owners with equal numbers share one run, so
// walkers test the owner type.
class WRM3TabE : public WRM3DBF {
 public:
  // Fact types with a meaning of their own.
  enum : int {
    kBirth = 1,
    kDeath = 2,
    kChristening = 3,
    kBurial = 4,
    kLDSBaptism = 31,
    kEndowment = 32,
    kSealingToParents = 33,
    kAFN = 34,
    kReference = 35,
    kMarriage = 300,
    kSealingToSpouse = 309,
  };

  WRM3TabE(const std::string& directory, const std::string& baseName);
  ~WRM3TabE() override;

  // The live list and the event order; false when cancelled.
  bool BuildIndex();

  // Events in the order; the position of the k-th (0 outside 1..EventOrderCount).
  int EventOrderCount() const { return order_ ? order_->Count() : 0; }
  int OrderedPos(int k) const { return order_ ? order_->GetValue(k) : 0; }
  // The first index in the event order whose ownerid is id; 0 when none.
  int FirstEventOfOwner(int id) const;

  int EventId(int pos) const { return PosInt(pos, event_id_); }
  int OwnerId(int pos) const { return PosInt(pos, owner_id_); }
  bool IsPersonEvent(int pos) const { return PosChar(pos, owner_type_) == 'P'; }
  bool IsFamilyEvent(int pos) const { return PosChar(pos, owner_type_) == 'F'; }
  int EventType(int pos) const { return PosInt(pos, event_type_); }
  int PlaceId(int pos) const { return PosInt(pos, place_id_); }
  bool IsPrimary(int pos) const { return PosChar(pos, primary_) == 'P'; }
  int Status(int pos) const { return PosInt(pos, status_); }
  std::string PlaceType(int pos) const { return TrimmedText(pos, place_type_); }
  int NoteBlock(int pos) const { return MemoBlock(pos, note_); }
  std::string Note(int pos) const { return MemoText(pos, note_); }
  std::string Details(int pos) const { return MemoText(pos, details_); }

  // The event's date: for LDS ordinances (types 31, 32, 33, 309) with a known STATUS code
  // the status word as a text-only date, otherwise the DATE field.
  std::unique_ptr<WRM3Date> EventDateFor(int pos) const;
  std::unique_ptr<WRM3Date> SortDateFor(int pos) const {
    return std::make_unique<WRM3Date>(PosText(pos, sort_date_));
  }
  // The status word of an ordinance type and STATUS code; empty when the DATE field serves.
  static const char* StatusWord(int event_type, int status);

 private:
  bool BuildEventOrder();

  int event_id_, owner_id_, owner_type_, sort_date_, event_type_, place_id_, date_, primary_, note_,
      place_type_, details_, status_;
  std::unique_ptr<WIntArray> order_;
};
