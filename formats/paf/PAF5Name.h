#pragma once

#include <string>

#include "formats/paf/PAFName.h"

// The name of a version 5 individual: the first typed text record of the individual's chain,
// "given names/surname/suffix".
class WPAF5Name : public WPAFName {
 public:
  using WPAFName::WPAFName;

  // Not trimmed.
  std::string GetSurname() override;
  std::string GetGivenNames() override;
  std::string GetPrefix() override;
  std::string GetSuffix() override;

 private:
  // Splits the name text at its first two slashes, once.
  void Parse();

  bool parsed_ = false;
  std::string given_, surname_, suffix_;
};
