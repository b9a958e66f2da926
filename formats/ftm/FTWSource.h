#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/ABSNote.h"
#include "model/ABSSource.h"

class WFTWCollection;

// A Family Tree Maker source: a source record in the slot store whose int32 at 0 names the
// text holding seven strings (title, author, publication, call number, an unused one, the
// source's note, an unused one).  A string ends at a unit whose low byte is 0.
class WFTWSource : public WABSSource {
 public:
  static constexpr int kStringCount = 7;

  // The source on slot `slot`; a slot that cannot be located gives a source without data.
  WFTWSource(WFTWCollection& collection, int32_t slot);

  RecNo GetRepositoryRecord() override { return 0; }
  std::string GetTitle() override { return strings_[0]; }
  std::string GetAuthor() override { return strings_[1]; }
  std::string GetPublication() override { return strings_[2]; }
  std::string GetCallNumber() override { return strings_[3]; }
  std::string GetAbbreviation() override { return std::string(); }
  std::unique_ptr<WABSNote> GetNote() override;
  std::unique_ptr<WABSNote> GetText() override { return nullptr; }
  bool HasNote() override { return !strings_[5].empty(); }
  bool HasText() override { return false; }
  bool HasRepository() override { return false; }

 private:
  std::array<std::string, kStringCount> strings_;
};
