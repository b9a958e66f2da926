#pragma once

#include <functional>
#include <memory>
#include <string>

#include "model/RecNo.h"

class WABSNote;
class WABSSource;

// A reference from a record (person, family, name, event, place) to a source, with
// the place within the source.
class WABSCitation {
 public:
  virtual ~WABSCitation();

  // Where within the source: page, entry.
  virtual std::string GetDetail() = 0;
  virtual std::unique_ptr<WABSNote> GetNote() = 0;
  virtual std::unique_ptr<WABSSource> GetSource() = 0;
  // The RecNo of the source record cited, for a reader that can tell it without building the
  // source; 0 when the source is no record or the reader does not say (then only GetSource
  // tells what it is).
  virtual RecNo GetSourceRecord() { return 0; }

  // Detail, the citation's note, the source's summary and the source's note, each
  // joined to what came before by ", ".
  std::string GetCitationText();

  // The numbered citation list of a record with `count` citations: every citation that
  // exists is written "n) text", separated by CR LF CR LF.  The first entry found is
  // numbered 1 whatever its own number; later ones keep their own numbers.
  static std::string ListText(int count, const std::function<std::unique_ptr<WABSCitation>(int)>& get);
};
