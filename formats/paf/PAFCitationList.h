#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class WABSCitation;
class WPAFCollection;

// The citations of one record, event or place: the chain that starts at a link stored in the
// file, followed once on first use and kept.
class WPAFCitationList {
 public:
  // Follows the chain from the link at `link` (a file offset; 0: no chain) unless done before;
  // the number of citations.
  int Load(WPAFCollection& collection, uint64_t link);
  // The i-th citation (1-based) of the loaded chain; none outside.
  std::unique_ptr<WABSCitation> Get(WPAFCollection& collection, int i) const;
  void Clear();

 private:
  std::vector<int32_t> numbers_;
  bool loaded_ = false;
};
