#pragma once

#include <string>

#include "formats/paf/PAFSubmitter.h"

// The submitter of version 5: 84-byte fields from 734; phone and e-mail as stored.
class WPAF5Submitter : public WPAFSubmitter {
 public:
  using WPAFSubmitter::WPAFSubmitter;

  std::string GetName() override;
  std::string GetAddressLine1() override { return Text(818, 84); }
  std::string GetAddressLine2() override { return Text(902, 84); }
  std::string GetAddressLine3() override { return Text(986, 84); }
  std::string GetCountry() override { return Text(1154, 84); }
  std::string GetPhone() override { return Raw(1238, 52); }
  std::string GetEmail() override { return Raw(1318, 84); }
};
