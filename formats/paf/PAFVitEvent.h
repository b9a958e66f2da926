#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/CheckedView.h"
#include "formats/paf/PAFCitationList.h"
#include "model/ABSVitEvent.h"

class WPAFCollection;

// An event of a PAF record: its coded date, its place and its citation chain, read from the
// event's bytes inside an individual, marriage or other-event record.  An other event also
// has a type name (from its event-type record) and may have a description, which shows as
// the event's note.
class WPAFVitEvent : public WABSVitEvent {
 public:
  // On the event bytes at `event` (file offset).
  WPAFVitEvent(WPAFCollection& collection, uint64_t event);

  // The date when its first four bytes are not all zero.
  void LoadDate() override;
  int CitationCount() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  // True for an other event with a description.
  bool HasNote() override;
  std::unique_ptr<WABSNote> GetNote() override;
  // Builds the citation list once.
  virtual void LoadCitations();

  // Makes this the other event of the other-event record at `record`: kind 6, the name of the
  // event-type record its link at `type_link` names, and the description whose text pointer
  // stands at `description`; both texts converted with `convert`.
  void ReadOtherEvent(uint64_t record, uint64_t type_link, uint64_t description,
                      std::string (*convert)(std::string_view));

 protected:
  WPAFCollection& collection_;
  WCheckedView view_;
  uint64_t event_;

 private:
  WPAFCitationList citations_;
  std::string note_line_;
  bool has_description_ = false;
};
