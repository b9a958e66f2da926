#pragma once

#include <memory>
#include <string>

#include "model/ABSSource.h"

class WRM3Collection;

// A source: a row of table S.  Its text memo holds two form-feed separated parts (the second
// is the source's text), its Details memo three (the first is the note).
class WRM3Source : public WABSSource {
 public:
  WRM3Source(WRM3Collection& collection, int pos);

  RecNo GetRepositoryRecord() override;
  std::string GetAuthor() override { return std::string(); }
  std::string GetTitle() override;
  std::string GetPublication() override { return std::string(); }
  std::string GetCallNumber() override { return std::string(); }
  std::string GetAbbreviation() override { return std::string(); }
  std::unique_ptr<WABSNote> GetNote() override;
  std::unique_ptr<WABSNote> GetText() override;
  std::string GetRecordText() override { return std::string(); }
  std::unique_ptr<WABSNote> GetDisplayNote() override;
  bool HasNote() override { return !Note().empty(); }
  bool HasText() override { return !Text().empty(); }
  bool HasRepository() override { return GetRepositoryRecord() != 0; }
  std::string GetSummary() override { return std::string(); }

 private:
  std::string Note() const;  // d1
  std::string Text() const;  // t2

  WRM3Collection& collection_;
  int pos_;
};
