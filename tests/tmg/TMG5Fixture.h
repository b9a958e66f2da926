#pragma once

#include <memory>
#include <string>
#include <vector>

#include "formats/tmg/TMG5Collection.h"
#include "support/TMG5Writer.h"

// The projects the TMG 5.x tests read.
//
// FamilyProject5: the 4.x family project (FamilyProject) rebuilt as version 5 keeps it, with
// what that version does differently at work: people in two data sets (numbers 1 to 20 in data
// set 1 as "1:n", numbers 21 on in data set 2 as "2:(n - 20)"); name and place parts in the
// dictionaries, shared between names, some names with the alternative part types 8 and 9 and
// unused parts of type 2; places written as 5.x does (part 1 never shown; one place of parts 2,
// 4 and 6; one of ten parts); marriages of type 1004 and a family event of a type of group 6;
// an LDS baptism of type 1016, a couple's sealing of type 1033, a birth of type 1002 and a
// christening of type 1020; events whose second principal is a person listed among that
// person's events; a memo with a brace group; a principal's own witness sentence left empty;
// a tag sentence holding "$!&".
TMG5Writer FamilyProject5();

// A 5.x project whose tables hold no rows.
TMG5Writer EmptyProject5();

// Record numbers the tests name: a person's position is its PER_NO, except that number 11 is a
// deleted row, so from 12 on the position is one less.
inline int PositionOf(int per_no) { return per_no < 11 ? per_no : per_no - 1; }

// A 5.x project written into a temporary folder and opened (imported and linked) as the viewer
// opens it.  An import that raises keeps its message in error().
class OpenedProject5 {
 public:
  explicit OpenedProject5(const TMG5Writer& writer, const std::string& project = "family_.pjc",
                          const std::vector<std::string>& skip = {});
  ~OpenedProject5();

  WTMG5Collection& operator*() { return *collection_; }
  WTMG5Collection* operator->() { return collection_.get(); }
  bool imported() const { return imported_; }
  const std::string& error() const { return error_; }
  const std::string& dir() const { return dir_; }
  // The record number of the person whose PER_NO is `per_no`.
  RecNo Pos(int per_no) { return collection_->FindIndividual(std::to_string(per_no)); }

 private:
  std::string dir_;
  std::unique_ptr<WTMG5Collection> collection_;
  bool imported_ = false;
  std::string error_;
};
