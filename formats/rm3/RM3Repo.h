#pragma once

#include <memory>
#include <string>

#include "model/ABSRepo.h"

class WRM3Collection;

// A repository: a row of table A, with its address and note in the address memo.
class WRM3Repo : public WABSRepo {
 public:
  WRM3Repo(WRM3Collection& collection, int pos) : collection_(collection), pos_(pos) {}

  std::string GetName() override;
  std::unique_ptr<WABSAddress> GetAddress() override;
  std::unique_ptr<WABSNote> GetNote() override;

 private:
  WRM3Collection& collection_;
  int pos_;
};
