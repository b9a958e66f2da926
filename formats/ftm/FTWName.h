#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/ABSCitation.h"
#include "model/ABSName.h"
#include "model/ABSNote.h"

class WFTWCollection;

// A Family Tree Maker person's name: up to 19 UTF-16 units in the record, continued by a
// text in the slot store, split into given names and surname when the name is made.
//   "Given \Surname\ rest"  -> the parts between and before the backslashes;
//   "Given Names Surname"   -> the last word is the surname;
//   "Surname"               -> a single word is the surname;
//   "Given Surname Jr"      -> a last word that is a suffix (Jr, Sr, II, Dr, Rev, ...) goes
//                              back to the given names: given "Given Jr", surname "Surname".
// Commas are removed from the surname.
// A record may say itself where the surname is (the uint16 at 82: the indexes of its first and
// last characters in the whole name text, 6 bits each); a name without backslashes that it
// describes soundly is split there instead: given names before, the suffix after it
// ("Thomas Albert Stewart,Jr" with 14 and 20: "Thomas Albert", "Stewart", ",Jr").
class WFTWName : public WABSName {
 public:
  // The name of the 128-byte individual record at file offset `record`.
  WFTWName(const WFTWCollection& collection, uint64_t record);
  // A name text split by the same rules (for tests).
  explicit WFTWName(const std::string& text, uint16_t surname_range = 0) { Split(text, surname_range); }

  std::string GetSurname() override { return surname_; }
  std::string GetGivenNames() override { return given_; }
  std::string GetPrefix() override { return std::string(); }
  std::string GetSuffix() override { return suffix_; }
  std::unique_ptr<WABSCitation> GetCitation(int) override { return nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

 private:
  void Split(const std::string& text, uint16_t surname_range);
  // Splits at the range the record gives; false when the range does not fit the text.
  bool SplitAtRange(const std::string& text, uint16_t surname_range);
  // The parts of a text; a last word that is a suffix moves to the given names, and what
  // is left is split again.
  static void SplitParts(const std::string& text, std::string& given, std::string& surname);

  std::string given_;
  std::string surname_;
  std::string suffix_;
};
