// The command line as people use it: files at paths with letters of any script, sex letters
// as the file has them, and finding names typed with or without their accents.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

std::string Cli(const std::string& arguments, int* status = nullptr, std::string* err = nullptr) {
  TempDir dir;
  const std::string err_file = dir / "stderr.txt";
  std::string out = RunCommand(CliPath() + " " + arguments + " 2>'" + err_file + "'", status);
  if (err) *err = ReadFile(err_file);
  return out;
}

std::string Quote(const std::string& path) { return "'" + path + "'"; }

// The value of the first "label<TAB>value" line of `info` with that label.
std::string InfoValue(const std::string& info, const std::string& label) {
  std::istringstream in(info);
  for (std::string line; std::getline(in, line);)
    if (line.rfind(label + "\t", 0) == 0) return line.substr(label.size() + 1);
  return "<none>";
}

// People named in UTF-8 as the header declares; the reader turns them into Windows-1252.
const char* const kPeople =
    "0 HEAD\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Ana /Nu\xC3\xB1o/\n1 SEX F\n"
    "0 @I2@ INDI\n1 NAME Jos\xC3\xA9 /N\xC3\xBA\xC3\xB1"
    "ez/\n1 SEX m\n"
    "0 @I3@ INDI\n1 NAME Karl /Rohr/\n1 SEX X\n"
    "0 @I4@ INDI\n1 NAME Hans /R\xC3\xBC"
    "b/\n"
    "0 @I5@ INDI\n1 NAME Peter /Rubens/\n1 SEX M\n"
    "0 TRLR\n";

class FoundInUse : public ::testing::Test {
 protected:
  void SetUp() override {
    mueller_ = dir_ / "M\xC3\xBCller.ged";  // Müller.ged: a letter of Windows-1252
    WriteFile(mueller_, kPeople);
    const std::string lodz = dir_ /
                             "\xC5\x81\xC3\xB3"
                             "d\xC5\xBA";  // Łódź: letters outside it
    ASSERT_EQ(mkdir(lodz.c_str(), 0700), 0);
    xi_ = lodz + "/\xCE\x9E.ged";  // Ξ.ged
    WriteFile(xi_, kPeople);
  }
  TempDir dir_;
  std::string mueller_;
  std::string xi_;
};

// A path is shown as the file system spells it, never re-encoded as if it were a name from
// the file ("MÃ¼ller.ged").
TEST_F(FoundInUse, PathsOfAnyScriptOpenAndShowAsGiven) {
  for (const std::string& path : {mueller_, xi_}) {
    int status = -1;
    const std::string info = Cli("info " + Quote(path), &status);
    EXPECT_EQ(status, 0) << path;
    EXPECT_EQ(InfoValue(info, "Name"), path);
    EXPECT_EQ(InfoValue(info, "# Individuals"), "5");
    EXPECT_EQ(OutputColumn(Cli("list " + Quote(path), &status), 3).size(), 5u);
    EXPECT_EQ(status, 0);
  }
  int status = -1;
  const std::string json = Cli("info --json " + Quote(xi_), &status);
  EXPECT_NE(json.find("\"value\": \"" + xi_ + "\""), std::string::npos) << json;
  std::string err;
  const std::string missing = dir_ /
                              "\xC5\x81\xC3\xB3"
                              "d\xC5\xBA/gone.ged";
  Cli("list " + Quote(missing), &status, &err);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(err, "The file: " + missing + "\ndoes not exist.  Please select another file.\n");
}

// list prints the sex letter the model gives, as summary does; only a missing one is "U".
TEST_F(FoundInUse, ListPrintsTheSexLetterAsItIs) {
  int status = -1;
  EXPECT_EQ(OutputColumn(Cli("list " + Quote(mueller_), &status), 2),
            (std::vector<std::string>{"F", "m", "X", "U", "M"}));
  EXPECT_EQ(status, 0);
  const std::string json = Cli("list --json " + Quote(mueller_), &status);
  EXPECT_NE(json.find("\"sex\": \"X\""), std::string::npos);
  EXPECT_NE(json.find("\"sex\": \"m\""), std::string::npos);
}

// find folds the typed text like the sort keys: with or without accents, in any letter case,
// it lands on Núñez and not on Nuño; "rub" lands on Rüb and not on Rohr before it.
TEST_F(FoundInUse, FindFoldsTypedTextLikeTheSortKeys) {
  for (const char* typed : {"N\xC3\xBA\xC3\xB1"
                            "ez",
                            "Nunez", "NUNEZ",
                            "n\xC3\xBA\xC3\xB1"
                            "ez, jos\xC3\xA9",
                            "Nunez, Jose"}) {
    int status = -1;
    EXPECT_EQ(OutputColumn(Cli("find " + Quote(mueller_) + " --by surname '" + typed + "'", &status), 2),
              std::vector<std::string>{"I2"})
        << typed;
    EXPECT_EQ(status, 0);
  }
  EXPECT_EQ(OutputColumn(Cli("find " + Quote(mueller_) + " --by surname 'Nu\xC3\xB1o'"), 2),
            std::vector<std::string>{"I1"});
  EXPECT_EQ(OutputColumn(Cli("find " + Quote(mueller_) + " --by surname rub"), 2),
            std::vector<std::string>{"I4"});
  EXPECT_EQ(OutputColumn(Cli("find " + Quote(mueller_) + " --by fullname 'jose nu'"), 2),
            std::vector<std::string>{"I2"});
  // Typed in Windows-1252, as an old terminal sends it.
  EXPECT_EQ(OutputColumn(Cli("find " + Quote(mueller_) +
                             " --by surname 'N\xFA\xF1"
                             "ez'"),
                         2),
            std::vector<std::string>{"I2"});
}

// UTF-16 GEDCOM files, big-endian with its mark or without any mark, are refused with the
// Unicode message instead of opening as empty files.
TEST_F(FoundInUse, Utf16GedcomFilesAreRefusedWithTheUnicodeMessage) {
  auto wide = [](const std::string& text, bool big_endian) {
    std::string out;
    for (char c : text) {
      out += big_endian ? std::string(1, '\0') + c : std::string(1, c) + '\0';
    }
    return out;
  };
  const std::string head = "0 HEAD\r\n1 CHAR UNICODE\r\n0 @I1@ INDI\r\n0 TRLR\r\n";
  const std::vector<std::string> files = {std::string("\xFE\xFF", 2) + wide(head, true), wide(head, true),
                                          wide(head, false)};
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string path = dir_ / ("wide" + std::to_string(i) + ".ged");
    WriteFile(path, files[i]);
    int status = -1;
    std::string err;
    const std::string out = Cli("info " + Quote(path), &status, &err);
    EXPECT_EQ(status, 1) << i;
    EXPECT_EQ(out, "") << i;
    EXPECT_EQ(err, "Error: Cannot read unicode GEDCOM file\n" + path + "\n") << i;
  }
}

}  // namespace
