#include "formats/ftm/FTWSource.h"

#include "formats/ftm/FTWCollection.h"
#include "formats/ftm/FTWNote.h"
#include "formats/ftm/FTWText.h"

WFTWSource::WFTWSource(WFTWCollection& collection, int32_t slot) {
  if (slot <= 0 || collection.SlotOffset(slot) == 0) return;
  const std::string text = collection.ReadText(collection.SlotInt(slot, 0), false);
  size_t at = 0;
  for (std::string& s : strings_) {
    const size_t start = at;
    while (at + 1 < text.size() && (text[at] != 0)) at += 2;
    if (at > start) s = WFTWText::ToAnsi(std::string_view(text).substr(start, at - start));
    at += 2;  // the unit that ended the string
    if (at >= text.size()) break;
  }
}

std::unique_ptr<WABSNote> WFTWSource::GetNote() {
  if (strings_[5].empty()) return nullptr;
  return std::make_unique<WFTWNote>(strings_[5]);
}
