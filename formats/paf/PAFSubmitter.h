#pragma once

#include <cstdint>
#include <string>

#include "base/CheckedView.h"
#include "model/ABSSubmitter.h"

// The submitter of a PAF file, read from the file header.
class WPAFSubmitter : public WABSSubmitter {
 public:
  explicit WPAFSubmitter(const WCheckedView& header) : header_(header) {}

  std::string GetRecordText() override { return std::string(); }

 protected:
  // A fixed text field of the header converted from UTF-8; `Raw` leaves it as stored.
  std::string Text(uint64_t offset, uint64_t width) const;
  std::string Raw(uint64_t offset, uint64_t width) const { return header_.FixedText(offset, width); }

  WCheckedView header_;
};
