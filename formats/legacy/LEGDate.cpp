#include "formats/legacy/LEGDate.h"

namespace {

const char* Keyword(char c) {
  switch (c) {
    case '?':
      return "UNKNOWN";
    case 'a':
      return "DEAD";
    case 'b':
      return "DECEASED";
    case 'c':
      return "CHILD";
    case 'd':
      return "INFANT";
    case 'e':
      return "STILLBORN";
    case 'f':
      return "YOUNG";
    case 'g':
      return "SUBMITTED";
    case 'h':
      return "CLEARED";
    case 'i':
      return "UNCLEARED";
    case 'j':
      return "COMPLETED";
    case 'k':
      return "CANCELLED";
    case 'l':
      return "BIC";
    case 'm':
      return "DNS";
    case 'n':
      return "DNS/CAN";
    case 'o':
      return "SEE NOTES";
    case 'p':
      return "PRE-1970";
    case 'q':
      return "DONE";
    case 'r':
      return "PRVIATE";
    case 't':
      return "LIC";
    case 'u':
      return "NOT MARRIED";
    case 'v':
      return "NEVER MARRIED";
    default:
      return "";
  }
}

uint8_t QualifierOf(char c) {
  switch (c) {
    case '1':
      return kQualAbout;
    case '2':
      return kQualCirca;
    case '3':
      return kQualBefore;
    case '4':
      return kQualAfter;
    case '5':
      return kQualBetween;
    case 'F':
      return kQualFrom;
    case 'g':
      return kQualEstimated;
    case 'h':
      return kQualCalculated;
    default:
      return kQualExact;
  }
}

// A damaged date's month beyond 12 and day beyond 31 read as missing.
int ValidMonth(int month) { return month <= 12 ? month : 0; }

}  // namespace

int WLEGDate::Digits(const std::string& text, size_t from, size_t count) {
  if (from + count > text.size()) return 0;
  int value = 0;
  for (size_t i = from; i < from + count; ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

WLEGDate::WLEGDate(const std::string& coded) {
  invalid = true;
  nonStandard = true;
  text.clear();
  if (coded.empty()) return;
  if (coded.size() == 1) {
    text = Keyword(coded[0]);
    return;
  }
  if (coded[0] == ':') {
    // A free text; a longer text with a backslash at character 19 keeps only what follows it.
    text = coded.size() > 19 && coded[18] == '\\' ? coded.substr(19) : coded.substr(1);
    return;
  }
  qualifier = QualifierOf(coded[0]);
  nonStandard = false;
  if (coded.size() != 18) return;
  invalid = false;
  SetDateParts(firstDate, Digits(coded, 6, 4), ValidMonth(Digits(coded, 4, 2)), Digits(coded, 2, 2));
  firstDate.era = coded[1] == '0' ? 0 : 1;
  firstDate.hasDate = true;
  // The second date counts only with some part present, so that "From 1850" shows no " to ".
  SetDateParts(secondDate, Digits(coded, 14, 4), ValidMonth(Digits(coded, 12, 2)), Digits(coded, 10, 2));
  secondDate.era = 0;
  text = GetDisplayText();
}

WLEGDate::WLEGDate(int32_t yyyymmdd) {
  invalid = true;
  text.clear();
  const std::string digits = std::to_string(yyyymmdd);
  if (digits.size() != 8) return;
  invalid = false;
  nonStandard = false;
  qualifier = kQualExact;
  SetDateParts(firstDate, Digits(digits, 0, 4), ValidMonth(Digits(digits, 4, 2)), Digits(digits, 6, 2));
  text = GetDisplayText();
}
