#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/legacy/LEGTable.h"

// "TBLBR" (pictures).  Import keeps every row with "IDIR" > 0, sorted by the person and then
// by the picture's place ("PicOrder").
class WLEGTabBR : public WLEGTable {
 public:
  struct Entry {
    int32_t idbr = 0, idir = 0, type = 0, preferred = 0, order = 0, folder = 0;
    std::string name;
  };
  // Most pictures listed for one person.
  static constexpr size_t kMaxPictures = 10000;

  explicit WLEGTabBR(TDAODatabase& database) : WLEGTable(database, "TBLBR", "IDBR") {}
  bool Load() override;

  // A person's own pictures ("IDType" 0) in order.
  std::vector<const Entry*> PicturesOf(int32_t idir) const;

 private:
  std::vector<Entry> entries_;
};
