#pragma once

#include <memory>
#include <string>

#include "model/ABSCitation.h"

class WRM3Collection;

// A citation: a type 1 row of table L.  Its Details memo holds form-feed separated parts: 2
// is the detail, 3 the note; ID1 is the cited source's sourceid.
class WRM3Citation : public WABSCitation {
 public:
  WRM3Citation(WRM3Collection& collection, int link_pos);

  std::string GetDetail() override;
  std::unique_ptr<WABSNote> GetNote() override;
  std::unique_ptr<WABSSource> GetSource() override;

 private:
  WRM3Collection& collection_;
  int link_pos_;
  std::string details_;
};
