#include "formats/ftm/FTWNote.h"

#include "formats/ftm/FTWCollection.h"

WFTWNote::WFTWNote(const WFTWCollection& collection, int32_t n) { AddLine(collection.ReadNote(n)); }

std::unique_ptr<WABSNote> WFTWNote::OfReference(const WFTWCollection& collection, int32_t reference_slot) {
  if (reference_slot <= 0) return nullptr;
  const int32_t note = collection.NoteNumberOf(reference_slot);
  if (note <= 0) return nullptr;
  return std::make_unique<WFTWNote>(collection, note);
}
