#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/ABSName.h"

class WGEDCollection;
class WGEDTextMMF;

// The NAME line of a GEDCOM individual ("1 NAME John /Smith/ Jr"): the surname stands
// between the slashes, the given names before them, a suffix after them.  NPFX, NSFX,
// NOTE and SOUR lines below the NAME line add prefix, suffix, note and citations.
class WGEDName : public WABSName {
 public:
  WGEDName(WGEDCollection& collection, const char* name_line);

  std::string GetSurname() override;
  std::string GetGivenNames() override;
  std::string GetPrefix() override;
  std::string GetSuffix() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  std::unique_ptr<WABSNote> GetNote() override;

  // The longest surname or suffix kept; a longer surname reads as empty, a longer
  // suffix is cut.
  static constexpr size_t kMaxPart = 255;

 private:
  // The NAME value (column 7), unconverted, in place.
  std::string_view Value() const;

  WGEDCollection& collection_;
  const WGEDTextMMF& text_;
  const char* line_;
  const char* note_ = nullptr;
  const char* prefix_line_ = nullptr;
  const char* suffix_line_ = nullptr;
  std::vector<const char*> citations_;
  bool prefix_done_ = false;
  std::string prefix_;
  bool suffix_done_ = false;
  std::string suffix_;
};
