#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/ABSCitation.h"

class WFTWCollection;

// One item of a citation text: the citation's note, its detail and the source it names.
struct CitationRec {
  std::string note;
  std::string detail;
  // The slot of the source record (not a position in the source list); 0 when none.
  int32_t source = 0;
};

// A citation of a Family Tree Maker record: one item of a citation text.
class WFTWCitation : public WABSCitation {
 public:
  WFTWCitation(WFTWCollection& collection, CitationRec item)
      : collection_(collection), item_(std::move(item)) {}

  std::string GetDetail() override { return item_.detail; }
  // A note with the citation's note text; none when that is empty.
  std::unique_ptr<WABSNote> GetNote() override;
  // The source on the slot the item names; none when it names none.
  std::unique_ptr<WABSSource> GetSource() override;

  // The i-th (1-based) of a record's items as a new citation; none outside 1..size.
  template <class Items>
  static std::unique_ptr<WABSCitation> ItemAt(WFTWCollection& collection, const Items& items, int i) {
    if (i < 1 || static_cast<size_t>(i) > items.size()) return nullptr;
    return std::make_unique<WFTWCitation>(collection, items[static_cast<size_t>(i) - 1]);
  }

 private:
  WFTWCollection& collection_;
  CitationRec item_;
};
