#pragma once

#include <memory>
#include <string>

#include "model/ABSCitation.h"
#include "model/ABSName.h"
#include "model/ABSNote.h"

class WRM3TabI;

// A person's name from table I; a nickname follows the suffix in double quotes.
class WRM3Name : public WABSName {
 public:
  WRM3Name(const WRM3TabI& table, int pos) : table_(table), pos_(pos) {}

  std::string GetSurname() override;
  std::string GetGivenNames() override;
  std::string GetPrefix() override;
  // The suffix, then a blank and the nickname in double quotes when there is one.
  std::string GetSuffix() override;
  std::unique_ptr<WABSCitation> GetCitation(int) override { return nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

 private:
  const WRM3TabI& table_;
  int pos_;
};
