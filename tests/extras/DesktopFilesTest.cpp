// The files that make the viewer a desktop program: checked with the desktop's own tools when
// they are installed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/FileAssoc.h"
#include "formats/Readers.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

bool HaveProgram(const char* name) {
  int status = 0;
  RunCommand(std::string("command -v ") + name + " >/dev/null 2>&1", &status);
  return status == 0;
}

// The MIME type of each kind of file a reader may be built for.
struct KindType {
  const char* extension;
  const char* type;
};
constexpr KindType kKindTypes[] = {
    {".paf", "application/x-paf"},
    {".ftw", "application/x-familytreemaker"},
    {".fbk", "application/x-familytreemaker"},
    {".tmg", "application/x-tmg-project"},
    {".pjc", "application/x-tmg-project"},
    {".rmg", "application/x-rootsmagic"},
    {".fdb", "application/x-legacy-family-tree"},
};

std::string DesktopFile() { return BinaryDir() + "/desktop/taravell-lite.desktop"; }

TEST(DesktopFiles, DesktopEntryIsValidAndOpensOneFile) {
  std::ifstream in(DesktopFile());
  std::stringstream text;
  text << in.rdbuf();
  std::string entry = text.str();
  EXPECT_NE(entry.find("\nExec=taravell-lite %f\n"), std::string::npos);
  EXPECT_NE(entry.find(std::string(WFileAssoc::kGedcomType) + ";"), std::string::npos);
  // A type is claimed exactly when a reader of one of its extensions is built (the two
  // generations of TMG projects share one type).
  for (const KindType& k : kKindTypes) {
    bool built = false;
    for (const KindType& other : kKindTypes)
      if (std::string(other.type) == k.type && ReaderForExtension(other.extension) != nullptr) built = true;
    EXPECT_EQ(entry.find(std::string(k.type) + ";") != std::string::npos, built) << k.type;
  }
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
  std::filesystem::copy_file(BinaryDir() + "/desktop/taravell-lite.xml",
                             dir / "mime/packages/taravell-lite.xml");
  std::filesystem::copy_file("/usr/share/mime/packages/freedesktop.org.xml",
                             dir / "mime/packages/freedesktop.org.xml");
  int status = 0;
  std::string out = RunCommand("update-mime-database '" + (dir / "mime") + "' 2>&1", &status);
  ASSERT_EQ(status, 0) << out;
  std::string globs = ReadFile(dir / "mime/globs2");
  EXPECT_NE(globs.find("application/x-gedcom:*.ged"), std::string::npos);
  for (const KindType& k : kKindTypes) {
    const std::string line = std::string(k.type) + ":*" + k.extension;
    EXPECT_EQ(globs.find(line) != std::string::npos, ReaderForExtension(k.extension) != nullptr) << line;
  }
  // GEDCOM keeps the system's one definition.
  std::string types = ReadFile(dir / "mime/types");
  EXPECT_EQ(types.find("gedcom\n"), types.rfind("gedcom\n"));
}

}  // namespace
