// GEDCOM lines: never longer than the standard allows, long values going on in CONC lines that
// our reader joins again, never cut inside a UTF-8 sequence nor beside a blank.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/TextUtils.h"
#include "export/GedcomWriter.h"
#include "formats/ged/GEDCollection.h"
#include "model/ABSIndividual.h"
#include "support/TempDir.h"

namespace {

std::string Write(const std::function<void(WGedcomWriter&)>& body, size_t flush_at = 1 << 20) {
  std::string out;
  {
    WGedcomWriter writer([&](std::string_view bytes) { out.append(bytes); }, flush_at);
    body(writer);
    writer.Flush();
  }
  return out;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t i = 0;
  while (i < text.size()) {
    size_t end = text.find("\r\n", i);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(i, end - i));
    i = end + 2;
  }
  return lines;
}

// The value of a line: after "level TAG ".
std::string ValueOfLine(const std::string& line, const std::string& prefix) {
  EXPECT_EQ(line.rfind(prefix, 0), 0u) << line;
  return line.size() > prefix.size() ? line.substr(prefix.size() + 1) : std::string();
}

// Reads the text back as our reader reads the note of an individual.
std::string ReadBackNote(const std::string& lines) {
  TempDir dir;
  WriteFile(dir / "note.ged", "0 HEAD\r\n1 CHAR UTF-8\r\n0 @I1@ INDI\r\n" + lines + "0 TRLR\r\n");
  WGEDCollection back(dir / "note.ged");
  EXPECT_TRUE(back.Import());
  return back.GetIndividual(1)->GetNoteText();
}

TEST(GedcomWriter, LongTextsGoOnInConcLinesThatReadBackWhole) {
  // Words, a run of accented letters (two bytes each in UTF-8) and a line break.  The CONC lines
  // of a CONT line stand beside it, at its level.
  std::string words;
  for (int i = 0; i < 60; ++i) words += "word" + std::to_string(i) + " ";
  words += std::string(300, '\xE9') + " end";
  const std::string text = words + "\r\nSecond line " + std::string(400, 'z');
  const std::string out = Write([&](WGedcomWriter& w) { w.Text(1, "NOTE", text); });
  std::string joined;
  int conc = 0, cont = 0;
  for (const std::string& line : Lines(out)) {
    EXPECT_LE(line.size() + 2, WGedcomWriter::kMaxLineBytes) << line;
    EXPECT_TRUE(IsValidUtf8(line)) << "a line cut inside a UTF-8 sequence: " << line;
    EXPECT_NE(line.back(), ' ') << "a line ending in a blank: " << line;
    if (line.rfind("2 CONC ", 0) == 0) {
      ++conc;
      EXPECT_NE(line[7], ' ') << "a CONC value starting with a blank: " << line;
      joined += ValueOfLine(line, "2 CONC");
    } else if (line.rfind("2 CONT ", 0) == 0) {
      ++cont;
      joined += "\r\n" + ValueOfLine(line, "2 CONT");
    } else {
      joined += ValueOfLine(line, "1 NOTE");
    }
  }
  EXPECT_GE(conc, 4);
  EXPECT_EQ(cont, 1);
  EXPECT_EQ(joined, AnsiToUtf8(text));
  EXPECT_EQ(ReadBackNote(out), text);
}

TEST(GedcomWriter, ValuesWithoutAnyGoodCutStillFit) {
  // Nothing but blanks, and one word with no blank at all.
  const std::string out = Write([&](WGedcomWriter& w) {
    w.Line(2, "PAGE", std::string(600, ' ') + "x");
    w.Line(2, "PAGE", std::string(600, 'y'));
  });
  for (const std::string& line : Lines(out)) EXPECT_LE(line.size() + 2, WGedcomWriter::kMaxLineBytes);
}

TEST(GedcomWriter, ValuesAreCleanUtf8) {
  const std::string out = Write([&](WGedcomWriter& w) {
    w.Line(1, "NAME", "Zo\xEB /M\xFCller/");  // Windows-1252
    w.Line(1, "NOTE", "@N1@ is no pointer");
    w.Line(1, "EMAIL", "a@b.org");
    w.Line(1, "TITL", "tab\there\r\nbreak");
    w.Text(1, "NOTE", "first\n\nthird\r\n");
    w.Text(1, "NOTE", "col 1\tcol 2\ncol\t3\x01");  // a note keeps its TABs
    w.Pointer(1, "FAMC", "F2");
    w.Record("I1", "INDI");
    w.Line(1, "BIRT");
  });
  EXPECT_EQ(out,
            "1 NAME Zo\xC3\xAB /M\xC3\xBCller/\r\n"
            "1 NOTE @@N1@ is no pointer\r\n"
            "1 EMAIL a@b.org\r\n"
            "1 TITL tab here  break\r\n"
            "1 NOTE first\r\n2 CONT\r\n2 CONT third\r\n"
            "1 NOTE col 1\tcol 2\r\n2 CONT col\t3 \r\n"
            "1 FAMC @F2@\r\n"
            "0 @I1@ INDI\r\n"
            "1 BIRT\r\n");
}

TEST(GedcomWriter, HandsTheBufferOnAsItGrows) {
  std::vector<size_t> pieces;
  {
    WGedcomWriter writer([&](std::string_view bytes) { pieces.push_back(bytes.size()); }, 1000);
    for (int i = 0; i < 500; ++i) writer.Line(1, "NOTE", "a line of text");
    EXPECT_GT(writer.BytesWritten(), 10000u);
    writer.Flush();
  }
  ASSERT_GT(pieces.size(), 5u);
  for (size_t i = 0; i + 1 < pieces.size(); ++i) EXPECT_LT(pieces[i], 1100u);
}

// A value far longer than the buffer's margin makes the buffer grow without losing what it held;
// the file is the same whatever the buffer's size.
TEST(GedcomWriter, ALongValueOutgrowsASmallBuffer) {
  const std::string long_text(20000, '\xE9');
  auto body = [&](WGedcomWriter& w) {
    w.Line(1, "NOTE", "before");
    w.Line(1, "NOTE", long_text);
    w.Text(1, "NOTE", "x\r\n" + long_text + "\r\ny");
    w.Line(1, "NOTE", "after");
  };
  const std::string small = Write(body, 16);
  EXPECT_EQ(small, Write(body));
  const std::vector<std::string> lines = Lines(small);
  for (const std::string& line : lines) EXPECT_LE(line.size() + 2, WGedcomWriter::kMaxLineBytes);
  EXPECT_EQ(lines.front(), "1 NOTE before");
  EXPECT_EQ(lines.back(), "1 NOTE after");
  size_t accents = 0;
  for (size_t at = small.find("\xC3\xA9"); at != std::string::npos; at = small.find("\xC3\xA9", at + 2))
    ++accents;
  EXPECT_EQ(accents, 2 * long_text.size());
}

// Plain ASCII is copied several bytes at a time: every byte must come out the same wherever it
// stands in a long value, at the start, the end or inside such a group.
TEST(GedcomWriter, EveryByteConvertsAlikeWhereverItStands) {
  const std::string filler = "abcdefghijklmnopq";  // longer than two groups of eight
  for (int b = 1; b < 256; ++b) {
    const char c = static_cast<char>(b);
    // A leading "@" is doubled; anywhere else it stays single.
    const std::string alone = b == '@' ? "@" : WGedcomWriter::ValueOf(std::string(1, c));
    for (size_t at = 0; at <= filler.size(); ++at) {
      std::string text = filler;
      text.insert(at, 1, c);
      const std::string expected =
          (b == '@' && at == 0 ? "@" : "") + filler.substr(0, at) + alone + filler.substr(at);
      ASSERT_EQ(WGedcomWriter::ValueOf(text), expected) << "byte " << b << " at " << at;
    }
  }
  EXPECT_EQ(WGedcomWriter::ValueOf("0123456789\x7F"
                                   "abcdefgh"),
            "0123456789 abcdefgh");
  EXPECT_EQ(WGedcomWriter::ValueOf("01234567\tabcdefgh\xE9"), "01234567 abcdefgh\xC3\xA9");
}

TEST(GedcomWriter, CutPoints) {
  EXPECT_EQ(WGedcomWriter::CutPoint("abcdef", 10), 6u);
  EXPECT_EQ(WGedcomWriter::CutPoint("abc defgh", 5), 5u);           // between "e" and "f"
  EXPECT_EQ(WGedcomWriter::CutPoint("abcd efgh", 5), 3u);           // not beside the blank
  EXPECT_EQ(WGedcomWriter::CutPoint("ab\xC3\xA9\xC3\xA9", 3), 2u);  // not inside "é"
}

}  // namespace
