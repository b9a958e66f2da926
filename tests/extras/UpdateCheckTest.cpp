#include "app/UpdateCheck.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/Options.h"
#include "support/TempDir.h"

namespace {

const char kGoodFile[] =
    "SKERRIT=1.16\r\n"
    "item0=News\r\n"
    "subitem0-0=Release notes | https://example.org/notes.html \r\n"
    "subitem0-1=Installer|https://example.org/setup.EXE\r\n"
    "item1=Downloads\r\n"
    "subitem1-0=Archive|https://example.org/taravell.zip\r\n";

TEST(UpdateInfo, ReadsItemsAndLinksInNumberOrder) {
  WUpdateInfo info(kGoodFile);
  EXPECT_EQ(info.Value("skerrit"), "1.16");
  auto items = info.Items();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].caption, "News");
  ASSERT_EQ(items[0].leaves.size(), 2u);
  EXPECT_EQ(items[0].leaves[0].caption, "Release notes");
  EXPECT_EQ(items[0].leaves[0].url, "https://example.org/notes.html");
  EXPECT_EQ(items[0].leaves[0].image, WUpdateInfo::LinkImage);
  EXPECT_EQ(items[0].leaves[1].image, WUpdateInfo::ExeImage);
  EXPECT_EQ(items[1].leaves[0].image, WUpdateInfo::ZipImage);
}

TEST(UpdateInfo, NumbersRunFrom0To99WithoutLeadingZeros) {
  WUpdateInfo info(
      "item100=Too far\nsubitem100-0=x|http://a/b\n"
      "item99=Last\nsubitem99-99=Edge|http://a/edge\nsubitem99-100=Beyond|http://a/beyond\n"
      "item05=Leading zero\n"
      "item3=Third\n");
  auto items = info.Items();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].caption, "Third");
  EXPECT_EQ(items[1].caption, "Last");
  ASSERT_EQ(items[1].leaves.size(), 1u);
  EXPECT_EQ(items[1].leaves[0].caption, "Edge");
}

TEST(UpdateInfo, LinksNeedABarAndAnEntryWithACaption) {
  WUpdateInfo info(
      "item0=News\nsubitem0-0=No bar here\nsubitem0-1=|http://a/empty-caption\n"
      "item1=\nsubitem1-0=Orphan|http://a/orphan\n");
  auto items = info.Items();
  ASSERT_EQ(items.size(), 1u);
  ASSERT_EQ(items[0].leaves.size(), 1u);
  EXPECT_EQ(items[0].leaves[0].url, "http://a/empty-caption");
}

TEST(UpdateInfo, FirstLineWinsNamesIgnoreCaseAndAddressesAreCut) {
  std::string longUrl = "http://example.org/" + std::string(300, 'a') + ".zip";
  WUpdateInfo info("\xEF\xBB\xBFSkerrit=1.2\nSKERRIT=9.9\nITEM0=First\nitem0=Second\nSubItem0-0=Long|" +
                   longUrl + "\n");
  EXPECT_EQ(info.Value("SKERRIT"), "1.2");
  auto items = info.Items();
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].caption, "First");
  EXPECT_EQ(items[0].leaves[0].url.size(), WUpdateInfo::kMaxUrlLength);
  // The picture follows the address as cut, which no longer ends in ".zip".
  EXPECT_EQ(items[0].leaves[0].image, WUpdateInfo::LinkImage);
}

TEST(UpdateInfo, TruncatedFileKeepsWhatIsComplete) {
  WUpdateInfo info("SKERRIT=1.16\nitem0=News\nsubitem0-0=Notes|http://a/n.html\nsubitem0-1=Cut off");
  auto items = info.Items();
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].leaves.size(), 1u);
  EXPECT_TRUE(WUpdateInfo("").Items().empty());
}

TEST(UpdateInfo, OnlyInformationFilesMayReplaceTheCopy) {
  EXPECT_TRUE(WUpdateInfo::LooksLikeInfoFile(kGoodFile, "SKERRIT"));
  EXPECT_TRUE(WUpdateInfo::LooksLikeInfoFile("item0=News only\n", "SKERRIT"));
  EXPECT_FALSE(WUpdateInfo::LooksLikeInfoFile("", "SKERRIT"));
  EXPECT_FALSE(WUpdateInfo::LooksLikeInfoFile("  \r\n\n", "SKERRIT"));
  EXPECT_FALSE(WUpdateInfo::LooksLikeInfoFile("404 Not Found\nSKERRIT=1.16\n", "SKERRIT"));
  EXPECT_FALSE(WUpdateInfo::LooksLikeInfoFile("\n  <!DOCTYPE html><p>SKERRIT=1.16</p>\n", "SKERRIT"));
  EXPECT_FALSE(WUpdateInfo::LooksLikeInfoFile(std::string("SKERRIT=1.16\n\0\x01\x02", 16), "SKERRIT"));
  EXPECT_FALSE(WUpdateInfo::LooksLikeInfoFile("Welcome to the hotel network\nlogin=required\n", "SKERRIT"));
  EXPECT_FALSE(WUpdateInfo::LooksLikeInfoFile("SKERRIT=\n", "SKERRIT"));
}

TEST(UpdateInfo, OnlyWebAddressesAreOpened) {
  EXPECT_TRUE(WUpdateInfo::IsWebAddress("https://example.org/a.zip"));
  EXPECT_TRUE(WUpdateInfo::IsWebAddress("HTTP://example.org/"));
  EXPECT_FALSE(WUpdateInfo::IsWebAddress("file:///usr/bin/xterm"));
  EXPECT_FALSE(WUpdateInfo::IsWebAddress("/usr/bin/xterm"));
  EXPECT_FALSE(WUpdateInfo::IsWebAddress("javascript:alert(1)"));
  EXPECT_FALSE(WUpdateInfo::IsWebAddress("http:"));
}

class UpdateCheckTest : public ::testing::Test {
 protected:
  WUpdateCheck check{"SKERRIT", "1.15", "Taravell"};
  TempDir dir;
  std::string local = dir / "skerrit.inf";
};

// Versions are compared as trimmed text; a file without the product's line hides the label.
TEST_F(UpdateCheckTest, VersionLabel) {
  check.Finish(WUpdateCheck::Download::Ok, "SKERRIT= 1.15 \n", local);
  EXPECT_EQ(check.VersionLabel(), "You have the latest version of Taravell");
  check.Finish(WUpdateCheck::Download::Ok, "item0=News\n", local);
  EXPECT_FALSE(check.VersionLabelVisible());
}

TEST_F(UpdateCheckTest, AnswersThatAreNotTheFileNeverReplaceTheCopy) {
  const char* bad[] = {"<html><body>404 Not Found</body></html>", "404 Not Found\n", "", "\x89PNG\r\n\x1a\n"};
  for (const char* body : bad) {
    std::remove(local.c_str());
    check.Finish(WUpdateCheck::Download::Ok, body, local);
    EXPECT_EQ(check.Status(), "Remote server \"Not Found\" error, request aborted") << body;
    EXPECT_TRUE(check.Items().empty());
    struct stat st;
    EXPECT_NE(stat(local.c_str(), &st), 0) << "a bad answer was kept as the copy";

    WriteFile(local, kGoodFile);
    check.Finish(WUpdateCheck::Download::Ok, body, local);
    EXPECT_EQ(check.Status(), "Remote server \"Not Found\" error, using previous update") << body;
    EXPECT_EQ(check.Items().size(), 2u);
    EXPECT_EQ(ReadFile(local), kGoodFile);
  }
  // A 404 status with a body that looks like the file is still a 404.
  check.Finish(WUpdateCheck::Download::NotFound, "SKERRIT=2.0\n", local);
  EXPECT_EQ(check.Status(), "Remote server \"Not Found\" error, using previous update");
  EXPECT_EQ(check.LatestVersion(), "1.16");
}

TEST_F(UpdateCheckTest, CopyIsWrittenIntoAFolderThatDoesNotExistYet) {
  std::string nested = dir / "config/taravell-lite/skerrit.inf";
  check.Finish(WUpdateCheck::Download::Ok, kGoodFile, nested);
  EXPECT_TRUE(check.ReplacedLocalCopy());
  EXPECT_EQ(ReadFile(nested), kGoodFile);
  // A copy that cannot be written still shows what was downloaded.
  WriteFile(dir / "plainfile", "x");
  check.Finish(WUpdateCheck::Download::Ok, kGoodFile, dir / "plainfile/skerrit.inf");
  EXPECT_FALSE(check.ReplacedLocalCopy());
  EXPECT_EQ(check.Items().size(), 2u);
  EXPECT_EQ(check.Status(), "");
}

TEST(UpdateCheck, LocalCopyIsNamedAfterTheAddress) {
  EXPECT_EQ(WUpdateCheck::LocalFileFor("https://h/a/skerrit.inf", "/cfg"), "/cfg/skerrit.inf");
  EXPECT_EQ(WUpdateCheck::LocalFileFor("https://h/a/info.txt?v=2#top", "/cfg"), "/cfg/info.txt");
  EXPECT_EQ(WUpdateCheck::LocalFileFor("https://h/a/", "/cfg"), "/cfg/skerrit.inf");
  EXPECT_EQ(WUpdateCheck::LocalFileFor("https://h/..", "/cfg"), "/cfg/skerrit.inf");
  EXPECT_EQ(WUpdateCheck::LocalFileFor("", "/cfg"), "/cfg/skerrit.inf");

  WOptions options;
  options.OpenSettingsFile("/some/where/taravell-lite.ini");
  EXPECT_EQ(WUpdateCheck::SettingsFolder(options), "/some/where");
}

TEST(UpdateCheck, StartupCheckRunsAtMostOncePerPeriod) {
  int today = 0;
  ASSERT_TRUE(WOptions::EncodeDay(2026, 12, 9, &today));
  EXPECT_TRUE(WUpdateCheck::IsDue(true, 0, 30, today));
  EXPECT_FALSE(WUpdateCheck::IsDue(false, 0, 30, today));
  EXPECT_FALSE(WUpdateCheck::IsDue(true, today - 30, 30, today));
  EXPECT_TRUE(WUpdateCheck::IsDue(true, today - 31, 30, today));
  EXPECT_FALSE(WUpdateCheck::IsDue(true, today, 0, today));

  WOptions options;
  options.SetString(WOptions::LastUpdate, "20260230");  // impossible: counts as never
  EXPECT_TRUE(WUpdateCheck::IsDue(options, today));
  options.SetString(WOptions::LastUpdate, "20261201");
  EXPECT_FALSE(WUpdateCheck::IsDue(options, today));
  options.SetInt(WOptions::UpdatePeriod, 7);
  EXPECT_TRUE(WUpdateCheck::IsDue(options, today));
}

TEST(UpdateCheck, AddressSettingIsKeptOutOfTheFileUntilChanged) {
  TempDir dir;
  WOptions options;
  EXPECT_EQ(WOptions::FindKey("updateurl"), WOptions::UpdateURL);
  EXPECT_FALSE(options.GetString(WOptions::UpdateURL).empty());
  options.OpenSettingsFile(dir / "t.ini");
  options.LoadSettings();
  ASSERT_TRUE(options.SaveSettings());
  EXPECT_EQ(ReadFile(dir / "t.ini").find("UpdateURL"), std::string::npos);

  options.SetString(WOptions::UpdateURL, "http://127.0.0.1:1/x.inf");
  ASSERT_TRUE(options.SaveSettings());
  WOptions again;
  again.OpenSettingsFile(dir / "t.ini");
  again.LoadSettings();
  EXPECT_EQ(again.GetString(WOptions::UpdateURL), "http://127.0.0.1:1/x.inf");
  EXPECT_NE(ReadFile(dir / "t.ini").find("[Internet]"), std::string::npos);
}

}  // namespace
