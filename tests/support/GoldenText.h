#pragma once

// Shared pieces of the golden tests: the CLI's output of a file compared with checked-in
// text under tests/golden/, with the rows that change from run to run masked.
// UPDATE_GOLDEN=1 rewrites the expected files from the current output (review the diff
// before committing it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace golden {

inline std::string Quote(const std::string& s) { return "'" + s + "'"; }

// Rows of `info` that differ from one checkout or run to the next: the path as given,
// the file's own date and the import time.
inline std::string MaskInfo(const std::string& text) {
  std::istringstream in(text);
  std::string line, out;
  bool name_done = false, date_done = false;
  while (std::getline(in, line)) {
    if (!name_done && line.rfind("Name\t", 0) == 0) {
      line = "Name\t<path>";
      name_done = true;
    } else if (!date_done && line.rfind("Date\t", 0) == 0) {
      line = "Date\t<file date>";
      date_done = true;
    } else if (line.rfind("Importing\t", 0) == 0) {
      line = "Importing\t<seconds>";
    }
    out += line + "\n";
  }
  return out;
}

// An age counted to today (marked "?") changes with the calendar.
inline std::string MaskOpenAges(const std::string& text) {
  std::istringstream in(text);
  std::string line, out;
  while (std::getline(in, line)) {
    if (line.rfind("Age", 0) == 0 && line.find('?') != std::string::npos)
      line = line.substr(0, line.find(':') + 1) + "<to today>";
    out += line + "\n";
  }
  return out;
}

// The CLI's output for the arguments (in the C locale); the test fails unless it exits 0.
inline std::string RunCli(const std::string& args) {
  int status = -1;
  std::string out = RunCommand("LC_ALL=C " + Quote(CliPath()) + " " + args, &status);
  EXPECT_EQ(status, 0) << args;
  return out;
}

// Compares the output with tests/golden/<expected>; with UPDATE_GOLDEN=1 rewrites that file
// instead and skips the test.
inline void ExpectGolden(const std::string& actual, const std::string& expected) {
  const std::filesystem::path path = std::filesystem::path(SourceDir()) / "tests" / "golden" / expected;
  const char* update = std::getenv("UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::ofstream(path, std::ios::binary) << actual;
    GTEST_SKIP() << "rewrote " << path;
  }
  ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing; run with UPDATE_GOLDEN=1";
  EXPECT_EQ(actual, ReadFile(path.string())) << "differs from " << path;
}

}  // namespace golden
