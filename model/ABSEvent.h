#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/RecNo.h"

class WABSCitation;
class WABSNote;
class WABSPlace;
class WDate;

// An event of a person or a family.  The date and the sort date belong to the event
// (GetDate and GetSortDate return pointers that live as long as the event); the
// sort date may be the date object itself (shared).
class WABSEvent {
 public:
  // Clears every field.
  WABSEvent();
  virtual ~WABSEvent();
  WABSEvent(const WABSEvent&) = delete;
  WABSEvent& operator=(const WABSEvent&) = delete;

  // Puts the event's date into `date_` when it is not there yet.
  virtual void LoadDate() = 0;
  // Puts the sort date into `sort_date_`; by default the date itself serves, shared.
  virtual void LoadSortDate();
  // The event's descriptive text (value, cause, role): the stored description.
  virtual std::string GetDescription();
  virtual std::unique_ptr<WABSPlace> GetPlace() = 0;
  virtual int CitationCount();
  virtual std::unique_ptr<WABSCitation> GetCitation(int i) = 0;
  virtual bool HasNote() = 0;
  virtual std::unique_ptr<WABSNote> GetNote() = 0;

  // LoadDate, then the owned date or none.
  const WDate* GetDate();
  // LoadSortDate, then the sort date or none.
  const WDate* GetSortDate();
  bool HasValidDate();
  std::string GetDateText();
  std::string GetSortDateText();
  const std::string& GetTypeName() const { return type_name_; }
  // The place's display text; empty when there is no place.
  std::string GetPlaceText();
  std::string GetCitationsText();
  std::string GetNoteText();

  // Event kind (evBirth ... evSealingToParents).
  int GetKind() const { return kind_; }
  void SetKind(int kind) { kind_ = static_cast<uint8_t>(kind); }
  void SetTypeName(const std::string& name) { type_name_ = name; }
  void SetDescription(const std::string& text) { description_ = text; }

 protected:
  // Replaces the sort date; the old one is freed unless it was the shared date.
  void SetOwnSortDate(std::unique_ptr<WDate> date);

  int32_t citation_count_ = 0;
  std::string type_name_;
  std::unique_ptr<WDate> date_;
  uint8_t kind_ = 0;
  // Meaningful only when `sort_date_shared_` is false; when shared, the sort date is `date_`.
  std::unique_ptr<WDate> sort_date_;
  bool sort_date_shared_ = false;
  std::string description_;
};
