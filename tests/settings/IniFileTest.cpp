#include "app/IniFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "support/TempDir.h"

namespace {

std::string Read(const WIniFile& ini, const char* section, const char* key) {
  return ini.ReadString(section, key, "<none>");
}

TEST(IniFile, LooksUpSectionsAndKeysIgnoringCaseAndBlanks) {
  TempDir dir;
  WriteFile(dir / "a.ini",
            "; comment\r\n[General]\r\n  UseLDS = T \r\nQuoted=\" two  \"\r\nSingle='x'\r\nHalf=\"x\r\n"
            "NoValue=\r\n[ Help ]\r\nIH1=F\r\n");
  WIniFile ini(dir / "a.ini");
  EXPECT_TRUE(ini.WasRead());
  EXPECT_EQ(Read(ini, "general", "uselds"), "T");
  EXPECT_EQ(Read(ini, "GENERAL", "USELDS"), "T");
  EXPECT_EQ(Read(ini, "General", "Quoted"), " two  ");
  EXPECT_EQ(Read(ini, "General", "Single"), "x");
  EXPECT_EQ(Read(ini, "General", "Half"), "\"x");
  EXPECT_EQ(Read(ini, "General", "NoValue"), "");  // present but empty: not the default
  EXPECT_EQ(Read(ini, "help", "ih1"), "F");
  EXPECT_EQ(Read(ini, "Help", "UseLDS"), "<none>");
  EXPECT_EQ(Read(ini, "General", "; comment"), "<none>");
}

TEST(IniFile, FirstOccurrenceWinsAndRepeatedSectionsAreOne) {
  TempDir dir;
  WriteFile(dir / "a.ini", "Early=1\n[S]\nK=first\nK=second\n[T]\nK=t\n[s]\nOther=2\n");
  WIniFile ini(dir / "a.ini");
  EXPECT_EQ(Read(ini, "S", "K"), "first");
  EXPECT_EQ(Read(ini, "S", "Other"), "2");
  EXPECT_EQ(Read(ini, "", "Early"), "<none>");  // keys before any section belong nowhere
}

TEST(IniFile, ReadIntegerFallsBackOnAnythingButADecimalNumber) {
  TempDir dir;
  WriteFile(dir / "a.ini", "[S]\nA=12\nB=12a\nC=\nD=-7\nE=+3\nF=99999999999\nG=2147483647\nH=-2147483648\n");
  WIniFile ini(dir / "a.ini");
  EXPECT_EQ(ini.ReadInteger("S", "A", 5), 12);
  EXPECT_EQ(ini.ReadInteger("S", "B", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "C", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "D", 5), -7);
  EXPECT_EQ(ini.ReadInteger("S", "E", 5), 3);
  EXPECT_EQ(ini.ReadInteger("S", "F", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "G", 5), 2147483647);
  EXPECT_EQ(ini.ReadInteger("S", "H", 5), -2147483647 - 1);
  EXPECT_EQ(ini.ReadInteger("S", "Missing", 5), 5);
}

TEST(IniFile, WritesInPlaceAndKeepsEverythingElse) {
  TempDir dir;
  WriteFile(dir / "a.ini", "; keep me\n[General]\nA=1\n# note\nB=2\n\n[Other]\nC=3\n");
  WIniFile ini(dir / "a.ini");
  ini.WriteString("general", "a", "10");   // existing key, other case: changed in place
  ini.WriteString("General", "New", "n");  // new key: end of its section, before the blank line
  ini.WriteInteger("Fresh", "Z", -4);      // new section: end of the file
  ASSERT_TRUE(ini.Dirty());
  ASSERT_TRUE(ini.Flush());
  EXPECT_FALSE(ini.Dirty());
  EXPECT_EQ(ReadFile(dir / "a.ini"),
            "; keep me\n[General]\nA=10\n# note\nB=2\nNew=n\n\n[Other]\nC=3\n\n[Fresh]\nZ=-4\n");
}

TEST(IniFile, ValuesSurviveARoundTripThroughTheFile) {
  TempDir dir;
  const std::string values[] = {" lead", "trail ", "\"quoted\"", "'q'", "a=b=c", "[not a section]", ""};
  {
    WIniFile ini(dir / "a.ini");
    EXPECT_FALSE(ini.WasRead());
    for (size_t i = 0; i < std::size(values); ++i) ini.WriteString("S", "K" + std::to_string(i), values[i]);
    ASSERT_TRUE(ini.Flush());
  }
  WIniFile ini(dir / "a.ini");
  for (size_t i = 0; i < std::size(values); ++i)
    EXPECT_EQ(ini.ReadString("S", "K" + std::to_string(i), "<none>"), values[i]) << i;
}

TEST(IniFile, LineBreaksInAValueCannotForgeOtherKeys) {
  TempDir dir;
  {
    WIniFile ini(dir / "a.ini");
    ini.WriteString("S", "File1", "/tmp/x\n[S]\nEvil=1");
    ini.WriteString("S\n[T]", "K\r\nEvil", "v");
    ASSERT_TRUE(ini.Flush());
  }
  WIniFile ini(dir / "a.ini");
  EXPECT_EQ(Read(ini, "S", "Evil"), "<none>");
  EXPECT_EQ(Read(ini, "T", "Evil"), "<none>");
  EXPECT_EQ(Read(ini, "S", "File1"), "/tmp/x[S]Evil=1");
}

TEST(IniFile, GarbageLoadsWithoutCrashingAndKeepsWhatItCanRead) {
  TempDir dir;
  std::string garbage = "\xEF\xBB\xBF[General]\nUseLDS=T\n";
  for (int i = 0; i < 256; ++i) garbage += static_cast<char>(i);
  garbage += std::string(1 << 20, 'x') + "\n";  // a line of a megabyte
  garbage += std::string("\0\0[\0]\n[\n]\n[]\n=\n=v\n\r\r\r\n", 22);
  garbage += "[General\nIH1=F\n";  // no closing bracket: not a header
  WriteFile(dir / "g.ini", garbage);
  WIniFile ini(dir / "g.ini");
  EXPECT_TRUE(ini.WasRead());
  EXPECT_EQ(Read(ini, "General", "UseLDS"), "T");  // read past the byte-order mark
  EXPECT_EQ(ini.ReadString(std::string(1, '\0'), "x", "<none>"), "<none>");
  EXPECT_EQ(Read(ini, "General", "IH1"), "<none>");

  WriteFile(dir / "nosections.ini", "just some text\nA=1\n");
  EXPECT_EQ(Read(WIniFile(dir / "nosections.ini"), "General", "A"), "<none>");
  WriteFile(dir / "empty.ini", "");
  EXPECT_TRUE(WIniFile(dir / "empty.ini").WasRead());
}

TEST(IniFile, FlushReplacesTheFileAtomically) {
  TempDir dir;
  WriteFile(dir / "a.ini", "[S]\nK=old\n");
  WIniFile ini(dir / "a.ini");
  ini.WriteString("S", "K", "new");
  ASSERT_TRUE(ini.Flush());
  int entries = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    ++entries;
    EXPECT_EQ(e.path().filename(), "a.ini");  // no temporary file left behind
  }
  EXPECT_EQ(entries, 1);
  EXPECT_EQ(ReadFile(dir / "a.ini"), "[S]\nK=new\n");
}

TEST(IniFile, FailedFlushLeavesNoTemporaryFileAndReportsFalse) {
  TempDir dir;
  // The settings path is a folder: the rename over it fails.
  std::filesystem::create_directory(dir / "taken.ini");
  WIniFile inFolder(dir / "taken.ini");
  inFolder.WriteString("S", "K", "v");
  EXPECT_FALSE(inFolder.Flush());
  EXPECT_TRUE(inFolder.Dirty());
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);

  // A folder that cannot be created (below a regular file).
  WriteFile(dir / "plain", "x");
  WIniFile below(dir / "plain/sub/a.ini");
  below.WriteString("S", "K", "v");
  EXPECT_FALSE(below.Flush());
}

TEST(IniFile, AFullDiskLeavesTheOldFileWhole) {
  TempDir dir;
  const std::string old = "[S]\nK=old\n";
  WriteFile(dir / "a.ini", old);
  // In a child process, limit the size of files it may write so that the new text cannot fit.
  pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    WIniFile ini(dir / "a.ini");
    ini.WriteString("S", "K", std::string(1000, 'v'));
    _exit(ini.Flush() ? 1 : 0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the flush should have failed";
  EXPECT_EQ(ReadFile(dir / "a.ini"), old);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(IniFile, ANamedPipeOrAFolderReadsAsEmpty) {
  TempDir dir;
  ASSERT_EQ(mkfifo((dir / "pipe.ini").c_str(), 0600), 0);
  WIniFile pipe(dir / "pipe.ini");  // must not wait for a writer
  EXPECT_FALSE(pipe.WasRead());
  WIniFile folder(dir.path());
  EXPECT_FALSE(folder.WasRead());
  EXPECT_EQ(folder.ReadString("S", "K", "d"), "d");
}

TEST(IniFile, FlushCreatesMissingFoldersAndFollowsSymbolicLinks) {
  TempDir dir;
  WIniFile deep(dir / "x/y/z/a.ini");
  deep.WriteString("S", "K", "v");
  ASSERT_TRUE(deep.Flush());
  EXPECT_EQ(ReadFile(dir / "x/y/z/a.ini"), "[S]\nK=v\n");

  std::filesystem::create_symlink(dir / "x/y/z/a.ini", dir / "link.ini");
  WIniFile linked(dir / "link.ini");
  EXPECT_EQ(Read(linked, "S", "K"), "v");
  linked.WriteString("S", "K", "w");
  ASSERT_TRUE(linked.Flush());
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
  EXPECT_EQ(ReadFile(dir / "x/y/z/a.ini"), "[S]\nK=w\n");
}

}  // namespace
