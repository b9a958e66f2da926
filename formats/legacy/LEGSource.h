#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/ABSSource.h"

class WLEGCollection;

// One "TBLSR" row, read when the source is made; a row that cannot be sought gives empty texts.
class WLEGSource : public WABSSource {
 public:
  WLEGSource(WLEGCollection& collection, int32_t idsr);

  RecNo GetRepositoryRecord() override { return repository_; }
  std::string GetAuthor() override { return author_; }
  // "SrcName", ", " and "SrcTitle" (the comma always).
  std::string GetTitle() override { return name_ + ", " + title_; }
  std::string GetPublication() override { return publication_; }
  std::string GetCallNumber() override { return call_number_; }
  std::string GetAbbreviation() override { return std::string(); }
  std::unique_ptr<WABSNote> GetNote() override;
  std::unique_ptr<WABSNote> GetText() override;
  bool HasNote() override { return !note_.empty(); }
  bool HasText() override { return !text_.empty(); }
  bool HasRepository() override { return repository_ > 0; }

 private:
  std::string name_, title_, author_, publication_, call_number_, text_, note_;
  int32_t repository_ = 0;
};
