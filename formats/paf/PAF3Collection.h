#pragma once

#include <memory>
#include <string>

#include "formats/paf/PAF34Collection.h"

// A PAF 3 database.  Its header holds the number of blocks of each type in each map region;
// the block index built from the map blocks at import answers every lookup, so that no lookup
// scans a map block.  Version 3 has no other events, event types or extension records.
class WPAF3Collection : public WPAF34Collection {
 public:
  explicit WPAF3Collection(const std::string& path);

  bool Import() override;
  // None when the family's record cannot be located.
  std::unique_ptr<WABSMarriage> GetFamily(RecNo rec_no) override;
  std::unique_ptr<WABSSubmitter> GetSubmitter() override;
  std::unique_ptr<WABSSource> GetSource(RecNo rec_no) override;
  uint64_t OtherEventPos(int32_t n) override;
  uint64_t EventTypePos(int32_t n) override;
  std::unique_ptr<WABSCitation> NewCitation(int32_t n) override;

 protected:
  std::unique_ptr<WPAFIndividual> NewIndividual(RecNo position, int32_t rin, uint64_t record) override;
};
