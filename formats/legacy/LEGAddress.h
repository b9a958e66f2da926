#pragma once

#include <string>

#include "model/ABSAddress.h"

class WLEGTabAR;

// The address of a "TBLAR" row, read when it is made.
class WLEGAddress : public WABSAddress {
 public:
  // Reads the current row of the table.
  explicit WLEGAddress(WLEGTabAR& table);

  std::string GetAddress() override { return address1_; }
  std::string GetLine1() override { return address2_; }
  std::string GetLine2() override { return std::string(); }
  std::string GetCity() override { return city_; }
  std::string GetState() override { return state_; }
  std::string GetPostalCode() override { return zip_; }
  std::string GetCountry() override { return country_; }
  std::string GetPhone() override { return phone_; }

 private:
  std::string address1_, address2_, city_, state_, zip_, country_, phone_;
};
