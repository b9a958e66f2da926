#pragma once

#include <string>

#include "formats/paf/PAFName.h"

// The name of a version 3 or 4 individual: text pointers to the surname (1), three given names
// (5, 9, 13) and the suffix (17).
class WPAF34Name : public WPAFName {
 public:
  using WPAFName::WPAFName;

  std::string GetSurname() override;
  // The given names joined by blanks (a blank before each later name, even after an empty one).
  std::string GetGivenNames() override;
  std::string GetSuffix() override;

 protected:
  // The text of the text pointer at `offset` of the record, as stored.
  std::string PartAt(uint64_t offset);
};
