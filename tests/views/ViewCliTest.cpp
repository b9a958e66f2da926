// The show and family commands of taravell-cli on the bundled sample.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/TestPaths.h"

namespace {

std::string Cli(const std::string& arguments, int* status) {
  return RunCommand(CliPath() + " " + arguments + " 2>/dev/null", status);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const std::string kSample = "'" + TestDataPath("sample.ged") + "'";

TEST(ViewCli, ShowPrintsTheLabelsThenOneLinePerRow) {
  int status = -1;
  std::vector<std::string> lines = Lines(Cli("show " + kSample + " I1", &status));
  EXPECT_EQ(status, 0);
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[0], "Sex\tM\tModified\t2 Mar 2004");
  EXPECT_EQ(lines[1], "N\tS\tREF/AFN/Custom\t\tI1 /  / \t");
  EXPECT_EQ(lines[3], "\tS\tBirth\t3 Feb 1821\tWhitby, Yorkshire, England\t-----");
  EXPECT_EQ(lines[9].rfind("\t\t     Son\t21 Apr 1846\tWilliam Henry /Marwick/ [I4], (b.", 0), 0u);

  // By record number, in chronological order and with the LDS rows.
  lines = Lines(Cli("show " + kSample + " 4 --chrono --lds", &status));
  EXPECT_EQ(status, 0);
  EXPECT_EQ(lines.back(), "\t\tLDS SP\t21 Oct 1977\tSLAKE\t131");
}

TEST(ViewCli, NotesAddNoteAndCitationsWithEscapedLineBreaks) {
  int status = -1;
  std::vector<std::string> lines = Lines(Cli("show " + kSample + " @I7@ --notes", &status));
  EXPECT_EQ(status, 0);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[1],
            "N\t\tREF/AFN/Custom\t\tI7 /  / \t\tSarah never married. She was a schoolmistress at the board "
            "school in\\nMiddlesbrough for more than forty years.\t");
  std::string json = Cli("--json show " + kSample + " I7 --notes", &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(json.rfind("{\"sex\": \"F\", \"modified\": \"2 Mar 2004\", \"rows\": [{\"note_mark\": \"N\"", 0),
            0u);
  EXPECT_NE(json.find("board school in\\nMiddlesbrough"), std::string::npos);
}

TEST(ViewCli, FamilyPrintsBoxesLabelsAndChildren) {
  int status = -1;
  std::vector<std::string> lines = Lines(Cli("family " + kSample + " I1 --marriage 2", &status));
  EXPECT_EQ(status, 0);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0],
            "active\t1\tThomas /Marwick/ [I1]\t3 Feb 1821, Whitby, Yorkshire, England\t28 Nov 1889, Whitby, "
            "Yorkshire, England");
  EXPECT_EQ(lines[1], "father\t0\t\t\t");
  EXPECT_EQ(lines[3].substr(0, 32), "spouse\t3\tHannah /Pruett/ [I3]\t17");
  EXPECT_EQ(lines[6], "marriage\t2 Apr 1863, Scarborough, Yorkshire, England");
  EXPECT_EQ(lines[7], "counter\t(2 of 2)");
  EXPECT_EQ(lines[8],
            "child\t+\tAlbert Edward /Marwick/ [I8]\tM\t1 Nov 1865\t3 Mar 1934\tClara /Whitlow/ [I20]");
}

TEST(ViewCli, BadReferencesAndMarriagesFail) {
  int status = -1;
  Cli("show " + kSample + " I99", &status);
  EXPECT_EQ(status, 1);
  Cli("show " + kSample, &status);
  EXPECT_EQ(status, 2);
  Cli("family " + kSample + " I1 --marriage 3", &status);
  EXPECT_EQ(status, 2);
}

}  // namespace
