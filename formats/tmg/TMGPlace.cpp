#include "formats/tmg/TMGPlace.h"

#include "base/TextUtils.h"
#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGTable.h"

WTMGPlace::WTMGPlace(WTMGCollection& collection, int place_id)
    : collection_(collection), place_id_(place_id) {}

std::string WTMGPlace::GetName() { return collection_.PlaceText(place_id_); }

std::string WTMGPlace::TextOfMemo(std::string_view memo) {
  std::string text;
  for (const std::string& part : WTMGTable::SplitParts(memo)) {
    std::string piece = TrimText(part);
    if (piece.empty()) continue;
    if (!text.empty()) text += ", ";
    text += piece[0] == '^' ? piece.substr(std::min<size_t>(2, piece.size())) : piece;
  }
  return text;
}

std::string WTMGPlace::PartOfMemo(std::string_view memo, int k) {
  if (k < 1) return std::string();
  std::vector<std::string> parts = WTMGTable::SplitParts(memo);
  return static_cast<size_t>(k) <= parts.size() ? parts[static_cast<size_t>(k - 1)] : std::string();
}
