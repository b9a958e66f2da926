// Every qualifier and form of the model's dates goes out as a GEDCOM date value and reads back
// through our GEDCOM reader.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/Date.h"
#include "export/GedcomDate.h"
#include "formats/ged/GEDCollection.h"
#include "model/ABSIndividual.h"
#include "support/TempDir.h"

namespace {

// A date as a reader of coded dates fills it: parts, no text.
class PartsDate : public WDate {
 public:
  PartsDate(int qualifier, DateRec first, DateRec second = DateRec()) {
    this->qualifier = static_cast<uint8_t>(qualifier);
    firstDate = first;
    secondDate = second;
    invalid = false;
  }
};

DateRec Ymd(int year, int month = 0, int day = 0, int calendar = kCalGregorian, int era = 0) {
  DateRec d;
  d.year = static_cast<uint16_t>(year);
  d.month = static_cast<uint16_t>(month);
  d.day = static_cast<uint16_t>(day);
  d.calendar = static_cast<uint8_t>(calendar);
  d.era = static_cast<uint8_t>(era);
  d.hasDate = year || month || day;
  return d;
}

struct DateCase {
  std::shared_ptr<WDate> date;
  std::string gedcom;  // what the export writes
  std::string shown;   // what our reader shows for it
};

std::shared_ptr<WDate> Text(const char* text) { return std::make_shared<WDate>(text); }
std::shared_ptr<WDate> Parts(int qualifier, DateRec first, DateRec second = DateRec()) {
  return std::make_shared<PartsDate>(qualifier, first, second);
}

std::vector<DateCase> Cases() {
  return {
      // Dates a GEDCOM file gave: GEDCOM forms stay as they were.
      {Text("1 JAN 1850"), "1 JAN 1850", "1 Jan 1850"},
      {Text("jan  1850"), "JAN 1850", "Jan 1850"},
      {Text("ABT 1850"), "ABT 1850", "Abt 1850"},
      {Text("BEF 1850"), "BEF 1850", "Bef 1850"},
      {Text("AFT 1850"), "AFT 1850", "Aft 1850"},
      {Text("EST 1850"), "EST 1850", "Est 1850"},
      {Text("CAL 1850"), "CAL 1850", "Cal 1850"},
      {Text("BET 1850 AND 1860"), "BET 1850 AND 1860", "Bet 1850 and 1860"},
      {Text("FROM 1850 TO 1860"), "FROM 1850 TO 1860", "From 1850 to 1860"},
      {Text("FROM 3 MAR 1850"), "FROM 3 MAR 1850", "From 3 Mar 1850"},
      {Text("TO 1860"), "TO 1860", "1860"},
      {Text("INT 1850 (AS HE SAID)"), "INT 1850 (AS HE SAID)", "INT 1850 (AS HE SAID)"},
      {Text("(IN THE WAR)"), "(IN THE WAR)", "(IN THE WAR)"},
      {Text("10 MAR 1750/51"), "10 MAR 1750/51", "10 Mar 1750/51"},
      {Text("@#DJULIAN@ 1 JAN 1700"), "@#DJULIAN@ 1 JAN 1700", "1 Jan 1700"},
      {Text("@#DHEBREW@ 1 TSH 5760"), "@#DHEBREW@ 1 TSH 5760", "@#DHEBREW@ 1 TSH 5760"},
      {Text("@#DFRENCH R@ 1 VEND 12"), "@#DFRENCH R@ 1 VEND 12", "@#DFRENCH R@ 1 VEND 12"},
      {Text("44 B.C."), "44 B.C.", "44 B.C."},
      // Forms our parser reads that GEDCOM writes otherwise.
      {Text("ABOUT 1850"), "ABT 1850", "Abt 1850"},
      {Text("abt. 1850"), "ABT 1850", "Abt 1850"},
      {Text("CIRCA 1850"), "(CIRCA 1850)", "(CIRCA 1850)"},
      {Text("CIR 1850"), "ABT 1850", "Abt 1850"},
      {Text("ABT 664 BC"), "ABT 664 B.C.", "ABT 664 B.C."},
      {Text("BET 12 BCE AND 9 BCE"), "BET 12 B.C. AND 9 B.C.", "BET 12 B.C. AND 9 B.C."},
      {Text("BET 1850 TO 1860"), "BET 1850 AND 1860", "Bet 1850 and 1860"},
      {Text("INT 1850"), "1850", "1850"},
      {Text("10 MAR 1750 1751"), "10 MAR 1750/51", "10 Mar 1750/51"},
      {Text("12 MAR 1637/1638"), "12 MAR 1637/38", "12 Mar 1637/38"},
      {Text("12 31 1850"), "31 DEC 1850", "31 Dec 1850"},
      {Text("31/12/1850"), "31 DEC 1850", "31 Dec 1850"},
      {Text("12/1850"), "DEC 1850", "Dec 1850"},
      {Text("1750/1751"), "1750/51", "1750/51"},
      // Nothing GEDCOM can say: a phrase.
      {Text("UNKNOWN"), "(UNKNOWN)", "(UNKNOWN)"},
      {Text("10 JAN"), "(10 JAN)", "(10 JAN)"},
      {Text("DECEASED"), "(DECEASED)", "(DECEASED)"},
      {Text("BET 1850"), "(BET 1850)", "(BET 1850)"},
      {Text("1056/1060"), "(1056/1060)", "(1056/1060)"},
      {Text("ABT (1850)"), "(ABT [1850])", "(ABT [1850])"},
      // Dates of readers that decode parts: every qualifier and calendar.
      {Parts(kQualExact, Ymd(1850, 3, 10)), "10 MAR 1850", "10 Mar 1850"},
      {Parts(kQualBefore, Ymd(1850, 3)), "BEF MAR 1850", "Bef Mar 1850"},
      {Parts(kQualAfter, Ymd(1850)), "AFT 1850", "Aft 1850"},
      {Parts(kQualBetween, Ymd(1850), Ymd(1860, 5)), "BET 1850 AND MAY 1860", "Bet 1850 and May 1860"},
      {Parts(kQualFrom, Ymd(1850), Ymd(1860)), "FROM 1850 TO 1860", "From 1850 to 1860"},
      {Parts(kQualTo, Ymd(1860)), "TO 1860", "1860"},
      {Parts(kQualAbout, Ymd(1850)), "ABT 1850", "Abt 1850"},
      {Parts(kQualEstimated, Ymd(1850)), "EST 1850", "Est 1850"},
      {Parts(kQualCirca, Ymd(1850)), "ABT 1850", "Abt 1850"},
      {Parts(kQualCalculated, Ymd(1850)), "CAL 1850", "Cal 1850"},
      {Parts(kQualInterpreted, Ymd(1850)), "1850", "1850"},
      {Parts(kQualSay, Ymd(1850)), "ABT 1850", "Abt 1850"},
      {Parts(kQualOr, Ymd(1850), Ymd(1851)), "(1850 or 1851)", "(1850 OR 1851)"},
      {Parts(kQualExact, Ymd(1750, 3, 10), Ymd(1751)), "10 MAR 1750/51", "10 Mar 1750/51"},
      {Parts(kQualAbout, Ymd(1699), Ymd(1700)), "ABT 1699/00", "Abt 1699/00"},
      {Parts(kQualExact, Ymd(44, 0, 0, kCalGregorian, 1)), "44 B.C.", "44 B.C."},
      {Parts(kQualExact, Ymd(1700, 1, 1, kCalJulian)), "@#DJULIAN@ 1 JAN 1700", "1 Jan 1700"},
      {Parts(kQualExact, Ymd(5760, 13, 1, kCalHebrew)), "@#DHEBREW@ 1 ELL 5760", "@#DHEBREW@ 1 ELL 5760"},
      {Parts(kQualExact, Ymd(12, 1, 1, kCalFrench)), "@#DFRENCH R@ 1 VEND 12", "@#DFRENCH R@ 1 VEND 12"},
      {Parts(kQualExact, Ymd(1700, 1, 1, kCalRoman)), "(1 Jan 1700)", "(1 JAN 1700)"},
      {Parts(kQualBetween, Ymd(1850)), "(Bet 1850)", "(BET 1850)"},
      {Parts(kQualExact, Ymd(1850, 0, 5)), "(5 1850)", "(5 1850)"},
      {Parts(kQualExact, Ymd(1850, 13)), "(1850)", "(1850)"},
  };
}

TEST(GedcomDate, EveryFormIsAGedcomDateThatReadsBack) {
  const std::vector<DateCase> cases = Cases();
  std::string file = "0 HEAD\r\n1 CHAR UTF-8\r\n";
  for (size_t i = 0; i < cases.size(); ++i) {
    const std::string gedcom = WGedcomDate::FromDate(cases[i].date.get());
    EXPECT_EQ(gedcom, cases[i].gedcom) << "case " << i << ": " << cases[i].date->GetDisplayText();
    EXPECT_TRUE(WGedcomDate::IsGedcomDate(gedcom) || gedcom == "1750/51" || gedcom.empty()) << gedcom;
    file += "0 @I" + std::to_string(i + 1) + "@ INDI\r\n1 BIRT\r\n2 DATE " + gedcom + "\r\n";
  }
  file += "0 TRLR\r\n";
  TempDir dir;
  WriteFile(dir / "dates.ged", file);
  WGEDCollection back(dir / "dates.ged");
  ASSERT_TRUE(back.Import());
  ASSERT_EQ(back.IndividualCount(), static_cast<int>(cases.size()));
  for (size_t i = 0; i < cases.size(); ++i)
    EXPECT_EQ(back.GetIndividual(static_cast<RecNo>(i + 1))->GetEventDateText(evBirth), cases[i].shown)
        << "case " << i << ": " << cases[i].gedcom;
}

TEST(GedcomDate, NoDateGivesNoValue) {
  EXPECT_EQ(WGedcomDate::FromDate(nullptr), "");
  WDate empty("");
  EXPECT_EQ(WGedcomDate::FromDate(&empty), "");
}

TEST(GedcomDate, TheGrammarRefusesWhatGedcomDoesNotKnow) {
  for (const char* text :
       {"1 JAN 1850", "ABT @#DJULIAN@ 1700", "BET 1 JAN 1850 AND FEB 1851", "FROM 1850 TO 1860",
        "INT 5 MAY 1850 (FIFTH OF MAY)", "@#DHEBREW@ ADS 5760", "1750/51 B.C.", "(ANYTHING)"})
    EXPECT_TRUE(WGedcomDate::IsGedcomDate(text)) << text;
  for (const char* text : {"", "ABT", "32 JAN 1850", "1 JANUARY 1850", "BET 1850", "1850 AND 1860",
                           "FROM TO 1860", "INT 1850", "@#DROMAN@ 12", "@#DHEBREW@ 1 JAN 5760", "1750/1751",
                           "1 JAN 1850 1851", "@#DFRENCH R@ 1 VEND 12 B.C.", "ABT 1850)"})
    EXPECT_FALSE(WGedcomDate::IsGedcomDate(text)) << text;
}

// The common forms are recognised by a shortcut that refuses two blanks together; the grammar
// reads a text with one blank doubled as the same words, and must agree with the shortcut.
TEST(GedcomDate, TheShortcutForCommonFormsAgreesWithTheGrammar) {
  const char* keywords[] = {"",     "TO ",   "BEF ", "AFT ", "ABT ",  "CAL ",
                            "EST ", "FROM ", "INT ", "BET ", "ABOUT "};
  const char* days[] = {"", "1 ", "01 ", "31 ", "0 ", "32 ", "100 ", "X "};
  const char* months[] = {"", "JAN ", "DEC ", "JANU ", "jan ", "TSH ", "VEND ", "1 "};
  const char* years[] = {"1850", "1", "9999", "0", "10000", "0000", "1850 B.C.", "1750/51", "JAN", ""};
  for (const char* k : keywords)
    for (const char* d : days)
      for (const char* m : months)
        for (const char* y : years) {
          const std::string text = std::string(k) + d + m + y;
          const size_t blank = text.find(' ');
          if (blank == std::string::npos) continue;
          const std::string doubled = text.substr(0, blank) + " " + text.substr(blank);
          EXPECT_EQ(WGedcomDate::IsGedcomDate(text), WGedcomDate::IsGedcomDate(doubled)) << text;
        }
}

// Each calendar knows its own month codes, whole words only.
TEST(GedcomDate, EveryMonthCodeOfEachCalendarAndNoOther) {
  const struct {
    const char* escape;
    std::vector<std::string> months;
  } calendars[] = {
      {"", {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"}},
      {"@#DJULIAN@ ", {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"}},
      {"@#DHEBREW@ ",
       {"TSH", "CSH", "KSL", "TVT", "SHV", "ADR", "ADS", "NSN", "IYR", "SVN", "TMZ", "AAV", "ELL"}},
      {"@#DFRENCH R@ ",
       {"VEND", "BRUM", "FRIM", "NIVO", "PLUV", "VENT", "GERM", "FLOR", "PRAI", "MESS", "THER", "FRUC",
        "COMP"}},
  };
  for (const auto& calendar : calendars) {
    for (const std::string& month : calendar.months) {
      const std::string prefix = calendar.escape;
      EXPECT_TRUE(WGedcomDate::IsGedcomDate(prefix + "2 " + month + " 12")) << prefix << month;
      EXPECT_FALSE(WGedcomDate::IsGedcomDate(prefix + "2 " + month + "X 12")) << prefix << month;
      EXPECT_FALSE(WGedcomDate::IsGedcomDate(prefix + "2 " + month.substr(0, month.size() - 1) + " 12"))
          << prefix << month;
    }
  }
  EXPECT_FALSE(WGedcomDate::IsGedcomDate("@#DFRENCH R@ 2 JAN 12"));
  EXPECT_FALSE(WGedcomDate::IsGedcomDate("2 jan 1850"));
}

}  // namespace
