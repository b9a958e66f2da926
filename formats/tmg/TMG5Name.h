#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "formats/tmg/TMG5NameLookup.h"
#include "formats/tmg/TMGName.h"

class WTMG5Collection;

// A name of a 5.x project: its parts are dictionary texts (ND) that the name lookup ties to the
// name's RECNO, taken as stored.  Citations and note as in 4.x.
class WTMG5Name : public WTMGName {
 public:
  WTMG5Name(WTMG5Collection& collection, int name_pos);

  std::string GetSurname() override { return DictionaryPart(WTMG5NameLookup::kSurname); }
  std::string GetGivenNames() override { return DictionaryPart(WTMG5NameLookup::kGivenNames); }
  std::string GetPrefix() override { return DictionaryPart(WTMG5NameLookup::kPrefix); }
  std::string GetSuffix() override { return DictionaryPart(WTMG5NameLookup::kSuffix); }

 private:
  // The text of a part; empty when the name has none.
  std::string DictionaryPart(WTMG5NameLookup::Part part);

  WTMG5Collection& collection5_;
  int recno_;
  // The name's part UIDs, looked up on first need.
  std::array<int32_t, WTMG5NameLookup::kParts> uids_{};
  bool uids_read_ = false;
};
