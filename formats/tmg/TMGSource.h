#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/ABSCitation.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"
#include "model/ABSSource.h"

class WTMGCollection;

// A source (a row of the sources table).  Its INFO memo holds the source's elements separated
// by "$!&"; the summary is its footnote template (its own, or its source type's) told with those
// elements.
class WTMGSource : public WABSSource {
 public:
  WTMGSource(WTMGCollection& collection, int source_pos);

  RecNo GetRepositoryRecord() override { return 0; }
  // The sixth element.
  std::string GetAuthor() override { return Element(6); }
  std::string GetTitle() override;
  // The fifteenth element.
  std::string GetPublication() override { return Element(15); }
  std::string GetCallNumber() override { return std::string(); }
  std::string GetAbbreviation() override;
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }
  std::unique_ptr<WABSNote> GetText() override;
  std::unique_ptr<WABSNote> GetDisplayNote() override;
  bool HasNote() override { return false; }
  bool HasText() override;
  bool HasRepository() override { return false; }
  std::string GetSummary() override;

  // The footnote template: the source's own, or its source type's.
  std::string FootnoteTemplate();
  const std::vector<std::string>& Elements();

 private:
  // Element k (1-based); empty when missing.
  std::string Element(size_t k);

  WTMGCollection& collection_;
  int pos_;
  std::vector<std::string> elements_;
  bool elements_read_ = false;
  std::string summary_;
  bool summary_built_ = false;
};
