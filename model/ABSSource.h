#pragma once

#include <memory>
#include <string>

#include "model/RecNo.h"

class WABSNote;

// A source record.
class WABSSource {
 public:
  virtual ~WABSSource();

  // RecNo of the source's repository, 0 when none.
  virtual RecNo GetRepositoryRecord() = 0;
  virtual std::string GetAuthor() = 0;
  virtual std::string GetTitle() = 0;
  // Publication facts.
  virtual std::string GetPublication() = 0;
  virtual std::string GetCallNumber() = 0;
  virtual std::string GetAbbreviation() = 0;
  virtual std::unique_ptr<WABSNote> GetNote() = 0;
  // The source's text.
  virtual std::unique_ptr<WABSNote> GetText() = 0;
  // The raw record; empty unless the reader has one.
  virtual std::string GetRecordText();
  // The note to show with the source; the source's note unless the reader says otherwise.
  virtual std::unique_ptr<WABSNote> GetDisplayNote();
  virtual bool HasNote() = 0;
  virtual bool HasText() = 0;
  virtual bool HasRepository() = 0;
  // One-line description: author, title, publication, call number and abbreviation,
  // each flattened to one line, the non-empty ones joined by ", ".
  virtual std::string GetSummary();
};
