#pragma once

#include <string>
#include <vector>

#include "model/ABSSubmitter.h"

class WGEDCollection;
class WGEDTextMMF;

// A GEDCOM submitter record (0 @U1@ SUBM).  Each value comes from the first line with
// its tag anywhere in the record.
class WGEDSubmitter : public WABSSubmitter {
 public:
  WGEDSubmitter(WGEDCollection& collection, const char* record_line);

  std::string GetName() override { return WordOf("NAME"); }
  // Pieces 1, 2 and 3 of the ADDR text.
  std::string GetAddressLine1() override { return AddressPiece(0); }
  std::string GetAddressLine2() override { return AddressPiece(1); }
  std::string GetAddressLine3() override { return AddressPiece(2); }
  std::string GetCountry() override { return WordOf("CTRY"); }
  std::string GetPhone() override { return WordOf("PHON"); }
  // The _EMAIL value, or else the EMAIL value.
  std::string GetEmail() override;
  // The record's text as it stands in the file.
  std::string GetRecordText() override;

 private:
  // The first line of the record whose tag is `tag`; none when there is none.
  const char* FirstLine(const char (&tag)[5]) const;
  // The converted word value of that line.
  std::string WordOf(const char (&tag)[5]) const;
  std::string AddressPiece(size_t i);

  const WGEDTextMMF& text_;
  const char* record_;
  bool address_read_ = false;
  std::vector<std::string> address_;
};
