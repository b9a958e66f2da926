#pragma once

#include <string>

#include "model/ABSSubmitter.h"

class WRM3Header;

// The submitter kept in the .rmg file.
class WRM3Submitter : public WABSSubmitter {
 public:
  explicit WRM3Submitter(const WRM3Header& header) : header_(header) {}

  std::string GetName() override;
  std::string GetAddressLine1() override;
  std::string GetAddressLine2() override;
  std::string GetAddressLine3() override;
  std::string GetCountry() override { return std::string(); }
  std::string GetPhone() override;
  std::string GetEmail() override;
  std::string GetRecordText() override { return std::string(); }

 private:
  const WRM3Header& header_;
};
