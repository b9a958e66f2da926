#pragma once

#include <string>

#include "model/ABSSubmitter.h"

// A project keeps no submitter: every text is empty.
class WTMGSubmitter : public WABSSubmitter {
 public:
  std::string GetName() override { return std::string(); }
  std::string GetAddressLine1() override { return std::string(); }
  std::string GetAddressLine2() override { return std::string(); }
  std::string GetAddressLine3() override { return std::string(); }
  std::string GetCountry() override { return std::string(); }
  std::string GetPhone() override { return std::string(); }
  std::string GetEmail() override { return std::string(); }
  std::string GetRecordText() override { return std::string(); }
};
