#pragma once

#include <memory>

#include "formats/paf/PAFSource.h"

// A source of version 4: the version 3 record and its extension record T (same number), whose
// link at 8 starts the note that holds the source's text.
class WPAF4Source : public WPAFSource {
 public:
  // `extension`: the file offset of T, 0 when it cannot be located.
  WPAF4Source(WPAFCollection& collection, uint64_t record, uint64_t extension);

  std::unique_ptr<WABSNote> GetText() override;
  bool HasText() override;

 private:
  int32_t TextLink() const;

  uint64_t extension_;
};
