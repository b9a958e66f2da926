#include "formats/ftm/FTWCitation.h"

#include "formats/ftm/FTWNote.h"
#include "formats/ftm/FTWSource.h"

std::unique_ptr<WABSNote> WFTWCitation::GetNote() {
  if (item_.note.empty()) return nullptr;
  return std::make_unique<WFTWNote>(item_.note);
}

std::unique_ptr<WABSSource> WFTWCitation::GetSource() {
  if (item_.source <= 0) return nullptr;
  return std::make_unique<WFTWSource>(collection_, item_.source);
}
