#pragma once

#include <cstdint>
#include <string>

#include "base/CheckedView.h"
#include "formats/paf/PAFLayout.h"
#include "model/ABSAddress.h"

// The address of a repository record: three lines one after the other and the phone, where the
// version's layout puts them (versions 3 and 4: lines at 93, 135 and 177, 42 bytes each, the phone
// at 261, 26 bytes, as stored; version 5: lines at 84, 168 and 252, 84 bytes each, the phone at
// 420, 52 bytes of UTF-8).  City, state, postal code and country are not kept apart.
class WPAFAddress : public WABSAddress {
 public:
  // On the located repository record at `record`.
  WPAFAddress(const WCheckedView& view, const WPAFLayout& layout, uint64_t record)
      : view_(view), layout_(layout), record_(record) {}

  std::string GetAddress() override { return Line(0); }
  std::string GetLine1() override { return Line(1); }
  std::string GetLine2() override { return Line(2); }
  std::string GetCity() override { return std::string(); }
  std::string GetState() override { return std::string(); }
  std::string GetPostalCode() override { return std::string(); }
  std::string GetCountry() override { return std::string(); }
  std::string GetPhone() override;

 private:
  // Address line 0, 1 or 2.
  std::string Line(int k) const;

  WCheckedView view_;
  const WPAFLayout& layout_;
  uint64_t record_;
};
