#pragma once

#include <memory>
#include <string>

#include "formats/paf/PAF34Collection.h"

// A PAF 4 database: the version 3 layout with a block index per map region, a totals block
// that counts the blocks of 40 types per region, and extension records (individual: other
// events, title, fallback place of the ordinances; source: its text).
class WPAF4Collection : public WPAF34Collection {
 public:
  explicit WPAF4Collection(const std::string& path);

  // False when a map block is not one; a missing totals block fails with "Invalid PAF 4 File".
  bool Import() override;
  // A family whose record cannot be located has no husband, wife, children or events.
  std::unique_ptr<WABSMarriage> GetFamily(RecNo rec_no) override;
  std::unique_ptr<WABSSubmitter> GetSubmitter() override;
  std::unique_ptr<WABSSource> GetSource(RecNo rec_no) override;
  std::unique_ptr<WABSCitation> NewCitation(int32_t n) override;

  // The individual extension record of a RIN, the source extension record of a source.
  uint64_t IndividualExtPos(int32_t rin) const { return Locate(kPafIndividualExt, rin); }
  uint64_t SourceExtPos(int32_t n) const { return Locate(kPafSourceExt, n); }

 protected:
  std::unique_ptr<WPAFIndividual> NewIndividual(RecNo position, int32_t rin, uint64_t record) override;
};
