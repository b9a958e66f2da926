#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <locale.h>

#include <climits>
#include <cstdlib>

#include "base/Errors.h"
#include "base/TextUtils.h"

namespace {

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += static_cast<char>(b);
  return s;
}

}  // namespace

TEST(CaseTables, AccentedLettersOfTheCodePageChangeCase) {
  EXPECT_EQ(UpperCaseText("abc xyz"), "ABC XYZ");
  // é è ñ ø þ š œ ž ÿ -> É È Ñ Ø Þ Š Œ Ž Ÿ
  EXPECT_EQ(UpperCaseText(Bytes({0xE9, 0xE8, 0xF1, 0xF8, 0xFE, 0x9A, 0x9C, 0x9E, 0xFF})),
            Bytes({0xC9, 0xC8, 0xD1, 0xD8, 0xDE, 0x8A, 0x8C, 0x8E, 0x9F}));
  EXPECT_EQ(LowerCaseText(Bytes({0xC9, 0xC8, 0xD1, 0xD8, 0xDE, 0x8A, 0x8C, 0x8E, 0x9F})),
            Bytes({0xE9, 0xE8, 0xF1, 0xF8, 0xFE, 0x9A, 0x9C, 0x9E, 0xFF}));
  // Not letters, or letters without a partner: ÷ × ß µ and the digits stay.
  EXPECT_EQ(UpperCaseText(Bytes({0xF7, 0xDF, 0xB5, '1'})), Bytes({0xF7, 0xDF, 0xB5, '1'}));
  EXPECT_EQ(LowerCaseText(Bytes({0xD7})), Bytes({0xD7}));
}

TEST(CaseTables, UpperAndLowerAreInverseOnEveryLetter) {
  for (int c = 0; c < 256; ++c) {
    unsigned char u = UpperCaseTable[c];
    unsigned char l = LowerCaseTable[c];
    if (u != c) {
      EXPECT_EQ(LowerCaseTable[u], c) << "byte " << c;
    }
    if (l != c) {
      EXPECT_EQ(UpperCaseTable[l], c) << "byte " << c;
    }
  }
}

TEST(FoldAccents, FollowsTheFoldingTable) {
  EXPECT_EQ(
      FoldAccents(Bytes({0xC0, 0xC6, 0xC7, 0xD0, 0xD8, 0xDD, 0xDF, 0xE6, 0xF1, 0xF8, 0xFD, 0xFF, 0xAF})),
      "AACDOYBanoyyy");
  // ×, Þ, ð, ÷ and þ have no base letter.
  EXPECT_EQ(FoldAccents(Bytes({0xD7, 0xDE, 0xF0, 0xF7, 0xFE})), Bytes({0xD7, 0xDE, 0xF0, 0xF7, 0xFE}));
  EXPECT_EQ(FoldAccents("Plain"), "Plain");
}

TEST(Soundex, KnownCodes) {
  EXPECT_EQ(Soundex("Robert"), "R163");
  EXPECT_EQ(Soundex("Rupert"), "R163");
  EXPECT_EQ(Soundex("Tymczak"), "T522");
  EXPECT_EQ(Soundex("Pfister"), "P123");   // the first letter's code is not the previous code
  EXPECT_EQ(Soundex("Ashcraft"), "A226");  // H separates two equal codes
  EXPECT_EQ(Soundex("q"), "Q000");
  EXPECT_EQ(Soundex(""), "");
  EXPECT_EQ(Soundex("lloyd"), "L430");  // the second l is written
}

TEST(Soundex, NonLettersKeepTheCurrentCode) {
  // The apostrophe does not separate: O'Brien reads like OBrien.
  EXPECT_EQ(Soundex("O'Brien"), Soundex("OBrien"));
  // A first character that is not a letter a-z is kept as it is.
  EXPECT_EQ(Soundex(Bytes({0xE9, 'm', 'i', 'l', 'e'})), Bytes({0xE9, '5', '4', '0'}));
  EXPECT_EQ(Soundex("1abc"), "1120");
  // The scan stops after the fourth position.
  EXPECT_EQ(Soundex("Bcdlmnr"), "B234");
}

TEST(FormatCount, GroupsByThousands) {
  EXPECT_EQ(FormatCount(1234567, ","), "1,234,567");
  EXPECT_EQ(FormatCount(999, ","), "999");
  EXPECT_EQ(FormatCount(1000, "."), "1.000");
  EXPECT_EQ(FormatCount(0, ","), "0");
  EXPECT_EQ(FormatCount(-1234, ","), "-1,234");
  EXPECT_EQ(FormatCount(INT_MIN, ","), "-2,147,483,648");
  EXPECT_EQ(FormatCount(123456, ""), "123456");
}

TEST(FormatCount, CLocaleHasNoSeparatorSoCommaIsUsed) {
  EXPECT_EQ(ThousandsSeparator("C"), ",");
  EXPECT_EQ(ThousandsSeparator("POSIX"), ",");
  EXPECT_EQ(ThousandsSeparator("no_SUCH.locale"), ",");
  std::string sep = ThousandsSeparator("");
  EXPECT_FALSE(sep.empty());
  EXPECT_EQ(FormatCount(1234567), "1" + sep + "234" + sep + "567");
}

TEST(FormatCount, UsesTheSeparatorOfAnInstalledLocale) {
  locale_t de = newlocale(LC_NUMERIC_MASK, "de_DE.UTF-8", static_cast<locale_t>(0));
  if (!de) GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
  freelocale(de);
  EXPECT_EQ(ThousandsSeparator("de_DE.UTF-8"), ".");
}

TEST(AnselToAnsi, SingleBytesAndDiacriticPairs) {
  EXPECT_EQ(AnselToAnsi(Bytes({0xA2, 0xA5, 0xA6, 0xB5, 0xB6, 0xB9, 0xC0, 0xCF})),
            Bytes({0xD8, 0xC6, 0x8C, 0xE6, 0x9C, 0xA3, 0xB0, 0xDF}));
  // The mark comes before the letter it sits on.
  EXPECT_EQ(AnselToAnsi(Bytes({'R', 0xE2, 'e', 'n', 0xE2, 'e'})), Bytes({'R', 0xE9, 'n', 0xE9}));
  EXPECT_EQ(AnselToAnsi(Bytes({0xE1, 'A', 0xE3, 'o', 0xE4, 'N', 0xE8, 'Y', 0xE8, 'y'})),
            Bytes({0xC0, 0xF4, 0xD1, 0x9F, 0xFF}));
  // Dotless i takes an accent like i.
  EXPECT_EQ(AnselToAnsi(Bytes({0xE2, 0xB8, 0xE8, 'i'})), Bytes({0xED, 0xEF}));
  // Caron, ring and cedilla: one lower-case pair, every other letter gives the capital.
  EXPECT_EQ(AnselToAnsi(Bytes({0xE6, 's', 0xE6, 'S', 0xE6, 'z'})), Bytes({0x9A, 0x8A, 0x8A}));
  EXPECT_EQ(AnselToAnsi(Bytes({0xEA, 'a', 0xEA, 'A', 0xF0, 'c', 0xF0, 'C'})),
            Bytes({0xE5, 0xC5, 0xE7, 0xC7}));
}

TEST(AnselToAnsi, UnknownPairsTrailingMarksAndNul) {
  // An unknown pair keeps the mark and drops the letter.
  EXPECT_EQ(AnselToAnsi(Bytes({0xE2, 'c', 'x'})), Bytes({0xE2, 'x'}));
  // A mark at the very end stays.
  EXPECT_EQ(AnselToAnsi(Bytes({'a', 0xE8})), Bytes({'a', 0xE8}));
  // Bytes below 0xA2 pass unchanged, 0xA1 included; unlisted high bytes too.
  EXPECT_EQ(AnselToAnsi(Bytes({0x80, 0xA1, 0xA7, 0xFE})), Bytes({0x80, 0xA1, 0xA7, 0xFE}));
  // NUL ends the text, also right after a mark.
  EXPECT_EQ(AnselToAnsi(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(AnselToAnsi(Bytes({'x', 0xE2, 0, 'e'})), Bytes({'x', 0xE2}));
}

TEST(Utf8ToAnsi, ConvertsWhatTheCodePageHas) {
  EXPECT_EQ(Utf8ToAnsi("M\xC3\xBCller"), "M\xFCller");                // ü
  EXPECT_EQ(Utf8ToAnsi("\xE2\x82\xAC 5"), "\x80 5");                  // €
  EXPECT_EQ(Utf8ToAnsi("\xC5\xA0\xC5\x93\xC5\xB8"), "\x8A\x9C\x9F");  // Š œ Ÿ
  EXPECT_EQ(Utf8ToAnsi("\xC5\x81\xC3\xB3\xC5\xBA"), "?\xF3?");        // Ł ó ź: Ł and ź are missing
  EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80!"), "?!");                   // one character outside the BMP
  EXPECT_EQ(Utf8ToAnsi(""), "");
}

TEST(SplitSingleBlanks, TakesWordsBetweenSingleBlanksOnly) {
  std::string_view words[3];
  size_t count = 9;
  ASSERT_TRUE(SplitSingleBlanks("ABT 3 MAR", words, 3, count));
  ASSERT_EQ(count, 3u);
  EXPECT_EQ(words[0], "ABT");
  EXPECT_EQ(words[2], "MAR");
  EXPECT_TRUE(SplitSingleBlanks("", words, 3, count));
  EXPECT_EQ(count, 0u);
  EXPECT_TRUE(SplitSingleBlanks("1850", words, 1, count));
  EXPECT_EQ(count, 1u);
  for (const char* refused : {"A B C D", " A", "A ", "A  B", " ", "A B "})
    EXPECT_FALSE(SplitSingleBlanks(refused, words, 3, count)) << refused;
}

// ASCII is copied several bytes at a time: a character is found wherever it stands.
TEST(Utf8ToAnsi, FindsACharacterAtEveryPlaceOfALongText) {
  const std::string filler = "abcdefghijklmnopq";
  for (size_t at = 0; at <= filler.size(); ++at) {
    std::string text = filler;
    text.insert(at, "\xC3\xBC");
    std::string expected = filler;
    expected.insert(at, "\xFC");
    ASSERT_EQ(Utf8ToAnsi(text), expected) << "at " << at;
  }
}

TEST(Utf8ToAnsi, MalformedInputBecomesQuestionMarksWithoutOverrun) {
  // A truncated sequence at the very end: the decoder must not look beyond it.
  std::string buf = "ab\xE2\x82";
  EXPECT_EQ(Utf8ToAnsi(std::string_view(buf.data(), 3)), "ab?");
  EXPECT_EQ(Utf8ToAnsi(buf), "ab?");
  EXPECT_EQ(Utf8ToAnsi("\xF0\x9F"), "?");
  // Stray continuation bytes, each one character.
  EXPECT_EQ(Utf8ToAnsi("\x80\xBF"
                       "a"),
            "??a");
  // A Windows-1252 byte in a UTF-8 text: the following letter survives.
  EXPECT_EQ(Utf8ToAnsi("Caf\xE9 ok"), "Caf? ok");
  // Overlong forms, surrogates, values above U+10FFFF, bytes never used.
  EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), "??");
  EXPECT_EQ(Utf8ToAnsi("\xE0\x80\xAF"), "???");
  EXPECT_EQ(Utf8ToAnsi("\xED\xA0\x80"), "???");
  EXPECT_EQ(Utf8ToAnsi("\xF4\x90\x80\x80"), "????");
  EXPECT_EQ(Utf8ToAnsi("\xFF\xFE"), "??");
  // A sequence cut short by an ASCII byte keeps that byte.
  EXPECT_EQ(Utf8ToAnsi("\xE2\x82"
                       "x"),
            "?x");
}

TEST(AnsiToUtf8, RoundTripsEveryByte) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  std::string utf8 = AnsiToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(Utf8ToAnsi(utf8), all);
  EXPECT_EQ(AnsiToUtf8("\x80\x9F\xE9"), "\xE2\x82\xAC\xC5\xB8\xC3\xA9");
  EXPECT_EQ(AnsiToUtf8("\x81"), "\xC2\x81");  // undefined byte: its own value
}

TEST(ArgToAnsi, AcceptsUtf8OrWindows1252) {
  EXPECT_EQ(ArgToAnsi("J\xC3\xA9r\xC3\xB4me"), "J\xE9r\xF4me");
  EXPECT_EQ(ArgToAnsi("J\xE9r\xF4me"), "J\xE9r\xF4me");  // not UTF-8: taken as it is
  EXPECT_EQ(ArgToAnsi("plain"), "plain");
}

TEST(SmallTextHelpers, FlattenReplaceCompare) {
  EXPECT_EQ(FlattenLines("a\r\nb\nc\rd"), "a bc d");
  EXPECT_EQ(ReplaceChar("a|b||c", '|', ""), "abc");
  EXPECT_EQ(ReplaceChar("a/b", '/', "\\\\"), "a\\\\b");
  EXPECT_EQ(CompareBytes("ABC", "ABCD"), -1);
  EXPECT_EQ(CompareBytes("ABCD", "ABC"), 1);
  EXPECT_EQ(CompareBytes("ABC", "ABC"), 0);
  EXPECT_EQ(CompareBytes("", ""), 0);
  EXPECT_EQ(CompareBytes("\xE9", "z"), 1);  // bytes compare unsigned
  EXPECT_EQ(CompareBytes(std::string("a\0b", 3), std::string("a\0c", 3)), -1);
}

TEST(SmallTextHelpers, SplitAtComma) {
  std::string a, b;
  SplitAtComma("Boston, MA, USA", a, b);
  EXPECT_EQ(a, "Boston");
  EXPECT_EQ(b, "MA");
  SplitAtComma("  Smith ,", a, b);
  EXPECT_EQ(a, "Smith");
  EXPECT_EQ(b, "");
  SplitAtComma(" no comma ", a, b);
  EXPECT_EQ(a, " no comma ");
  EXPECT_EQ(b, "");
}

TEST(SmallTextHelpers, UnixTimeAndByteSwap) {
  using namespace std::chrono;
  EXPECT_FALSE(UnixTimeToDate(0).ok());
  EXPECT_EQ(UnixTimeToDate(86399), year{1970} / January / 1);
  EXPECT_EQ(UnixTimeToDate(86400), year{1970} / January / 2);
  EXPECT_EQ(UnixTimeToDate(951782400), year{2000} / February / 29);
  EXPECT_EQ(UnixTimeToDate(-86399), year{1970} / January / 1);  // truncating division
  EXPECT_EQ(SwapBytes32(0x12345678), 0x78563412);
  EXPECT_EQ(SwapBytes32(static_cast<std::int32_t>(0xFF000001u)), 0x010000FF);
  EXPECT_EQ(SwapBytes32(SwapBytes32(-2)), -2);
}

TEST(MakeTempFileName, CreatesDistinctPrivateFilesInTmpdir) {
  char dirTemplate[] = "/tmp/textutils-XXXXXX";
  ASSERT_NE(mkdtemp(dirTemplate), nullptr);
  std::string dir = dirTemplate;
  const char* old = getenv("TMPDIR");
  std::string saved = old ? old : "";
  setenv("TMPDIR", dir.c_str(), 1);
  std::string a = MakeTempFileName();
  std::string b = MakeTempFileName();
  EXPECT_NE(a, b);
  EXPECT_EQ(a.rfind(dir + "/brm", 0), 0u) << a;
  struct stat st {};
  ASSERT_EQ(stat(a.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(st.st_size, 0);
  unlink(a.c_str());
  unlink(b.c_str());
  rmdir(dir.c_str());
  // A folder that does not exist: a clear error, not a name that was never reserved.
  setenv("TMPDIR", (dir + "/gone").c_str(), 1);
  EXPECT_THROW(MakeTempFileName(), EFCreateError);
  if (old)
    setenv("TMPDIR", saved.c_str(), 1);
  else
    unsetenv("TMPDIR");
}
