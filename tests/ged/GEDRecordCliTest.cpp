// taravell-cli summary and record: references, exit statuses and the JSON form.

#include <gtest/gtest.h>

#include <string>

#include "support/TestPaths.h"

namespace {

std::string Cli(const std::string& args, int* status) {
  return RunCommand("'" + CliPath() + "' " + args + " 2>/dev/null", status);
}

TEST(RecordCli, RecordPrintsTheRecordWithLineFeeds) {
  int status = -1;
  std::string sample = "'" + TestDataPath("sample.ged") + "'";
  std::string out = Cli("record " + sample + " @I3@", &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out.rfind("0 @I3@ INDI\n1 NAME Hannah /Pruett/\n1 SEX F\n", 0), 0u) << out;
  EXPECT_EQ(out.find('\r'), std::string::npos);
  EXPECT_EQ(out.substr(out.size() - 18), "2 DATE 2 MAR 2004\n");
  // The same individual by record number and by identifier without "@".
  EXPECT_EQ(Cli("record " + sample + " 3", &status), out);
  EXPECT_EQ(Cli("record " + sample + " I3", &status), out);
}

TEST(RecordCli, SummaryAsJsonAndTheFailures) {
  int status = -1;
  std::string sample = "'" + TestDataPath("sample.ged") + "'";
  std::string json = Cli("summary " + sample + " I33 --json", &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(
      json.rfind("{\"rec\": 33, \"id\": \"I33\", \"summary\": \"Name :Marcel /Marwick/ [I33]\\nSex    :M\\n",
                 0),
      0u)
      << json;
  EXPECT_EQ(json.substr(json.size() - 3), "\"}\n");
  Cli("summary " + sample + " I999", &status);
  EXPECT_EQ(status, 1);
  Cli("summary " + sample + " 0", &status);
  EXPECT_EQ(status, 1);
  Cli("summary " + sample, &status);
  EXPECT_EQ(status, 2);
  Cli("record /no/such/file.ged I1", &status);
  EXPECT_EQ(status, 1);
}

}  // namespace
