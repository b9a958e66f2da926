#pragma once

#include <functional>
#include <string>

#include "model/ABSCollection.h"

// Everything the model answers for a collection, as JSON Lines: one object per individual,
// family and source, and one for the submitter.  Texts are the model's texts converted to UTF-8,
// record numbers are numbers, and keys come in a fixed order, so that two dumps compare line by
// line.  The reader tests keep golden dumps of their fixtures; scripts read it as an export.
//
// A record that cannot be read gives {"type":...,"n":n,"error":message} and the dump goes on.
class WModelDump {
 public:
  explicit WModelDump(WABSCollection& collection) : collection_(collection) {}

  // Each line without its line feed.
  std::string IndividualLine(RecNo n);
  // Orders the family's children first (OrderChildren).
  std::string FamilyLine(RecNo n);
  std::string SourceLine(RecNo n);
  // Empty when the collection has no submitter.
  std::string SubmitterLine();

  // Every line in order: individuals, families, sources, the submitter.  `emit` receives each
  // line with its line feed; the walk yields to the message loop now and then and returns
  // false when the cancel flag was raised.
  bool WriteAll(const std::function<void(const std::string&)>& emit);

 private:
  WABSCollection& collection_;
};
