#include "Golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestPaths.h"

namespace fs = std::filesystem;

std::string ShellQuote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string RunCli(const std::string& args) {
  int status = -1;
  std::string out = RunCommand("LC_ALL=C " + ShellQuote(CliPath()) + " " + args, &status);
  EXPECT_EQ(status, 0) << args;
  return out;
}

std::string MaskInfo(const std::string& text) {
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

std::string MaskOpenAges(const std::string& text) {
  std::istringstream in(text);
  std::string line, out;
  while (std::getline(in, line)) {
    if (line.rfind("Age", 0) == 0 && line.find('?') != std::string::npos)
      line = line.substr(0, line.find(':') + 1) + "<to today>";
    out += line + "\n";
  }
  return out;
}

std::string FirstLines(const std::string& text, int count) {
  if (count <= 0) return text;
  size_t pos = 0;
  for (int i = 0; i < count && pos != std::string::npos; ++i) {
    pos = text.find('\n', pos);
    if (pos != std::string::npos) ++pos;
  }
  return pos == std::string::npos ? text : text.substr(0, pos);
}

std::string DumpPrefix(const std::string& text, int limit) {
  std::istringstream in(text);
  std::string line, out;
  while (std::getline(in, line)) {
    for (const char* type : {"{\"type\":\"individual\",\"n\":", "{\"type\":\"family\",\"n\":"}) {
      const std::string head = type;
      if (limit > 0 && line.rfind(head, 0) == 0 && std::atoi(line.c_str() + head.size()) > limit)
        line.clear();
    }
    if (!line.empty()) out += line + "\n";
  }
  return out;
}

std::string ChartsOutput(const std::string& file, const std::vector<std::string>& refs) {
  std::string out;
  for (const std::string& ref : refs) {
    out += "== " + ref + "\n# pedigree\n" + RunCli("pedigree " + file + " " + ShellQuote(ref));
    out += "# descendants\n" + RunCli("descendants " + file + " " + ShellQuote(ref));
  }
  return out;
}

void ExpectGolden(const std::string& actual, const std::string& name) {
  const fs::path expected_path = fs::path(SourceDir()) / "tests" / "golden" / name;
  const char* update = std::getenv("UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    fs::create_directories(expected_path.parent_path());
    std::ofstream(expected_path, std::ios::binary) << actual;
    GTEST_SKIP() << "rewrote " << expected_path;
  }
  ASSERT_TRUE(fs::exists(expected_path)) << expected_path << " is missing; run with UPDATE_GOLDEN=1";
  std::ifstream in(expected_path, std::ios::binary);
  std::ostringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(actual, expected.str()) << "differs from " << expected_path;
}
