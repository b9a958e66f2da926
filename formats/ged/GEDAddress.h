#pragma once

#include <string>

#include "model/ABSAddress.h"

class WGEDCollection;
class WGEDTextMMF;

// The address that starts at an ADDR line: that line and the ADR1, ADR2, CITY, STAE,
// POST, CTRY and PHON lines up to the next record, at any level (the last of each).
class WGEDAddress : public WABSAddress {
 public:
  WGEDAddress(WGEDCollection& collection, const char* addr_line);

  std::string GetAddress() override { return FieldText(kAddress); }
  std::string GetLine1() override { return FieldText(kLine1); }
  std::string GetLine2() override { return FieldText(kLine2); }
  std::string GetCity() override { return FieldText(kCity); }
  std::string GetState() override { return FieldText(kState); }
  std::string GetPostalCode() override { return FieldText(kPostalCode); }
  std::string GetCountry() override { return FieldText(kCountry); }
  std::string GetPhone() override { return FieldText(kPhone); }

 private:
  enum Field { kAddress, kLine1, kLine2, kCity, kState, kPostalCode, kCountry, kPhone, kFieldCount };
  struct CachedText {
    const char* line = nullptr;
    bool done = false;
    std::string text;
  };
  // The continued text at column 7, pieces joined by CR LF, converted; computed once.
  const std::string& FieldText(Field field);

  const WGEDTextMMF& text_;
  CachedText fields_[kFieldCount];
};
