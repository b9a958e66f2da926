#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/CheckedView.h"
#include "model/ABSSource.h"

class WPAFCollection;

// A source record of a PAF file.  A source whose record cannot be located is absent and
// answers everything empty.
class WPAFSource : public WABSSource {
 public:
  // Where the version keeps the source's fields.
  struct Fields {
    uint32_t author, title, publication, call_number;
    uint32_t text_width;  // of author, title and publication
    uint32_t note, repository;
  };

  // On the source record at `record` (0: absent).
  WPAFSource(WPAFCollection& collection, uint64_t record, const Fields& fields);

  // 0 when the source names none.
  RecNo GetRepositoryRecord() override;
  std::string GetAuthor() override;
  std::string GetTitle() override;
  std::string GetPublication() override;
  std::string GetCallNumber() override;
  std::string GetAbbreviation() override;
  // None when the source has no note (or an empty one).
  std::unique_ptr<WABSNote> GetNote() override;
  bool HasNote() override;
  bool HasRepository() override;

 protected:
  // The link at `offset` of the record; 0 when absent.
  int32_t LinkAt(uint64_t offset) const;
  // The note the link at `offset` of the record starts; none when it names nothing.
  std::unique_ptr<WABSNote> NoteAt(uint64_t offset) const;

  WPAFCollection& collection_;
  WCheckedView view_;
  uint64_t record_;

 private:
  std::string TextField(uint32_t offset, uint32_t width) const;

  const Fields& fields_;
};
