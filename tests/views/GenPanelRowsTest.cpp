// The General tab's rows: file facts, submitter and header information, in order.

#include "views/GenPanelRows.h"

#include <gtest/gtest.h>

#include <string>

#include "base/TextUtils.h"
#include "model/ABSSubmitter.h"
#include "support/MemCollection.h"

namespace {

class FakeSubmitter : public WABSSubmitter {
 public:
  std::string GetName() override { return "Ann"; }
  std::string GetAddressLine1() override { return "1 Lane"; }
  std::string GetAddressLine2() override { return "Town"; }
  std::string GetAddressLine3() override { return ""; }
  std::string GetCountry() override { return "www.example.org"; }
  std::string GetPhone() override { return "123"; }
  std::string GetEmail() override { return "a@b"; }
  std::string GetRecordText() override { return ""; }
};

// A collection with a chosen file kind, an optional submitter and numbered header rows.
class InfoCollection : public MemCollection {
 public:
  InfoCollection(FileKind kind, bool submitter, int header_rows)
      : submitter_(submitter), header_rows_(header_rows) {
    file_kind_ = kind;
    for (int i = 0; i < 3500; ++i) AddNamelessPerson();
  }
  std::string GetFileSizeText() override { return "1,234"; }
  std::string GetFileDateText() override { return "01 Feb 2003, 4:05 PM"; }
  std::unique_ptr<WABSSubmitter> GetSubmitter() override {
    return submitter_ ? std::make_unique<FakeSubmitter>() : nullptr;
  }
  void GetHeaderInfo(int& count, GenHeaderRecs& rows) override {
    count = header_rows_;
    for (int i = 0; i < count; ++i) {
      rows[i].label = "H" + std::to_string(i + 1);
      rows[i].value = "v\t" + std::to_string(i + 1);
      rows[i].tab_stops = i == 0 ? "50,100" : "";
      rows[i].heading = 1;  // ignored: header rows are never headings
    }
  }

 private:
  bool submitter_;
  int header_rows_;
};

TEST(GenPanelRows, SubmitterRowsAndTheLegacyWebSite) {
  for (FileKind kind : {FileKind::GEDCOM, FileKind::Legacy}) {
    InfoCollection c(kind, true, 0);
    WGenPanelRows panel;
    panel.SetCollection(&c);
    const WGeneralInfo& rows = panel.Rows();
    ASSERT_EQ(rows.Count(), 18);
    EXPECT_EQ(rows.GetRow(12)->label, "Address Line 1");
    EXPECT_EQ(rows.GetRow(13)->value, "Town");
    EXPECT_EQ(rows.GetRow(15)->label, kind == FileKind::Legacy ? "Web Site" : "Country");
    EXPECT_EQ(rows.GetRow(15)->value, "www.example.org");
    EXPECT_EQ(rows.GetRow(17)->value, "a@b");
  }
}

TEST(GenPanelRows, ManyHeaderRowsStopAtTheListLimit) {
  InfoCollection c(FileKind::GEDCOM, false, 256);
  WGenPanelRows panel;
  panel.SetCollection(&c);
  panel.SetImportTime(WGenPanelRows::FormatImportTime(1.5));
  const WGeneralInfo& rows = panel.Rows();
  EXPECT_EQ(rows.Count(), kGenHeaderRows);
  EXPECT_EQ(rows.GetRow(5)->value, "1.500 seconds");
  EXPECT_EQ(rows.GetRow(6)->value, FormatCount(3500));
  // Header rows keep their tab stops and are never headings.
  EXPECT_EQ(rows.GetRow(19)->label, "H1");
  EXPECT_EQ(rows.GetRow(19)->tab_stops, "50,100");
  EXPECT_EQ(rows.GetRow(19)->heading, 0);
}

// Once reading the file met damage, the file's block ends with the damage notice; before, there
// is no such row.
TEST(GenPanelRows, DamageMetAddsTheNoticeRow) {
  InfoCollection c(FileKind::GEDCOM, true, 0);
  WGenPanelRows panel;
  panel.SetCollection(&c);
  ASSERT_EQ(panel.Rows().Count(), 18);
  EXPECT_EQ(panel.Rows().GetRow(10)->label, "Submitter Information");
  c.NoteDamage("a record that could not be read");
  panel.Rebuild();
  const WGeneralInfo& rows = panel.Rows();
  ASSERT_EQ(rows.Count(), 19);
  EXPECT_EQ(rows.GetRow(9)->label, "# Sources");
  EXPECT_EQ(rows.GetRow(10)->label, "Damage");
  EXPECT_EQ(rows.GetRow(10)->value, "Parts of this file are damaged and could not be read.");
  EXPECT_EQ(rows.GetRow(11)->label, "Submitter Information");
  EXPECT_EQ(rows.GetRow(11)->heading, 1);
}

// Taking the collection away empties the rows: nothing of the old file may be drawn.
TEST(GenPanelRows, NoCollectionLeavesNoRows) {
  InfoCollection c(FileKind::GEDCOM, false, 2);
  WGenPanelRows panel;
  panel.SetCollection(&c);
  ASSERT_GT(panel.Rows().Count(), 0);
  panel.SetCollection(nullptr);
  EXPECT_EQ(panel.Rows().Count(), 0);
  panel.SetFileName("other.ged");
  EXPECT_EQ(panel.Rows().Count(), 0);
}

}  // namespace
