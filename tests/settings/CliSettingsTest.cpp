#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

std::string Cli(const std::string& args, int* status) {
  return RunCommand(CliPath() + " " + args + " 2>/dev/null", status);
}

TEST(CliSettings, DefaultsWithoutIni) {
  int status = -1;
  std::string out = Cli("settings UseLDS FindDlg File1", &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out, "1\tGeneral\tUseLDS\tF\n13\tGeneral\tFindDlg\t3\n27\tGeneral\tFile1\t\n");
  out = Cli("settings", &status);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 139);
}

TEST(CliSettings, IniIsReadThenEverySetAppliedInOrderAndTheFileIsNeverWritten) {
  TempDir dir;
  const std::string text = "[General]\r\nUseLDS=T\r\nFindDlg=5\r\n";
  WriteFile(dir / "my.ini", text);
  struct stat before {};
  stat((dir / "my.ini").c_str(), &before);

  int status = -1;
  std::string out = Cli(
      "--ini " + dir / "my.ini" + " --set findDLG=7 settings --set FindDlg=8 UseLDS FindDlg Chrono", &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out, "1\tGeneral\tUseLDS\tT\n13\tGeneral\tFindDlg\t8\n128\tGeneral\tChrono\tF\n");
  EXPECT_EQ(ReadFile(dir / "my.ini"), text);
  struct stat after {};
  stat((dir / "my.ini").c_str(), &after);
  EXPECT_EQ(before.st_mtim.tv_sec, after.st_mtim.tv_sec);
  EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
}

TEST(CliSettings, BadSettingsAreUsageErrors) {
  TempDir dir;
  int status = -1;
  Cli("--set NoSuchKey=1 settings", &status);
  EXPECT_EQ(status, 2);
  Cli("--set UseLDS settings", &status);
  EXPECT_EQ(status, 2);
  Cli("--set =T settings", &status);
  EXPECT_EQ(status, 2);
  Cli("--ini " + dir / "missing.ini" + " settings", &status);
  EXPECT_EQ(status, 2);
  Cli("settings NoSuchKey", &status);
  EXPECT_EQ(status, 2);
  // An empty value is a value.
  EXPECT_EQ(Cli("--set File1= settings File1", &status), "27\tGeneral\tFile1\t\n");
  EXPECT_EQ(status, 0);
}

}  // namespace
