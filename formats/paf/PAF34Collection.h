#pragma once

#include <memory>
#include <string>

#include "formats/paf/PAFCollection.h"

// What versions 3 and 4 share: one record layout, the 4096-byte header with its settings and
// submitter, notes and repositories.
class WPAF34Collection : public WPAFCollection {
 public:
  explicit WPAF34Collection(const std::string& path);

  // No rows before Import.
  void GetHeaderInfo(int& count, GenHeaderRecs& rows) override;
  std::unique_ptr<WABSRepo> GetRepository(RecNo rec_no) override;
  std::unique_ptr<WABSNote> NewNote(int32_t first) override;
  std::unique_ptr<WDate> NewDate(uint64_t offset) const override;

 protected:
  // The header's counts of blocks of type t (1..10) in map i, at 2048 + 20 i + 2 (t - 1).
  int32_t HeaderBlockCount(int map, int type) const;
};
