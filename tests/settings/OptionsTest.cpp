#include "app/Options.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <set>

#include "app/IniFile.h"
#include "support/TempDir.h"

namespace {

TEST(OptionsTable, HoldsAllEntriesNumberedInOrderWithUniqueKeys) {
  int count = 0;
  std::set<std::string> keys;
  for (int id = 1; WOptions::FindEntry(id); ++id) {
    const WOptions::Entry* e = WOptions::FindEntry(id);
    EXPECT_EQ(e->id, id);
    EXPECT_EQ(WOptions::FindKey(e->key), id) << e->key;
    std::string lower = e->key;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(keys.insert(lower).second) << "duplicate key " << e->key;
    ++count;
  }
  EXPECT_EQ(count, WOptions::kLastEntry);
  EXPECT_EQ(WOptions::kEntryCount, 139);
  EXPECT_EQ(WOptions::FindEntry(0), nullptr);
  EXPECT_EQ(WOptions::FindKey("NoSuchKey"), 0);
  EXPECT_EQ(WOptions::FindKey("presuf"), WOptions::PreSuf);
}

TEST(OptionsTable, NamedNumbersMatchTheirKeys) {
  struct {
    int id;
    const char* section;
    const char* key;
    const char* def;
  } const samples[] = {
      {WOptions::UseLDS, "General", "UseLDS", "F"},
      {WOptions::FindDlg, "General", "FindDlg", "3"},
      {WOptions::Finddir, "General", "Finddir", ""},
      {WOptions::YearRange, "Internet", "YearRange", "0"},
      {WOptions::File1, "General", "File1", ""},
      {WOptions::sendmsg, "SelfExtract", "sendmsg", "sendmsg.txt"},
      {WOptions::DesColumns, "General", "DesColumns", "65,67,19,59,60"},
      {WOptions::DesColW, "Printing", "DesColW", "36"},
      {WOptions::LastUpdate, "General", "LastUpdate", ""},
      {WOptions::AgeCalcCB, "General", "AgeCalcCB", "T"},
      {WOptions::IH25, "Help", "IH25", "T"},
      {WOptions::HLCol, "General", "HLCol", "65535"},
      {WOptions::TMGTagSent, "TMG", "TMGTagSent", "T"},
      {WOptions::ListColumns, "General", "ListColumns", "1,2,7,65,67,19,18"},
  };
  for (const auto& s : samples) {
    const WOptions::Entry* e = WOptions::FindEntry(s.id);
    ASSERT_NE(e, nullptr) << s.key;
    EXPECT_STREQ(e->section, s.section);
    EXPECT_STREQ(e->key, s.key);
    EXPECT_STREQ(e->defaultValue, s.def);
  }
  EXPECT_EQ(WOptions::UseLDS, 1);
  EXPECT_EQ(WOptions::File1, 27);
  EXPECT_EQ(WOptions::PreSuf, 125);
  EXPECT_EQ(WOptions::ListColumns, 139);
}

TEST(Options, FirstSaveWritesEveryKeyWithItsDefault) {
  TempDir dir;
  WOptions options;
  options.OpenSettingsFile(dir / "taravell-lite.ini");
  EXPECT_FALSE(options.SettingsFileWasRead());
  options.LoadSettings();
  EXPECT_TRUE(options.IsLoaded());
  ASSERT_TRUE(options.SaveSettings());
  options.CloseSettingsFile();

  WIniFile ini(dir / "taravell-lite.ini");
  ASSERT_TRUE(ini.WasRead());
  for (int id = 1; id <= WOptions::kEntryCount; ++id) {
    const WOptions::Entry* e = WOptions::FindEntry(id);
    std::string value;
    EXPECT_TRUE(ini.Find(e->section, e->key, &value)) << e->key;
    EXPECT_EQ(value, e->defaultValue) << e->key;
  }
  std::string text = ReadFile(dir / "taravell-lite.ini");
  EXPECT_EQ(std::count(text.begin(), text.end(), '='), 139);
}

TEST(Options, BadValuesReadAsFalseOrZero) {
  TempDir dir;
  WriteFile(dir / "a.ini",
            "[General]\nUseLDS=t\nFirstTime=True\nFindDlg=12a\nLastTab=\nFontSize=-3\nLastID=99999999999\n"
            "LastUpdate=20230230\nUpdatePeriod= 7 \n");
  WOptions options;
  options.OpenSettingsFile(dir / "a.ini");
  options.LoadSettings();
  EXPECT_FALSE(options.GetBool(WOptions::UseLDS));
  EXPECT_FALSE(options.GetBool(WOptions::FirstTime));
  EXPECT_TRUE(options.GetBool(WOptions::MailingList));  // missing: the default
  EXPECT_EQ(options.GetInt(WOptions::FindDlg), 0);
  EXPECT_EQ(options.GetInt(WOptions::LastTab), 0);
  EXPECT_EQ(options.GetInt(WOptions::FontSize), -3);
  EXPECT_EQ(options.GetInt(WOptions::LastID), 0);
  EXPECT_EQ(options.GetInt(WOptions::UpdatePeriod), 7);
  EXPECT_EQ(options.GetDate(WOptions::LastUpdate), 0);
  EXPECT_EQ(options.GetInt(WOptions::GridHeight), 14);
}

TEST(Options, DatesNeedEightDigitsFormingARealDay) {
  WOptions options;
  auto date = [&](const char* text) {
    options.SetString(WOptions::LastUpdate, text);
    return options.GetDate(WOptions::LastUpdate);
  };
  EXPECT_EQ(date("18991230"), 0);
  EXPECT_EQ(date("19000101"), 2);
  EXPECT_EQ(date("20000101"), 36526);
  EXPECT_EQ(date("20240229"), 45351);
  EXPECT_EQ(date("00010101"), -693593);
  EXPECT_EQ(date("99991231"), 2958465);
  for (const char* bad : {"20230229", "21000229", "20240431", "20241301", "20240100", "00000101", "2024022",
                          "202402290", "2024-2-1", "+2024011", "", "abcdefgh"})
    EXPECT_EQ(date(bad), 0) << bad;

  options.SetDate(WOptions::LastUpdate, 45351);
  EXPECT_EQ(options.GetString(WOptions::LastUpdate), "20240229");
  options.SetDate(WOptions::LastUpdate, 0);
  EXPECT_EQ(options.GetString(WOptions::LastUpdate), "18991230");
  options.SetDate(WOptions::LastUpdate, 2958466);  // past 9999: cannot be stored, reads as 0
  EXPECT_EQ(options.GetDate(WOptions::LastUpdate), 0);
}

TEST(Options, DayNumbersRoundTripOverTheWholeRange) {
  int previous = -693594;
  for (int year = 1; year <= 9999; ++year)
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= 31; ++day) {
        int n = 0;
        if (!WOptions::EncodeDay(year, month, day, &n)) continue;
        ASSERT_EQ(n, previous + 1) << year << "-" << month << "-" << day;
        int y, m, d;
        WOptions::DecodeDay(n, &y, &m, &d);
        ASSERT_EQ(y * 10000 + m * 100 + d, year * 10000 + month * 100 + day);
        previous = n;
      }
  EXPECT_EQ(previous, 2958465);
  EXPECT_GT(WOptions::Today(), 45000);
}

TEST(Options, TypedValuesSurviveSaveAndLoad) {
  TempDir dir;
  {
    WOptions options;
    options.OpenSettingsFile(dir / "a.ini");
    options.LoadSettings();
    options.SetBool(WOptions::UseLDS, true);
    options.SetBool(WOptions::PreSuf, false);
    options.SetInt(WOptions::FNValue, -12);
    options.SetDate(WOptions::LastUpdate, 45351);
    options.SetString(WOptions::File1, " /home/ann/Family Tree.ged ");
    options.WriteIniInteger("General", "ShowCmd", 1);
    ASSERT_TRUE(options.SaveSettings());
    options.CloseSettingsFile();
  }
  WOptions options;
  options.OpenSettingsFile(dir / "a.ini");
  EXPECT_TRUE(options.SettingsFileWasRead());
  options.LoadSettings();
  EXPECT_TRUE(options.GetBool(WOptions::UseLDS));
  EXPECT_FALSE(options.GetBool(WOptions::PreSuf));
  EXPECT_EQ(options.GetInt(WOptions::FNValue), -12);
  EXPECT_EQ(options.GetDate(WOptions::LastUpdate), 45351);
  EXPECT_EQ(options.GetString(WOptions::File1), " /home/ann/Family Tree.ged ");
  EXPECT_EQ(options.ReadIniInteger("general", "showcmd", 3), 1);
  EXPECT_EQ(options.ReadIniInteger("General", "MinX", -1), -1);
  EXPECT_EQ(options.ReadIniString("General", "Top", "x"), "x");
}

TEST(Options, AGarbageFileLoadsAsDefaults) {
  TempDir dir;
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
  garbage += std::string(1 << 20, '=') + "\n[General\n]General[\nUseLDS\n";
  WriteFile(dir / "a.ini", garbage);
  WOptions options;
  options.OpenSettingsFile(dir / "a.ini");
  options.LoadSettings();
  for (int id = 1; id <= WOptions::kEntryCount; ++id)
    EXPECT_EQ(options.GetString(id), WOptions::FindEntry(id)->defaultValue) << id;
  // Saving keeps the garbage lines and adds a readable section after them.
  ASSERT_TRUE(options.SaveSettings());
  WOptions again;
  again.OpenSettingsFile(dir / "a.ini");
  again.SetBool(WOptions::UseLDS, true);
  again.LoadSettings();
  EXPECT_FALSE(again.GetBool(WOptions::UseLDS));
  EXPECT_GT(ReadFile(dir / "a.ini").size(), garbage.size());
}

TEST(Options, WindowKeysWrittenDirectlyAreSavedOnClose) {
  TempDir dir;
  WriteFile(dir / "a.ini", "[General]\nUseLDS=T\n");
  WOptions options;
  options.OpenSettingsFile(dir / "a.ini");
  options.WriteIniInteger("General", "Top", 80);
  options.CloseSettingsFile();
  EXPECT_EQ(ReadFile(dir / "a.ini"), "[General]\nUseLDS=T\nTop=80\n");
}

TEST(Options, WithoutAFileReadsGiveNothingAndWritesDoNothing) {
  WOptions options;
  EXPECT_FALSE(options.IsSettingsFileOpen());
  EXPECT_EQ(options.ReadIniString("General", "UseLDS", "x"), "");
  EXPECT_EQ(options.ReadIniInteger("General", "Top", 9), 0);
  options.WriteIniString("General", "UseLDS", "T");
  EXPECT_FALSE(options.SaveSettings());
  options.SetBool(WOptions::UseLDS, true);
  options.LoadSettings();  // no file: every entry back at its default
  EXPECT_FALSE(options.GetBool(WOptions::UseLDS));
  EXPECT_TRUE(options.IsLoaded());
}

TEST(Options, NumbersOutsideTheTable) {
  WOptions options;
  options.SetString(200, "kept");
  EXPECT_EQ(options.GetString(200), "kept");
  options.SetString(501, "x");
  options.SetString(0, "x");
  options.SetString(-1, "x");
  EXPECT_EQ(options.GetString(501), "");
  EXPECT_EQ(options.GetString(0), "");
  EXPECT_FALSE(options.GetBool(-5));
  EXPECT_EQ(options.GetInt(1000), 0);
  EXPECT_EQ(options.GetDate(1000), 0);
}

TEST(Options, SetByKeyIgnoresCaseAndRejectsUnknownKeys) {
  WOptions options;
  EXPECT_TRUE(options.SetByKey("namesLASH", "F"));
  EXPECT_FALSE(options.GetBool(WOptions::NameSlash));
  EXPECT_FALSE(options.SetByKey("NameSlashes", "T"));
  EXPECT_FALSE(options.SetByKey("", "T"));
}

class RecentFiles : public ::testing::Test {
 protected:
  void Fill(int count) {
    for (int i = 0; i < count; ++i)
      options.SetString(WOptions::File1 + i, "/data/f" + std::to_string(i + 1) + ".ged");
  }
  std::string File(int n) { return options.GetString(WOptions::File1 + n - 1); }
  WOptions options;
};

TEST_F(RecentFiles, RemovingMovesTheLaterEntriesUp) {
  Fill(4);
  options.RemoveRecentFile("/data/f2.ged");
  EXPECT_EQ(File(1), "/data/f1.ged");
  EXPECT_EQ(File(2), "/data/f3.ged");
  EXPECT_EQ(File(3), "/data/f4.ged");
  EXPECT_EQ(File(4), "");
}

TEST_F(RecentFiles, AFullListLosesItsLastEntry) {
  Fill(10);
  options.RemoveRecentFile("/data/f1.ged");
  EXPECT_EQ(File(1), "/data/f2.ged");
  EXPECT_EQ(File(9), "/data/f10.ged");
  EXPECT_EQ(File(10), "");
}

// Paths are bytes compared as the file system compares them: two names that differ only in
// letter case are two files.
TEST_F(RecentFiles, PathsCompareByteForByte) {
  options.SetString(WOptions::File1, "/data/\xC3\x89mile.ged");  // UTF-8 capital E acute
  options.SetString(WOptions::File2, "/data/F2.ged");
  options.RemoveRecentFile("/data/f2.ged");
  EXPECT_EQ(File(2), "/data/F2.ged");
  options.RemoveRecentFile("/data/\xC3\x89mile.ged");
  EXPECT_EQ(File(1), "/data/F2.ged");
}

TEST_F(RecentFiles, AnUnknownPathChangesNothing) {
  Fill(3);
  options.RemoveRecentFile("/data/f9.ged");
  options.RemoveRecentFile("");  // matches the first empty entry; only empty entries move
  EXPECT_EQ(File(1), "/data/f1.ged");
  EXPECT_EQ(File(3), "/data/f3.ged");
}

// Opening puts the file at the top; earlier files move down, a repeat moves up instead of
// showing twice, and the eleventh is forgotten.  An empty top (the window closed idle)
// keeps the list below it.
TEST_F(RecentFiles, AddingPutsTheFileOnTop) {
  Fill(10);
  options.AddRecentFile("/data/f3.ged");
  EXPECT_EQ(File(1), "/data/f3.ged");
  EXPECT_EQ(File(2), "/data/f1.ged");
  EXPECT_EQ(File(3), "/data/f2.ged");
  EXPECT_EQ(File(4), "/data/f4.ged");
  options.AddRecentFile(
      "/data/\xC5\x81\xC3\xB3"
      "d\xC5\xBA/\xCE\x9E.ged");  // Łódź/Ξ.ged
  EXPECT_EQ(File(1),
            "/data/\xC5\x81\xC3\xB3"
            "d\xC5\xBA/\xCE\x9E.ged");
  EXPECT_EQ(File(10), "/data/f9.ged");
  EXPECT_EQ(options.RecentFiles().size(), 10u);

  options.AddRecentFile("");
  EXPECT_EQ(File(1), "");
  EXPECT_EQ(File(2),
            "/data/\xC5\x81\xC3\xB3"
            "d\xC5\xBA/\xCE\x9E.ged");
  EXPECT_EQ(options.RecentFiles().front(), File(2));
  options.AddRecentFile("/data/f1.ged");  // the empty top does not stay behind
  EXPECT_EQ(File(1), "/data/f1.ged");
  EXPECT_EQ(File(2),
            "/data/\xC5\x81\xC3\xB3"
            "d\xC5\xBA/\xCE\x9E.ged");
  EXPECT_EQ(File(3), "/data/f3.ged");
  EXPECT_EQ(options.RecentFiles().size(), 9u);
}

class SettingsLocation : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* v = getenv("XDG_CONFIG_HOME")) savedXdg = v, hadXdg = true;
    if (const char* v = getenv("HOME")) savedHome = v, hadHome = true;
  }
  void TearDown() override {
    hadXdg ? setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    hadHome ? setenv("HOME", savedHome.c_str(), 1) : unsetenv("HOME");
  }
  TempDir dir;
  std::string savedXdg, savedHome;
  bool hadXdg = false, hadHome = false;
};

TEST_F(SettingsLocation, BesideTheProgramWhenItsFolderIsWritable) {
  EXPECT_EQ(WOptions::SettingsPathFor(dir / "taravell-lite"), dir / "taravell-lite.ini");
  EXPECT_EQ(WOptions::SettingsPathFor(dir / "viewer.bin"), dir / "viewer.ini");
}

TEST_F(SettingsLocation, UnwritableFolderFallsBackToTheUserConfigFolder) {
  WriteFile(dir / "file", "x");
  std::string program = dir / "file/bin/taravell-lite";  // its folder can never be written
  setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
  std::string path = WOptions::SettingsPathFor(program);
  EXPECT_EQ(path, dir / "config/taravell-lite/taravell-lite.ini");

  // Saving creates the folder.
  WOptions options;
  options.OpenSettingsFile(path);
  options.LoadSettings();
  ASSERT_TRUE(options.SaveSettings());
  EXPECT_TRUE(WIniFile(path).WasRead());

  // No usable XDG_CONFIG_HOME: ~/.config.
  setenv("HOME", (dir / "home").c_str(), 1);
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(WOptions::SettingsPathFor(program), dir / "home/.config/taravell-lite/taravell-lite.ini");
  setenv("XDG_CONFIG_HOME", "relative/config", 1);
  EXPECT_EQ(WOptions::SettingsPathFor(program), dir / "home/.config/taravell-lite/taravell-lite.ini");
}

TEST_F(SettingsLocation, InstalledProgramNeverWritesIntoSystemFolders) {
  setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
  // Also when the folder is writable (the tests may run as root).
  for (const char* program : {"/usr/bin/taravell-lite", "/usr/local/bin/taravell-lite", "/bin/taravell-lite"})
    EXPECT_EQ(WOptions::SettingsPathFor(program), dir / "config/taravell-lite/taravell-lite.ini") << program;
}

TEST_F(SettingsLocation, DefaultPathIsNamedAfterThisProgram) {
  std::string path = WOptions::DefaultSettingsPath();
  EXPECT_NE(path.find("test_settings.ini"), std::string::npos) << path;
}

}  // namespace
