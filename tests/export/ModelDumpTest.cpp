// The model dump: what a collection answers, one JSON object a line; a record that cannot be
// read gives an error line and the dump goes on.

#include "export/ModelDump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/UIHooks.h"
#include "support/BrokenCollection.h"

namespace {

std::vector<std::string> DumpLines(WABSCollection& collection) {
  std::vector<std::string> lines;
  EXPECT_TRUE(WModelDump(collection).WriteAll([&](const std::string& line) { lines.push_back(line); }));
  return lines;
}

TEST(ModelDump, UnreadableRecordsGiveErrorLinesAndTheDumpGoesOn) {
  BrokenCollection c;
  const RecNo father = c.AddPerson("Jan", "Smit\xE9", 'M');  // Windows-1252 e acute
  const RecNo mother = c.AddPerson("Anna", "Berg", 'F');
  const RecNo child = c.AddPerson("Piet", "Smit", 'M');
  const RecNo family = c.AddFamily(father, mother, "1 JAN 1900", "Delft");
  c.AddChild(family, child);
  c.AddFamily(child, 0);
  c.broken = mother;
  c.broken_family = 2;
  const std::vector<std::string> lines = DumpLines(c);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].rfind("{\"type\":\"individual\",\"n\":1,\"id\":", 0), 0u);
  EXPECT_NE(lines[0].find("\"surname\":\"Smit\xC3\xA9\""), std::string::npos);  // UTF-8 out
  EXPECT_EQ(lines[1],
            "{\"type\":\"individual\",\"n\":2,\"error\":\"Error getting pointer to individual 2\"}\n");
  EXPECT_NE(lines[2].find("\"parents\":[{\"family\":1,\"father\":1,\"mother\":7}]"), std::string::npos);
  EXPECT_NE(
      lines[3].find("\"husband\":1,\"wife\":2,\"children\":[3],\"date\":\"1 Jan 1900\",\"place\":\"Delft\""),
      std::string::npos);
  EXPECT_EQ(lines[4], "{\"type\":\"family\",\"n\":2,\"error\":\"Error getting pointer to family 2\"}\n");
}

TEST(ModelDump, TextsKeepTheirLineBreaksAndQuotesEscaped) {
  MemCollection c;
  const RecNo p = c.AddPerson("A \"B\"", "C", 'X');
  c.Person(p).note = {"one", "two\tthree"};
  const std::string line = WModelDump(c).IndividualLine(p);
  EXPECT_NE(line.find("\"sex\":\"X\""), std::string::npos);
  EXPECT_NE(line.find("\"given\":\"A \\\"B\\\"\""), std::string::npos);
  EXPECT_NE(line.find("\"note\":\"one\\r\\ntwo\\tthree\""), std::string::npos);
  EXPECT_NE(WModelDump(c).IndividualLine(9).find("\"error\""), std::string::npos);
}

TEST(ModelDump, ACancelStopsTheWalk) {
  MemCollection c;
  for (int i = 0; i < 2000; ++i) c.AddPerson("X", "Y");
  ImportCancelled = true;
  int lines = 0;
  EXPECT_FALSE(WModelDump(c).WriteAll([&](const std::string&) { ++lines; }));
  ImportCancelled = false;
  EXPECT_LT(lines, 2000);
}

}  // namespace
