#pragma once

#include <memory>
#include <string>

#include "model/ABSWitness.h"

class WTMGCollection;

// An event of others at which a person was a witness (a row of the witnesses table): dated by
// the witnessed event, described by its tag type, its principals and its place.
class WTMGWitness : public WABSWitness {
 public:
  WTMGWitness(WTMGCollection& collection, int witness_pos);

  void LoadDate() override;
  void LoadSortDate() override;
  std::string GetDescription() override;
  RecNo GetPrincipal() override { return principal1_; }
  RecNo GetSecondPrincipal() override { return principal2_; }

 private:
  WTMGCollection& collection_;
  int event_pos_ = 0;
  int type_ = 0;
  RecNo principal1_ = 0;
  RecNo principal2_ = 0;
};
