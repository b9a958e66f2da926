#pragma once

#include <cstdint>
#include <memory>
#include <string>

class WABSCitation;
class WABSNote;

// The place of an event.
class WABSPlace {
 public:
  virtual ~WABSPlace();

  // The place as stored.
  virtual std::string GetName() = 0;
  virtual int CitationCount();
  virtual std::unique_ptr<WABSCitation> GetCitation(int i) = 0;
  virtual std::unique_ptr<WABSNote> GetNote() = 0;

  // The stored place trimmed; with the PlaceCommas setting on, leading blanks and
  // commas are dropped as well.
  std::string GetDisplayText();
  std::string GetCitationsText();

  // The display rule above applied to any place text.
  static std::string DisplayTextOf(const std::string& place);

 protected:
  int32_t citation_count_ = 0;
};
