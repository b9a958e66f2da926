#pragma once

#include <cstdint>
#include <string>

#include "base/CheckedView.h"
#include "model/ABSAddress.h"

// The address of a repository record of version 5 (497 bytes): three lines at 84, 168 and 252, 84 bytes each;
// the phone at 420, 52 bytes.
class WPAF5Address : public WABSAddress {
 public:
  // On the located repository record at `record`.
  WPAF5Address(const WCheckedView& view, uint64_t record) : view_(view), record_(record) {}

  std::string GetAddress() override;
  std::string GetLine1() override;
  std::string GetLine2() override;
  std::string GetCity() override { return std::string(); }
  std::string GetState() override { return std::string(); }
  std::string GetPostalCode() override { return std::string(); }
  std::string GetCountry() override { return std::string(); }
  std::string GetPhone() override;

 private:
  WCheckedView view_;
  uint64_t record_;
};
