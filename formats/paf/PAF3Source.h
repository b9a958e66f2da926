#pragma once

#include <memory>

#include "formats/paf/PAFSource.h"

// A source of version 3 (479 bytes): author, title and publication of 122 bytes from 1, call
// number at 367, note at 459, repository at 475.  It has no text.
class WPAF3Source : public WPAFSource {
 public:
  static const Fields kFields;

  WPAF3Source(WPAFCollection& collection, uint64_t record) : WPAFSource(collection, record, kFields) {}

  std::unique_ptr<WABSNote> GetText() override;
  bool HasText() override;
};
