#include "formats/legacy/LEGEventParts.h"

#include "formats/legacy/LEGDate.h"
#include "formats/legacy/LEGNote.h"
#include "formats/legacy/LEGPlace.h"

std::unique_ptr<WDate> WLEGEventParts::MakeDate() const {
  return date.empty() ? nullptr : std::make_unique<WLEGDate>(date);
}

std::unique_ptr<WABSPlace> WLEGEventParts::MakePlace() const {
  return has_place ? std::make_unique<WLEGPlace>(place) : nullptr;
}

std::unique_ptr<WABSNote> WLEGEventParts::MakeNote() const { return WLEGNote::From(note); }
