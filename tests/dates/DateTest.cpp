#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "base/Date.h"

namespace {

struct DisplayCase {
  const char* text;
  const char* display;
};

// Stored texts and the display texts the viewer shows for them.
const DisplayCase kDisplayCases[] = {
    {"1 JAN 1850", "1 Jan 1850"},
    {"jan 1850", "Jan 1850"},
    {"ABOUT 1850", "Abt 1850"},
    {"BET 1850 AND 1860", "Bet 1850 and 1860"},
    {"BET 1850 TO 1860", "Bet 1850 and 1860"},  // the word between the dates is not shown
    {"FROM 1850 TO 1860", "From 1850 to 1860"},
    {"1750/1751", "1750/1751"},
    {"10 MAR 1750 1751", "10 Mar 1750/1751"},  // the second year starts the second date
    {"1750/51", "1750/51"},                    // a double-dated year
    {"12 31 1850", "31 Dec 1850"},             // month, day, year
    {"31/12/1850", "31 Dec 1850"},
    {"12/1850", "Dec 1850"},
    {"UNKNOWN", "UNKNOWN"},
    {"DECEASED", "Dec "},  // starts with DECE, so it is December
    {"", ""},
    // Qualifier words and their prefixes.
    {"BEF 1850", "Bef 1850"},
    {"before 1850", "Bef 1850"},
    {"AFTER 1850", "Aft 1850"},
    {"AROUND 1850", "Abt 1850"},
    {"SAY 1850", "Abt 1850"},
    {"EST. 1850", "Est 1850"},
    {"CIR 1850", "Cir 1850"},
    {"CAL 1850", "Cal 1850"},
    {"INT 1850", "1850"},
    {"BETWEEN 1850 AND 1860", "Bet 1850 and 1860"},
    {"BET 1850", "Bet 1850"},  // no second date: no " and "
    {"FROM 1 JAN 1850", "From 1 Jan 1850"},
    {"TO 1850", "1850"},
    {"BEFORE. 1850", "Bef 1850"},    // four-letter entries match any continuation
    {"BEFX 1850", "BEFX 1850"},      // three-letter entries must be whole tokens
    {"SEP. 1850", "SEP. 1850"},      // three letters and a full stop are not a month
    {"SEPTEMBER 1850", "Sep 1850"},  // only seven characters count, "SEPT" matches
    {"1 JUNE 1850", "1 Jun 1850"},
    {"1-MAY-1850", "1 May 1850"},
    {"  1   JAN   1850  ", "1 Jan 1850"},
    // General rule: the order of numbers and words.
    {"1850 JAN 1", "1 Jan 1850"},
    {"1850 1 2", ""},          // three numbers: the month-day-year shortcut fails on 1850
    {"JAN 3 4", "3 Jan 4"},    // day, then a small number is the year once the month is known
    {"01.20.1850", "1 1850"},  // 20 is no month and the year is taken: the rest is a second date
    {"JAN 15 1850", "15 Jan 1850"},
    {"15 1850", ""},                   // month-year shortcut fails: 15 is no month
    {"5 1850", "May 1850"},            // month-year shortcut
    {"13 1 1850", ""},                 // month-day-year shortcut fails and consumes nothing
    {"1 JAN 1850 FEB", "1 Jan 1850"},  // the second month starts the second date, which has no year
    {"JAN 0 0 0 1850", "Jan 1850"},    // a zero day is no day
    {"1 2 3 4", "2 Jan 3"},
    // Fixed forms.
    {"1.2.1850", "1 Feb 1850"},
    {"01.02.1850", "1 Feb 1850"},
    {"1/12/1850", "1 Dec 1850"},
    {"31/1/1850", "31 Jan 1850"},
    {"<1850>", "1850"},
    {"<ABT.>", "Abt "},
    {"<ABT>", "<ABT>"},   // five characters: not the bracketed form
    {"00/1850", "1850"},  // no month 0: only the year token
    {"1750.1751", "1750/1751"},
    // Other calendars: the calendar is not shown, a month 13 neither.
    {"@#DJULIAN@ 1 FEB 1700", "1 Feb 1700"},
    {"@#DHEBREW@ 1 ELL 2000", "1 2000"},
    {"@#DHEBREW@ 1 TSH 5760", "@#DHEBREW@ 1 TSH 5760"},  // a year of 3000 or more is a word
    {"@#DFRENCH R@ 1 VEND 12", "@#DFRENCH R@ 1 VEND 12"},
    {"@#DROMAN@ 1 JAN 1850", "@#DROMAN@ 1 JAN 1850"},  // no month names
    // Double-dated years: the year, "/" and the next year or its last digits, as written.
    {"1708/9", "1708/9"},
    {"1720/21", "1720/21"},
    {"1699/00", "1699/00"},
    {"ABT 1604/5", "Abt 1604/5"},
    {"ABT 1103/1104", "Abt 1103/1104"},
    {"24 MAR 1720/21", "24 Mar 1720/21"},
    {"13 JAN 1712/13", "13 Jan 1712/13"},
    {"MAR 1720/21", "Mar 1720/21"},
    {"ABT FEB 1701/02", "Abt Feb 1701/02"},
    {"10 FEB 1700/01", "10 Feb 1700/01"},
    {"10 FEB 1731/1732", "10 Feb 1731/1732"},
    {"BET 1700/01 AND 1710/11", "Bet 1700/01 and 1710/11"},
    {"FROM 1699/00 TO 1 JAN 1700/1", "From 1699/00 to 1 Jan 1700/1"},
    {"850/51", "850/51"},           // a year of three digits
    {"999/1000", "999/1000"},       // the next year in full
    {"850/0851", "850/0851"},       // four digits of the next year, zeros kept
    {"1750/0051", "1750/51"},       // the fixed form of nine characters: a second year of 51
    {"12 1750/51", "Dec 1750/51"},  // month-year shortcut
    {"1-MAR-1720/21", "1 Mar 1720/21"},
    // Slashes between numbers that are not consecutive years read as before.
    {"1850/12", ""},
    {"12/1850", "Dec 1850"},
    {"31/12/1850", "31 Dec 1850"},
    {"1/2/1850", "1 Feb 1850"},
    {"ABT 1103/1105", "Abt "},
    {"1750/52", ""},
    {"1750/1752", "1750/1752"},  // the fixed form: two years, shown in full
    {"1750/51/23", ""},          // the second part must end the token
    {"1750/517", ""},
    {"99/100", ""},   // two digits are no year here
    {"3000/01", ""},  // no year of the general rule
};

void PrintTo(const DisplayCase& c, std::ostream* os) { *os << "'" << c.text << "'"; }

class DisplayTable : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayTable, ShowsTheExpectedText) {
  WDate d(GetParam().text);
  EXPECT_EQ(d.GetDisplayText(), GetParam().display) << "text: '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(Dates, DisplayTable, ::testing::ValuesIn(kDisplayCases));

}  // namespace

TEST(DateParse, FieldsOfTypicalDates) {
  WDate d("abt 3 mar 1850");
  EXPECT_EQ(d.GetText(), "ABT 3 MAR 1850");
  EXPECT_TRUE(d.IsValid());
  EXPECT_TRUE(d.IsStandard());
  EXPECT_EQ(d.Qualifier(), kQualAbout);
  EXPECT_EQ(d.Year(), 1850);
  EXPECT_EQ(d.Month(), 3);
  EXPECT_EQ(d.Day(), 3);
  EXPECT_FALSE(d.HasSecondDate());

  WDate range("FROM 1850 TO 1860");
  EXPECT_EQ(range.SecondQualifier(), kQualTo);
  EXPECT_TRUE(range.HasSecondDate());
  EXPECT_EQ(range.SecondDate().year, 1860);
  EXPECT_TRUE(range.SecondDate().hasDate);

  WDate julian("@#DJULIAN@ 1 FEB 1700");
  EXPECT_EQ(julian.FirstDate().calendar, kCalJulian);
  WDate hebrew("@#DHEBREW@ 1 ELL 2000");
  EXPECT_EQ(hebrew.Month(), 13);
}

// The common forms ("[ABT ]3 MAR 1850", "MAR 1850", "1850") are read by a shortcut; the blanks
// around a text keep it from the shortcut and send it through the general parser, which must
// read the same parts.  Near misses of the forms are included: they go the general way either
// way, and the shortcut must not take them.
TEST(DateParse, TheShortcutForCommonFormsReadsWhatTheParserReads) {
  std::vector<std::string> texts;
  const char* qualifiers[] = {"", "ABT ", "BEF ", "AFT ", "EST ", "CAL ", "TO ", "INT ", "ABOUT ", "abt "};
  const char* days[] = {"", "1 ", "05 ", "9 ", "10 ", "31 ", "0 ", "32 ", "00 ", "100 ", "12 "};
  const char* months[] = {"",     "JAN ", "FEB ", "MAR ", "APR ",  "MAY ", "JUN ", "JUL ", "AUG ", "SEP ",
                          "OCT ", "NOV ", "DEC ", "jun ", "JUNE ", "JU ",  "TSH ", "ABT ", "12 "};
  const char* years[] = {"1850", "32", "31", "2999", "3000", "0032", "9", "0", "12345", "1750/51", "JUN", ""};
  for (const char* q : qualifiers)
    for (const char* d : days)
      for (const char* m : months)
        for (const char* y : years) texts.push_back(std::string(q) + d + m + y);
  for (const char* odd : {"1 JAN  1850", "1 JAN 1850 B.C.", "1 JAN 1850 1851", "JAN", "ABT", "1", "1 JAN"})
    texts.push_back(odd);
  for (const std::string& text : texts) {
    // (Blanks would make an empty text valid and change the length the slashed forms go by.)
    if (text.empty() || text.find('/') != std::string::npos) continue;
    const WDate shortcut(text);
    const WDate general(" " + text + " ");
    SCOPED_TRACE(text);
    ASSERT_EQ(shortcut.IsValid(), general.IsValid());
    EXPECT_EQ(shortcut.IsStandard(), general.IsStandard());
    EXPECT_EQ(shortcut.Qualifier(), general.Qualifier());
    EXPECT_EQ(shortcut.SecondQualifier(), general.SecondQualifier());
    for (const auto& [a, b] : {std::pair(&shortcut.FirstDate(), &general.FirstDate()),
                               std::pair(&shortcut.SecondDate(), &general.SecondDate())}) {
      EXPECT_EQ(a->day, b->day);
      EXPECT_EQ(a->month, b->month);
      EXPECT_EQ(a->year, b->year);
      EXPECT_EQ(a->calendar, b->calendar);
      EXPECT_EQ(a->era, b->era);
      EXPECT_EQ(a->hasDate, b->hasDate);
      EXPECT_EQ(a->text, b->text);
    }
    if (shortcut.IsStandard()) {
      EXPECT_EQ(shortcut.GetDisplayText(), general.GetDisplayText());
    }
  }
}

// A date parsed again from a piece of its own stored text.
TEST(DateParse, ParsingAPieceOfItsOwnTextAgain) {
  WDate d("ABT 3 MAR 1850 AND SOME WORDS");
  d.SetText(std::string_view(d.GetText()).substr(4, 10));
  EXPECT_EQ(d.GetText(), "3 MAR 1850");
  EXPECT_EQ(d.Qualifier(), kQualExact);
  EXPECT_EQ(d.Year(), 1850);
  EXPECT_EQ(d.Day(), 3);
  d.SetText(d.GetText());
  EXPECT_EQ(d.GetText(), "3 MAR 1850");
  EXPECT_EQ(d.Month(), 3);
}

TEST(DateParse, EmptyTextIsInvalidAndEveryAccessorAnswersZero) {
  WDate d("");
  EXPECT_FALSE(d.IsValid());
  EXPECT_EQ(d.Year(), 0);
  EXPECT_EQ(d.Qualifier(), 0);
  EXPECT_EQ(d.DayNumber(2), 0);
  EXPECT_EQ(d.GetDisplayText(), "");
  WDate other("1850");
  EXPECT_EQ(d.Compare(&other), -2);
  EXPECT_EQ(other.Compare(nullptr), -2);
}

TEST(DateParse, UnreadableTextsStayValidButNonStandard) {
  for (const char* t : {"UNKNOWN", "1850S", "18500000", "SEP. 1850", "1 FEB 1850 X"}) {
    WDate d(t);
    EXPECT_TRUE(d.IsValid()) << t;
    EXPECT_FALSE(d.IsStandard()) << t;
    EXPECT_EQ(d.GetDisplayText(), d.GetText()) << t;
  }
  // Partly read texts keep what was read.
  WDate d("1 FEB 1850 X");
  EXPECT_EQ(d.Year(), 1850);
  EXPECT_EQ(d.Month(), 2);
}

TEST(DateParse, OnlyFifteenTokensAreKept) {
  // The sixteenth token would make the date non-standard.
  WDate kept("JAN 0 0 0 0 0 0 0 0 0 0 0 0 0 0 UNKNOWN");
  EXPECT_TRUE(kept.IsStandard());
  EXPECT_EQ(kept.Month(), 1);
  WDate fifteenth("JAN 0 0 0 0 0 0 0 0 0 0 0 0 0 UNKNOWN");
  EXPECT_FALSE(fifteenth.IsStandard());
}

TEST(DateParse, ParsingAgainReplacesEverything) {
  WDate d("BET 1 JAN 1850 AND 1860");
  d.SetText("UNKNOWN");
  EXPECT_FALSE(d.IsStandard());
  d.SetText("1870");
  EXPECT_TRUE(d.IsStandard());
  EXPECT_EQ(d.Qualifier(), 0);
  EXPECT_EQ(d.Day(), 0);
  EXPECT_FALSE(d.HasSecondDate());
  EXPECT_EQ(d.GetDisplayText(), "1870");
  d.SetText("");
  EXPECT_FALSE(d.IsValid());
}

TEST(DateParse, TodayIsTheCurrentDateOnlyInCapitals) {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  WDate today("TODAY");
  EXPECT_EQ(today.Year(), tm.tm_year + 1900);
  EXPECT_EQ(today.Month(), tm.tm_mon + 1);
  EXPECT_EQ(today.Day(), tm.tm_mday);
  EXPECT_TRUE(today.IsStandard());
  // The stored text is the upper-cased date; the display text its usual form.
  EXPECT_EQ(today.GetText(), WDate(today.GetDisplayText()).GetText());
  EXPECT_FALSE(WDate("today").IsStandard());
}

TEST(DateParse, AnselTextIsConvertedAfterUpperCasing) {
  // ANSEL 0xB9 (pound sign) becomes its Windows-1252 byte.
  WDate d("1850 \xB9");
  EXPECT_EQ(d.GetText(), "1850 \xA3");
}

TEST(DateDisplay, ErasAndReaderQualifiers) {
  // Readers fill the fields directly.
  class CodedDate : public WDate {
   public:
    CodedDate(int q, int y1, int era1, int y2, int era2) {
      invalid = false;
      qualifier = static_cast<std::uint8_t>(q);
      firstDate.year = static_cast<std::uint16_t>(y1);
      firstDate.era = static_cast<std::uint8_t>(era1);
      firstDate.hasDate = true;
      secondDate.year = static_cast<std::uint16_t>(y2);
      secondDate.era = static_cast<std::uint8_t>(era2);
      secondDate.hasDate = y2 != 0;
    }
  };
  EXPECT_EQ(CodedDate(kQualExact, 44, 1, 0, 0).GetDisplayText(), "44 BC");
  EXPECT_EQ(CodedDate(kQualAbout, 45, 1, 44, 1).GetDisplayText(), "Abt 45 BC/44 BC");
  EXPECT_EQ(CodedDate(kQualSay, 1850, 0, 0, 0).GetDisplayText(), "Say 1850");
  EXPECT_EQ(CodedDate(kQualOr, 1850, 0, 1851, 0).GetDisplayText(), "1850 or 1851");
  EXPECT_EQ(CodedDate(kQualOr, 1850, 0, 0, 0).GetDisplayText(), "1850");
  EXPECT_EQ(CodedDate(kQualBetween, 10, 1, 5, 1).GetDisplayText(), "Bet 10 and 5");  // no era in ranges
}

// A double-dated year is its first year for comparing, sorting and day numbers, and has a second
// year, as "1750 1751" has, so that ages from it are approximate.
TEST(DateParse, DoubleDatedYearsAreTheFirstYearWithASecondOne) {
  for (const char* text : {"24 MAR 1720/21", "24 MAR 1720/1721", "24 MAR 1720 1721"}) {
    SCOPED_TRACE(text);
    const WDate d(text);
    EXPECT_TRUE(d.IsStandard());
    EXPECT_EQ(d.Year(), 1720);
    EXPECT_EQ(d.Month(), 3);
    EXPECT_EQ(d.Day(), 24);
    EXPECT_TRUE(d.HasSecondDate());
    EXPECT_EQ(d.SecondDate().year, 1721);
    EXPECT_EQ(d.SecondDate().day, 0);
    EXPECT_EQ(d.Compare(WDate("24 MAR 1720")), 0);
    EXPECT_EQ(d.DayNumber(2), WDate("24 MAR 1720").DayNumber(2));
  }
  const WDate century("1699/00");
  EXPECT_EQ(century.Year(), 1699);
  EXPECT_EQ(century.SecondDate().year, 1700);
  EXPECT_EQ(WDate("1699/00").Compare(WDate("1700")), -1);
  // In a range each side keeps its own second year; the range's end is the second date.
  const WDate range("BET 1700/01 AND 1710/11");
  EXPECT_EQ(range.Year(), 1700);
  EXPECT_EQ(range.SecondDate().year, 1710);
  EXPECT_EQ(range.FirstDate().nextYearDigits, 2);
  EXPECT_EQ(range.SecondDate().nextYearDigits, 2);
  // Parsing again forgets the double year.
  WDate again("1750/51");
  again.SetText("1750");
  EXPECT_FALSE(again.HasSecondDate());
  EXPECT_EQ(again.GetDisplayText(), "1750");
}

// The text of a file that is not ANSEL is converted by its reader; the parser only upper-cases it.
TEST(DateParse, AnsiTextIsNotConvertedAsAnsel) {
  const WDate ansi("(w\xE4hrend des Krieges \x96 1915)", DateTextEncoding::kAnsi);
  EXPECT_EQ(ansi.GetText(), "(W\xC4HREND DES KRIEGES \x96 1915)");
  EXPECT_EQ(ansi.GetDisplayText(), ansi.GetText());
  EXPECT_EQ(WDate("ABT 1850\xB9", DateTextEncoding::kAnsi).GetText(), "ABT 1850\xB9");
  EXPECT_EQ(WDate(std::string_view("1850\0X", 6), DateTextEncoding::kAnsi).GetText(), "1850");
}

TEST(DateCompare, ByYearMonthDayThenQualifier) {
  EXPECT_EQ(WDate("1 JAN 1850").Compare(WDate("1 JAN 1850")), 0);
  EXPECT_EQ(WDate("1850").Compare(WDate("1851")), -1);
  EXPECT_EQ(WDate("FEB 1850").Compare(WDate("JAN 1850")), 1);
  EXPECT_EQ(WDate("2 JAN 1850").Compare(WDate("10 JAN 1850")), -1);
  EXPECT_EQ(WDate("JAN 1850").Compare(WDate("1 JAN 1850")), -1);  // a missing day is 0
  EXPECT_EQ(WDate("BEF 1850").Compare(WDate("1850")), -1);
  EXPECT_EQ(WDate("AFT 1850").Compare(WDate("1850")), 1);
  EXPECT_EQ(WDate("BEF 1851").Compare(WDate("AFT 1850")), 1);  // the year decides first
}

TEST(DateCompare, QualifierTable) {
  const int codes[] = {kQualExact,     kQualBefore, kQualAfter,     kQualAbout,
                       kQualEstimated, kQualCirca,  kQualCalculated};
  const char* words[] = {"", "BEF ", "AFT ", "ABT ", "EST ", "CIR ", "CAL "};
  const int expected[7][7] = {
      {0, 1, -1, 1, 1, 1, 1},    {-1, 0, -1, -1, -1, -1, -1}, {1, 1, 0, 1, 1, 1, 1},
      {-1, 1, -1, 0, 0, 0, 0},   {-1, 1, -1, 0, 0, 1, 1},     {-1, 1, -1, 0, -1, 0, 1},
      {-1, 1, -1, 0, -1, -1, 0},
  };
  for (int r = 0; r < 7; ++r) {
    for (int c = 0; c < 7; ++c) {
      WDate a(std::string(words[r]) + "1 JAN 1850");
      WDate b(std::string(words[c]) + "1 JAN 1850");
      ASSERT_EQ(a.Qualifier(), codes[r]);
      EXPECT_EQ(a.Compare(&b), expected[r][c]) << words[r] << "against " << words[c];
    }
  }
  // Other qualifiers compare equal to everything at the same date.
  EXPECT_EQ(WDate("FROM 1850").Compare(WDate("BEF 1850")), 0);
  EXPECT_EQ(WDate("BEF 1850").Compare(WDate("INT 1850")), 0);
}

TEST(DateCompare, NonStandardDatesSortFirstAndByText) {
  WDate unknown("UNKNOWN"), dead("DEAD"), year("1850"), invalid("");
  EXPECT_EQ(year.Compare(unknown), 1);
  EXPECT_EQ(unknown.Compare(year), -1);
  EXPECT_EQ(unknown.Compare(invalid), -1);  // an invalid date counts as standard
  EXPECT_EQ(year.Compare(invalid), 1);      // with year 0
  EXPECT_EQ(dead.Compare(unknown), -1);
  EXPECT_EQ(unknown.Compare(dead), 1);
  EXPECT_EQ(unknown.Compare(WDate("unknown")), 0);
  EXPECT_EQ(WDate("UNKNOWN").Compare(WDate("UNKNOWN X")), -1);  // a prefix is smaller
}

TEST(DateDayNumber, CountsFromAFixedOrigin) {
  EXPECT_EQ(WDate("1 JAN 1").DayNumber(2), 1);
  EXPECT_EQ(WDate("1 MAR 2000").DayNumber(2) - WDate("28 FEB 2000").DayNumber(2), 2);
  EXPECT_EQ(WDate("1 MAR 1900").DayNumber(2) - WDate("28 FEB 1900").DayNumber(2), 1);
  // The leap day belongs to the year part and counts at every precision.
  EXPECT_EQ(WDate("MAR 2000").DayNumber(0) - WDate("FEB 2000").DayNumber(0), 1);
  EXPECT_EQ(WDate("MAR 1999").DayNumber(0) - WDate("FEB 1999").DayNumber(0), 0);
  EXPECT_EQ(WDate("15 MAR 1850").DayNumber(1) - WDate("15 MAR 1850").DayNumber(0), 59);
  // A month 13 adds nothing at month precision.
  EXPECT_EQ(WDate("@#DHEBREW@ ELL 2000").DayNumber(1), WDate("@#DHEBREW@ ELL 2000").DayNumber(0));
}

TEST(DateDayNumber, AgreesWithTheCalendarOverCenturies) {
  using namespace std::chrono;
  const sys_days origin = sys_days{year{1600} / January / 1};
  const int originNumber = WDate("1 JAN 1600").DayNumber(2);
  static const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                  "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  for (sys_days d = origin; d < sys_days{year{2101} / January / 1}; d += days{37}) {
    year_month_day ymd{d};
    std::string text = std::to_string(static_cast<unsigned>(ymd.day())) + " " +
                       kMonths[static_cast<unsigned>(ymd.month()) - 1] + " " +
                       std::to_string(static_cast<int>(ymd.year()));
    ASSERT_EQ(WDate(text).DayNumber(2) - originNumber, (d - origin).count()) << text;
  }
}

TEST(DateCompare, RandomDatesCompareAntisymmetrically) {
  // Sorting relies on Compare(a, b) == -Compare(b, a) for valid dates.
  static const char* kWords[] = {"ABT", "BEF",        "AFT",        "EST",  "CAL", "CIR",  "INT", "BET",
                                 "AND", "FROM",       "TO",         "JAN",  "MAR", "DECE", "1",   "12",
                                 "31",  "0",          "1850",       "1851", "X",   "/",    ".",   "<",
                                 ">",   "@#DJULIAN@", "@#DHEBREW@", "TSH",  "5760"};
  unsigned seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  auto randomText = [&] {
    std::string s;
    int n = static_cast<int>(next() % 6);
    for (int k = 0; k < n; ++k)
      s += std::string(kWords[next() % std::size(kWords)]) + (next() % 3 ? " " : "");
    return s;
  };
  for (int k = 0; k < 3000; ++k) {
    WDate a(randomText()), b(randomText());
    if (!a.IsValid() || !b.IsValid()) continue;
    ASSERT_EQ(a.Compare(&b), -b.Compare(&a)) << "'" << a.GetText() << "' vs '" << b.GetText() << "'";
  }
}

TEST(DateParse, ArbitraryBytesNeverCrash) {
  unsigned seed = 7;
  for (int k = 0; k < 5000; ++k) {
    std::string s;
    size_t n = (seed = seed * 1103515245u + 12345u) >> 27;
    for (size_t j = 0; j < n; ++j) s += static_cast<char>((seed = seed * 1103515245u + 12345u) >> 23);
    WDate d(s);
    EXPECT_EQ(d.IsValid(), !s.empty());
    (void)d.GetDisplayText();
    (void)d.DayNumber(2);
  }
}

namespace {

// A coded date as a binary reader fills it from raw bits.
class CodedDate : public WDate {
 public:
  CodedDate(int year, int month, int day) {
    SetDateParts(firstDate, year, month, day);
    invalid = !firstDate.hasDate;
  }
};

}  // namespace

// Damaged files give months and days beyond any table: they read as missing parts, and day
// numbers and display texts stay inside their tables.
TEST(CodedDates, PartsBeyondTheCalendarReadAsMissing) {
  CodedDate bad_month(1850, 99, 12);
  EXPECT_EQ(bad_month.Month(), 0);
  EXPECT_EQ(bad_month.Day(), 12);
  EXPECT_EQ(bad_month.DayNumber(1), CodedDate(1850, 0, 12).DayNumber(1));
  EXPECT_EQ(CodedDate(1850, 14, 40).Day(), 0);
  EXPECT_EQ(CodedDate(1850, 13, 31).Month(), 13);  // Hebrew and French calendars have 13 months
  EXPECT_EQ(CodedDate(-3, -1, -7).IsValid(), false);
  EXPECT_EQ(CodedDate(70000, 1, 1).Year(), 0);
  EXPECT_EQ(CodedDate(1850, 2, 3).GetDisplayText(), "3 Feb 1850");
}
