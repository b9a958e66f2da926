#pragma once

#include <string>
#include <unordered_map>

#include "formats/rm3/RM3DBF.h"

// Table T: fact (event) types with their names.
class WRM3TabT : public WRM3DBF {
 public:
  WRM3TabT(const std::string& directory, const std::string& baseName)
      : WRM3DBF(directory, "T", baseName), type_(FieldIndex("facttypeid")), name_(FieldIndex("name")) {}

  // The trimmed name of the first row whose facttypeid is t; empty when there is none.
  std::string TypeName(int t) const;
  // True when a row has facttypeid t.
  bool HasType(int t) const { return FirstRowOf(t) > 0; }

 private:
  // Position of the first row of fact type t, 0 when none; the rows are looked at once.
  int FirstRowOf(int t) const;

  int type_, name_;
  mutable std::unordered_map<int, int> first_row_;
  mutable bool mapped_ = false;
};
