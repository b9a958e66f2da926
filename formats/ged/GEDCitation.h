#pragma once

#include <memory>

#include "model/ABSCitation.h"

class WGEDCollection;
class WGEDTextMMF;

// A SOUR line inside a GEDCOM record: a pointer to a source record or an inline source,
// with the PAGE and NOTE lines below it.
class WGEDCitation : public WABSCitation {
 public:
  WGEDCitation(WGEDCollection& collection, const char* line);

  // The PAGE line's value.
  std::string GetDetail() override;
  std::unique_ptr<WABSNote> GetNote() override;
  std::unique_ptr<WABSSource> GetSource() override;
  // The record a pointer names; 0 for an inline source or an unknown identifier.
  RecNo GetSourceRecord() override;

 private:
  WGEDCollection& collection_;
  const WGEDTextMMF& text_;
  const char* line_;
  const char* page_ = nullptr;
  const char* note_ = nullptr;
};
