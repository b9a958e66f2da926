#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class WABSCitation;
class WLEGCollection;

// The citations of one owner and type ("TBLSX" rows), listed when the record that owns them is
// made and kept by that record alone.
class WLEGCitationList {
 public:
  WLEGCitationList() = default;
  WLEGCitationList(WLEGCollection& collection, int32_t owner, int32_t type);

  int Count() const { return static_cast<int>(ids_.size()); }
  // Citation i (1-based); none outside the list.
  std::unique_ptr<WABSCitation> Get(WLEGCollection& collection, int i) const;

 private:
  std::vector<int32_t> ids_;
};
