#pragma once

#include <memory>

#include "formats/paf/PAFSource.h"

// A source of version 5 (507 bytes): author, title and publication of 124 bytes from 0, call
// number at 372, note at 464, repository at 480 and the note holding its text at 488.
class WPAF5Source : public WPAFSource {
 public:
  static const Fields kFields;

  WPAF5Source(WPAFCollection& collection, uint64_t record) : WPAFSource(collection, record, kFields) {}

  std::unique_ptr<WABSNote> GetText() override;
  bool HasText() override;
};
