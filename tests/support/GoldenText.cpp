#include "support/GoldenText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/TestPaths.h"

std::string RunCliForGolden(const std::string& arguments, int expected_status) {
  int status = -1;
  std::string out = RunCommand("LC_ALL=C " + ShellQuote(CliPath()) + " " + arguments + " 2>&1", &status);
  EXPECT_EQ(status, expected_status) << arguments;
  return out;
}

std::string MaskRunDetails(const std::string& text, const std::string& fixture_dir) {
  std::istringstream in(text);
  std::string line, out;
  while (std::getline(in, line)) {
    if (line.rfind("Name\t", 0) == 0) line = "Name\t<path>";
    if (line.rfind("Date\t", 0) == 0 && out.find("# Submitter") == std::string::npos)
      line = "Date\t<file date>";
    if (line.rfind("Importing\t", 0) == 0) line = "Importing\t<seconds>";
    for (size_t at = line.find(fixture_dir); at != std::string::npos; at = line.find(fixture_dir))
      line.replace(at, fixture_dir.size(), "<dir>");
    out += line + "\n";
  }
  return out;
}

void CompareWithGolden(const std::string& expected_name, const std::string& actual) {
  namespace fs = std::filesystem;
  const fs::path expected_path = fs::path(SourceDir()) / "tests" / "golden" / expected_name;
  const char* update = std::getenv("UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::ofstream(expected_path, std::ios::binary) << actual;
    return;
  }
  ASSERT_TRUE(fs::exists(expected_path)) << expected_path << " is missing; run with UPDATE_GOLDEN=1";
  std::ifstream in(expected_path, std::ios::binary);
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(actual, expected.str()) << "differs from " << expected_path;
}
