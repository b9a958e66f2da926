#pragma once

#include <memory>
#include <vector>

#include "model/ABSPlace.h"

class WGEDCollection;
class WGEDTextMMF;

// The place of a GEDCOM event: a PLAC line (or an ordinance's TEMP line), with the NOTE
// and SOUR lines below it.  A place without a line has an empty name.
class WGEDPlace : public WABSPlace {
 public:
  WGEDPlace(WGEDCollection& collection, const char* line);

  std::string GetName() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  std::unique_ptr<WABSNote> GetNote() override;

 private:
  WGEDCollection& collection_;
  const WGEDTextMMF& text_;
  const char* line_;
  const char* note_ = nullptr;
  std::vector<const char*> citations_;
};
