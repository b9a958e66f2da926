#include "formats/ftm/FTWName.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

#include "base/TextUtils.h"
#include "formats/ftm/FTWCollection.h"
#include "formats/ftm/FTWText.h"
#include "model/ABSCitation.h"
#include "model/ABSNote.h"

namespace {

constexpr uint64_t kNameAt = 86;
constexpr int kNameUnits = 19;
constexpr int kNameMoreAt = 24;
constexpr int kSurnameRangeAt = 82;

constexpr const char* kSuffixes[] = {"I",    "II", "III", "IV", "V",   "VI",   "VII", "VIII", "REV",
                                     "REV.", "SR", "SR.", "DR", "DR.", "M.D.", "JR",  "JR."};

std::string_view Trim(std::string_view s) {
  const size_t start = s.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::string_view();
  return s.substr(start, s.find_last_not_of(' ') - start + 1);
}

bool IsSuffix(std::string_view word) {
  if (word.empty() || word.size() > 4) return false;
  const std::string upper = UpperCaseText(word);
  return std::any_of(std::begin(kSuffixes), std::end(kSuffixes), [&](const char* s) { return upper == s; });
}

}  // namespace

WFTWName::WFTWName(const WFTWCollection& collection, uint64_t record) {
  const WCheckedView& view = collection.View();
  // The units up to one whose low byte is 0.
  std::string_view units = view.Bytes(record + kNameAt, 2 * kNameUnits);
  size_t length = 0;
  while (length + 1 < units.size() && units[length] != 0) length += 2;
  std::string text = WFTWText::ToAnsi(units.substr(0, length));
  const int32_t more = view.I32LE(record + kNameMoreAt);
  if (more > 0) text += collection.ReadText(more, true);
  Split(text, view.U16LE(record + kSurnameRangeAt));
}

void WFTWName::SplitParts(const std::string& text, std::string& given, std::string& surname) {
  // Every step works on a shorter part of the text and only looks at its end, so that a
  // long run of suffixes costs no more than the text is long.
  std::string_view rest(text), given_part, surname_part;
  std::vector<std::string_view> suffixes;
  for (bool first_step = true;; first_step = false) {
    // Only the whole text can hold two backslashes: what is left after a step holds none
    // or one.
    const size_t first = first_step ? rest.find('\\') : std::string_view::npos;
    const size_t second = first == std::string_view::npos ? first : rest.find('\\', first + 1);
    if (second != std::string_view::npos) {
      given_part = Trim(rest.substr(0, first));
      surname_part = rest.substr(first + 1, second - first - 1);
    } else if (const size_t blank = rest.rfind(' '); blank == std::string_view::npos) {
      given_part = std::string_view();
      surname_part = rest;
    } else {
      given_part = Trim(rest.substr(0, blank));
      surname_part = rest.substr(blank + 1);
    }
    if (!IsSuffix(surname_part)) break;
    suffixes.push_back(surname_part);
    rest = given_part;
  }
  // A suffix found last stands first after the given names: "A B III Jr" -> "A III Jr".
  given.assign(given_part);
  for (auto s = suffixes.rbegin(); s != suffixes.rend(); ++s) given.append(" ").append(*s);
  surname.assign(surname_part);
}

bool WFTWName::SplitAtRange(const std::string& text, uint16_t surname_range) {
  const size_t start = surname_range & 63, end = (surname_range >> 6) & 63;
  if (surname_range == 0 || start > end || end >= text.size() || text.find('\\') != std::string::npos)
    return false;
  if (start > 0 && text[start - 1] != ' ') return false;
  const std::string_view whole(text);
  given_.assign(Trim(whole.substr(0, start)));
  surname_.assign(whole.substr(start, end - start + 1));
  suffix_.assign(Trim(whole.substr(end + 1)));
  return true;
}

void WFTWName::Split(const std::string& text, uint16_t surname_range) {
  if (SplitAtRange(text, surname_range)) return;
  SplitParts(text, given_, surname_);
  surname_.erase(std::remove(surname_.begin(), surname_.end(), ','), surname_.end());
}
