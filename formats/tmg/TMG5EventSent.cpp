#include "formats/tmg/TMG5EventSent.h"

#include "formats/tmg/TMG5Collection.h"
#include "formats/tmg/TMG5Place.h"
#include "formats/tmg/TMGTabE.h"
#include "formats/tmg/TMGTabG.h"

WTMG5EventSent::WTMG5EventSent(WTMG5Collection& collection, int event_pos, int type)
    : WTMGEventSent(collection, event_pos, type), collection5_(collection) {}

std::string WTMG5EventSent::StripBraceGroups(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t depth = 0;
  for (const char c : text) {
    if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (depth > 0) --depth;
    } else if (depth == 0) {
      out += c;
    }
  }
  return out;
}

std::string WTMG5EventSent::ChooseTemplate() {
  const int row = PrincipalWitnessRow();
  std::string chosen = row > 0 ? collection_.Witnesses().SentenceMemo(row) : std::string();
  if (chosen.empty()) chosen = TagTemplate();
  // Each part separator reads as a blank.
  static constexpr std::string_view kSeparator = "$!&";
  std::string out;
  out.reserve(chosen.size());
  size_t start = 0;
  for (size_t at = chosen.find(kSeparator); at != std::string::npos; at = chosen.find(kSeparator, start)) {
    out.append(chosen, start, at - start);
    out += ' ';
    start = at + kSeparator.size();
  }
  out.append(chosen, start, std::string::npos);
  return out;
}

int WTMG5EventSent::PlacePartNumber(const std::string& key) {
  if (key.size() == 2 && key[0] == 'L' && key[1] >= '1' && key[1] <= '9') return key[1] - '0';
  return WTMGEventSent::PlacePartNumber(key);
}

std::string WTMG5EventSent::PlaceVariable() {
  const int place_id = collection_.Events().PlaceNum(event_pos_);
  if (place_id < 1) return std::string();
  const std::string parts = WTMG5Place(collection5_, place_id).JoinParts(1, 9);
  return parts.empty() ? std::string() : "in " + parts;
}
