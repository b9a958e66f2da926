#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/ABSCitation.h"

class WLEGCollection;

// One "TBLSX" row: a source ("IDSR") with the citation's detail ("SrcDetail"), which Legacy
// shows as the citation's note.
class WLEGCitation : public WABSCitation {
 public:
  WLEGCitation(WLEGCollection& collection, int32_t idsx);

  std::string GetDetail() override;
  std::unique_ptr<WABSNote> GetNote() override;
  std::unique_ptr<WABSSource> GetSource() override;

 private:
  WLEGCollection& collection_;
  std::string detail_;
  int32_t idsr_ = 0;
};
