#pragma once

#include <memory>
#include <string>

#include "base/Date.h"
#include "formats/legacy/LEGCitationList.h"
#include "model/ABSCitation.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

class WLEGCollection;

// What every Legacy event is made of, read from its row when the event is made: the coded date
// text, the place (present or not, with its name), the note text and the citations.
struct WLEGEventParts {
  std::string date;
  bool has_place = false;
  std::string place;
  std::string note;
  WLEGCitationList citations;

  // A WLEGDate of the date text; none when it is empty.
  std::unique_ptr<WDate> MakeDate() const;
  std::unique_ptr<WABSPlace> MakePlace() const;
  std::unique_ptr<WABSNote> MakeNote() const;
};
