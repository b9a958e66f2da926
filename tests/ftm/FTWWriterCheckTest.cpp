// An independent reader of compound files (python3-olefile) reads what the test writer
// writes: the streams are where the writer's directory says, and every note stream holds the
// text the Family Tree Maker reader gives for that note.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "FTWFixtures.h"
#include "FTWTestFile.h"
#include "base/TextUtils.h"
#include "support/TestPaths.h"

namespace {

// The streams olefile finds, one per line: name, size, and for a note stream (its name
// starting with "F") the text; empty when the module is not installed.
std::string ReadWithOlefile(const std::string& path) {
  const std::string script =
      "import sys\n"
      "try:\n"
      "    import olefile\n"
      "except ImportError:\n"
      "    sys.exit(3)\n"
      "ole = olefile.OleFileIO(sys.argv[1], raise_defects=olefile.DEFECT_INCORRECT)\n"
      "for entry in sorted(ole.listdir()):\n"
      "    name = '/'.join(entry)\n"
      "    data = ole.openstream(entry).read()\n"
      "    text = data.decode('utf-16-le') if name.startswith('F') else ''\n"
      "    sys.stdout.buffer.write(('%s\\t%d\\t%s\\n' % (name, len(data), text)).encode('utf-8'))\n";
  TempDir dir;
  WriteFile(dir / "read.py", script);
  int status = 0;
  std::string out = RunCommand("/usr/bin/python3 " + (dir / "read.py") + " '" + path + "' 2>&1", &status);
  EXPECT_NE(status, 1) << out;
  return status == 0 ? out : std::string();
}

void Check(const ftw::Description& description, const char* what) {
  SCOPED_TRACE(what);
  TempDir dir;
  auto collection = OpenDescription(description, dir);
  ASSERT_NE(collection, nullptr);
  const std::string theirs = ReadWithOlefile(dir / "test.ftw");
  if (theirs.empty()) GTEST_SKIP() << "python3-olefile is not installed";
  std::istringstream lines(theirs);
  std::string line;
  int notes = 0, tables = 0;
  while (std::getline(lines, line)) {
    const size_t tab = line.find('\t'), tab2 = line.find('\t', tab + 1);
    const std::string name = line.substr(0, tab), text = line.substr(tab2 + 1);
    if (name == "IND.DB" || name == "AUX.DB" || name == "GENERAL.DB" || name == "SOURCE.DB") ++tables;
    if (name[0] != 'F') continue;
    ++notes;
    EXPECT_EQ(text, AnsiToUtf8(collection->ReadNote(notes))) << name;
  }
  EXPECT_EQ(tables, 4);
  EXPECT_EQ(notes, collection->NoteCount());
}

TEST(FTWWriterCheck, AnIndependentReaderFindsTheStreamsAndNotes) {
  Check(ftw_fixtures::FamilyFixture(), "family");
  Check(ftw_fixtures::ExtensionFixture(), "extension");
}

}  // namespace
