#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/ABSCitation.h"
#include "model/ABSName.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

class WTMGCollection;

// A name record (a row of the names table).  Its memo holds surname, prefix, given names and
// suffix separated by "$!&"; its citations are those of kind "N" on its RECNO.
class WTMGName : public WABSName {
 public:
  WTMGName(WTMGCollection& collection, int name_pos);

  std::string GetSurname() override { return Part(0); }
  std::string GetGivenNames() override { return Part(2); }
  std::string GetPrefix() override { return Part(1); }
  std::string GetSuffix() override { return Part(3); }
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  std::unique_ptr<WABSNote> GetNote() override;

  int Position() const { return pos_; }

 protected:
  WTMGCollection& collection_;
  int pos_;

 private:
  // Part i (0-based) of the name memo, trimmed; read on first use.
  std::string Part(size_t i);

  std::vector<int> citations_;
  std::vector<std::string> parts_;
  bool parts_read_ = false;
};
