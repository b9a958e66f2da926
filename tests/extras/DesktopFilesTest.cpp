// The files that make the viewer a desktop program: checked with the desktop's own tools when
// they are installed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/FileAssoc.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

bool HaveProgram(const char* name) {
  int status = 0;
  RunCommand(std::string("command -v ") + name + " >/dev/null 2>&1", &status);
  return status == 0;
}

std::string DesktopFile() { return SourceDir() + "/desktop/taravell-lite.desktop"; }

TEST(DesktopFiles, DesktopEntryIsValidAndOpensOneFile) {
  std::ifstream in(DesktopFile());
  std::stringstream text;
  text << in.rdbuf();
  std::string entry = text.str();
  EXPECT_NE(entry.find("\nExec=taravell-lite %f\n"), std::string::npos);
  EXPECT_NE(entry.find(std::string(WFileAssoc::kGedcomType) + ";"), std::string::npos);
  EXPECT_NE(entry.find(std::string(WFileAssoc::kPafType) + ";"), std::string::npos);
  // The id the association check compares with is this file's name.
  EXPECT_EQ(std::filesystem::path(DesktopFile()).filename(), WFileAssoc::kDesktopId);

  if (!HaveProgram("desktop-file-validate")) GTEST_SKIP() << "desktop-file-validate is not installed";
  int status = 0;
  std::string out = RunCommand("desktop-file-validate '" + DesktopFile() + "' 2>&1", &status);
  EXPECT_EQ(status, 0) << out;
  EXPECT_EQ(out, "");
}

// Every type the desktop entry lists is known once our definitions are added to the system's.
TEST(DesktopFiles, MimeDefinitionsGiveEveryListedTypeItsGlobs) {
  if (!HaveProgram("update-mime-database")) GTEST_SKIP() << "update-mime-database is not installed";
  TempDir dir;
  std::filesystem::create_directories(dir / "mime/packages");
  std::filesystem::copy_file(SourceDir() + "/desktop/taravell-lite.xml",
                             dir / "mime/packages/taravell-lite.xml");
  std::filesystem::copy_file("/usr/share/mime/packages/freedesktop.org.xml",
                             dir / "mime/packages/freedesktop.org.xml");
  int status = 0;
  std::string out = RunCommand("update-mime-database '" + (dir / "mime") + "' 2>&1", &status);
  ASSERT_EQ(status, 0) << out;
  std::string globs = ReadFile(dir / "mime/globs2");
  for (const char* line : {"application/x-gedcom:*.ged", "application/x-paf:*.paf",
                           "application/x-familytreemaker:*.ftw", "application/x-familytreemaker:*.fbk",
                           "application/x-tmg-project:*.tmg", "application/x-tmg-project:*.pjc",
                           "application/x-rootsmagic:*.rmg", "application/x-legacy-family-tree:*.fdb"})
    EXPECT_NE(globs.find(line), std::string::npos) << line;
  // GEDCOM keeps the system's one definition.
  std::string types = ReadFile(dir / "mime/types");
  EXPECT_EQ(types.find("gedcom\n"), types.rfind("gedcom\n"));
}

}  // namespace
