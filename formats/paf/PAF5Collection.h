#pragma once

#include <memory>
#include <string>

#include "formats/paf/PAFCollection.h"

// A PAF 5 database: a 12288-byte header holding the counts, the submitter and the map totals
// (32 types for each of up to 31 regions), records of their own layout, names and identifiers
// in typed text records, and dates as Julian day numbers.
class WPAF5Collection : public WPAFCollection {
 public:
  explicit WPAF5Collection(const std::string& path);

  // False when a map block is not one.
  bool Import() override;
  // A family whose record cannot be located has no husband, wife, children or events.
  std::unique_ptr<WABSMarriage> GetFamily(RecNo rec_no) override;
  std::unique_ptr<WABSSubmitter> GetSubmitter() override;
  std::unique_ptr<WABSSource> GetSource(RecNo rec_no) override;
  std::unique_ptr<WABSRepo> GetRepository(RecNo rec_no) override;
  void GetHeaderInfo(int& count, GenHeaderRecs& rows) override;
  std::unique_ptr<WABSCitation> NewCitation(int32_t n) override;
  std::unique_ptr<WABSNote> NewNote(int32_t first) override;
  std::unique_ptr<WDate> NewDate(uint64_t offset) const override;

 protected:
  std::unique_ptr<WPAFIndividual> NewIndividual(RecNo position, int32_t rin, uint64_t record) override;
};
