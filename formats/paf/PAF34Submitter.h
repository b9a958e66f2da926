#pragma once

#include <string>

#include "formats/paf/PAFSubmitter.h"

// The submitter of versions 3 and 4: a name in two parts, three address lines, the country and
// the phone in 61-byte fields from 416.
class WPAF34Submitter : public WPAFSubmitter {
 public:
  using WPAFSubmitter::WPAFSubmitter;

  std::string GetName() override;
  std::string GetAddressLine1() override { return Text(538, 61); }
  std::string GetAddressLine2() override { return Text(599, 61); }
  std::string GetAddressLine3() override { return Text(660, 61); }
  std::string GetCountry() override { return Text(782, 61); }
  std::string GetPhone() override { return Raw(843, 26); }
};
