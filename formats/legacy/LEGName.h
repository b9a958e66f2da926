#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "formats/legacy/LEGCitationList.h"
#include "model/ABSCitation.h"
#include "model/ABSName.h"
#include "model/ABSNote.h"

// A person's name: the four parts from the name cache (option LEGCacheNames) or from the
// person's "TBLIR" row; cited with type 1.
class WLEGName : public WABSName {
 public:
  WLEGName(WLEGCollection& collection, int number, int32_t idir);

  std::string GetSurname() override { return surname_; }
  std::string GetGivenNames() override { return given_; }
  std::string GetPrefix() override { return prefix_; }
  std::string GetSuffix() override { return title_; }
  std::unique_ptr<WABSCitation> GetCitation(int i) override { return citations_.Get(collection_, i); }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

 private:
  WLEGCollection& collection_;
  std::string surname_, given_, prefix_, title_;
  WLEGCitationList citations_;
};
