#pragma once

#include <string>

#include "model/ABSSubmitter.h"

class WLEGCollection;

// The compiler of the file, from the settings "Compiler1" to "Compiler9".  The web site takes
// the country's place (the General tab labels it "Web Site" for this reader).
class WLEGSubmitter : public WABSSubmitter {
 public:
  explicit WLEGSubmitter(WLEGCollection& collection) : collection_(collection) {}

  std::string GetName() override;
  std::string GetAddressLine1() override;
  std::string GetAddressLine2() override;
  std::string GetAddressLine3() override;
  std::string GetCountry() override;
  // "Compiler5", then ", " and "Compiler6" when both are present, else the one that is.
  std::string GetPhone() override;
  std::string GetEmail() override;
  std::string GetRecordText() override { return std::string(); }

 private:
  WLEGCollection& collection_;
};
