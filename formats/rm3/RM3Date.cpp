#include "formats/rm3/RM3Date.h"

#include <string>

#include "base/TextUtils.h"

namespace {

// Characters [from, from + count) of the text (1-based) as a number; 0 when any is not a
// digit.
int Digits(std::string_view text, size_t from, size_t count) {
  int value = 0;
  for (size_t i = from - 1; i < from - 1 + count; ++i) {
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return 0;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

uint8_t QualifierOf(char code) {
  switch (code) {
    case '1':
      return kQualBefore;
    case '3':
      return kQualCirca;
    case '4':
      return kQualEstimated;
    case '5':
      return kQualBetween;
    case '6':
      return kQualOr;
    case '7':
      return kQualFrom;
    case '8':
      return kQualAfter;
    default:  // '2' and anything else: no qualifier
      return kQualExact;
  }
}

}  // namespace

WRM3Date::WRM3Date(std::string_view raw) {
  const std::string trimmed = TrimText(raw);
  const std::string_view t(trimmed);
  if (t.empty()) return;  // invalid
  if (t[0] == 'T') {
    invalid = false;
    nonStandard = true;
    text = std::string(t.substr(1));
    return;
  }
  if (t[0] == 'D' && t.size() == 22) {
    invalid = false;
    text = trimmed;
    firstDate.era = t[1] == '0' ? 1 : 0;
    SetDateParts(firstDate, Digits(t, 3, 4), Digits(t, 7, 2), Digits(t, 9, 2));
    firstDate.hasDate = true;
    qualifier = QualifierOf(t[10]);
    secondQualifier = qualifier == kQualBetween ? kQualAnd : qualifier == kQualFrom ? kQualTo : kQualExact;
    SetDateParts(secondDate, Digits(t, 13, 4), Digits(t, 17, 2), Digits(t, 19, 2));
    return;
  }
  if (t.size() == 9) {
    invalid = false;
    text = trimmed;
    firstDate.era = t[0] == '0' ? 1 : 0;
    if (t[0] == '9')
      SetDateParts(firstDate, 9999, 1, 1);
    else
      SetDateParts(firstDate, Digits(t, 2, 4), Digits(t, 6, 2), Digits(t, 8, 2));
  }
}
