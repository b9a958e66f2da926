#pragma once

#include <string>

#include "model/ABSAddress.h"

class WRM3TabA;

// The address of a row of table A: the first six parts of its address memo.
class WRM3Address : public WABSAddress {
 public:
  WRM3Address(const WRM3TabA& table, int pos) : table_(table), pos_(pos) {}

  std::string GetAddress() override { return Piece(1); }
  std::string GetLine1() override { return std::string(); }
  std::string GetLine2() override { return std::string(); }
  std::string GetCity() override { return Piece(2); }
  std::string GetState() override { return Piece(3); }
  std::string GetPostalCode() override { return Piece(4); }
  std::string GetCountry() override { return Piece(5); }
  std::string GetPhone() override { return Piece(6); }

 private:
  std::string Piece(int k) const;

  const WRM3TabA& table_;
  int pos_;
};
