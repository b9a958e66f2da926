#pragma once

#include <memory>
#include <string>

#include "model/ABSSource.h"
#include "model/RecNo.h"

class WGEDCollection;
class WGEDTextMMF;

// A GEDCOM source: a source record (0 @S1@ SOUR), or an inline source, which is a SOUR
// line whose value is the title itself.  Texts are read on first request and kept.
class WGEDSource : public WABSSource {
 public:
  // Source record n; raises EIndexError outside 1..SourceCount.
  WGEDSource(WGEDCollection& collection, RecNo n);
  // The inline source of a SOUR line.
  WGEDSource(WGEDCollection& collection, const char* sour_line);

  RecNo GetRepositoryRecord() override;
  std::string GetAuthor() override;
  std::string GetTitle() override;
  std::string GetPublication() override;
  std::string GetCallNumber() override;
  std::string GetAbbreviation() override;
  std::unique_ptr<WABSNote> GetNote() override;
  std::unique_ptr<WABSNote> GetText() override;
  // The record's text; empty for an inline source.
  std::string GetRecordText() override;
  bool HasNote() override { return note_ != nullptr; }
  bool HasText() override { return text_line_ != nullptr; }
  bool HasRepository() override { return fields_[kRepository].line != nullptr; }

  // The source of a SOUR line: the source record its value points to (none when the
  // identifier is unknown), or a new inline source.
  static std::unique_ptr<WABSSource> SourceOfLine(WGEDCollection& collection, const char* line);

 private:
  enum Field { kTitle, kAuthor, kPublication, kCallNumber, kAbbreviation, kRepository, kFieldCount };
  struct CachedText {
    const char* line = nullptr;  // value at column 7
    bool done = false;
    std::string text;
  };
  // The continued text of a field, pieces joined by CR LF, converted; computed once.
  const std::string& FieldText(Field field);

  WGEDCollection& collection_;
  const WGEDTextMMF& text_;
  const char* record_ = nullptr;  // none for an inline source
  CachedText fields_[kFieldCount];
  const char* note_ = nullptr;
  const char* text_line_ = nullptr;
};
