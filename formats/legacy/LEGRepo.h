#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/ABSRepo.h"

class WLEGCollection;

// A repository: one "TBLAR" row, by its "IDAR".
class WLEGRepo : public WABSRepo {
 public:
  WLEGRepo(WLEGCollection& collection, int32_t idar);

  std::string GetName() override;
  std::unique_ptr<WABSAddress> GetAddress() override;
  std::unique_ptr<WABSNote> GetNote() override;

 private:
  WLEGCollection& collection_;
  int32_t idar_;
};
