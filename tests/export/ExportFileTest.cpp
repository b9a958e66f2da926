// Writing the export file: complete or not at all, never over the file it comes from; and
// `taravell-cli export` with its exit statuses and Ctrl-C.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "base/UIHooks.h"
#include "export/GedcomExport.h"
#include "formats/ged/GEDCollection.h"
#include "model/ABSAddress.h"
#include "model/ABSNote.h"
#include "model/ABSRepo.h"
#include "support/MemCollection.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

int FileCount(const std::string& dir) {
  int n = 0;
  for (const auto& entry : fs::directory_iterator(dir)) n += entry.is_regular_file() || entry.is_symlink();
  return n;
}

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

TEST(ExportFile, WritesACompleteGedcomFile) {
  TempDir dir;
  MemCollection mem;
  mem.AddPerson("Ann", "Lee", 'F');
  WGedcomExport exporter(mem);
  exporter.SetProgramVersion("9.8.7");
  exporter.SetTime(0);
  std::string error;
  ASSERT_EQ(exporter.WriteFile(dir / "out.ged", error), WGedcomExport::Result::Written) << error;
  const std::string text = ReadFile(dir / "out.ged");
  EXPECT_EQ(text.rfind("0 HEAD\r\n1 SOUR TARAVELL_LITE\r\n2 VERS 9.8.7\r\n2 NAME Taravell Lite\r\n", 0), 0u);
  EXPECT_NE(text.find("1 SUBM @U1@\r\n1 FILE out.ged\r\n1 GEDC\r\n2 VERS 5.5.1\r\n2 FORM LINEAGE-LINKED\r\n"
                      "1 CHAR UTF-8\r\n0 @U1@ SUBM\r\n1 NAME Unknown\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 8), "0 TRLR\r\n");
  EXPECT_EQ(FileCount(dir.path()), 1) << "no temporary file is left";
  EXPECT_EQ(exporter.GetCounts().individuals, 1);
  EXPECT_EQ(fs::status(dir / "out.ged").permissions() & fs::perms::others_read, fs::perms::others_read);
}

// A reader that answers every repository number, as the model allows.
class AnyRepositoryCollection : public MemCollection {
 public:
  std::unique_ptr<WABSRepo> GetRepository(RecNo n) override {
    class Repo : public WABSRepo {
     public:
      explicit Repo(RecNo n) : n_(n) {}
      std::string GetName() override { return "Archive " + std::to_string(n_); }
      std::unique_ptr<WABSAddress> GetAddress() override { return nullptr; }
      std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

     private:
      RecNo n_;
    };
    return n > 0 ? std::make_unique<Repo>(n) : nullptr;
  }
};

TEST(ExportFile, WritesTheRepositoriesUpToTheHighestNamed) {
  AnyRepositoryCollection mem;
  mem.Source(mem.AddSource("Register")).repository = 3;
  TempDir dir;
  WGedcomExport exporter(mem);
  std::string error;
  ASSERT_EQ(exporter.WriteFile(dir / "out.ged", error), WGedcomExport::Result::Written) << error;
  EXPECT_EQ(exporter.GetCounts().repositories, 3);
  const std::string text = ReadFile(dir / "out.ged");
  EXPECT_NE(text.find("1 REPO @R3@\r\n"), std::string::npos);
  EXPECT_NE(text.find("0 @R3@ REPO\r\n1 NAME Archive 3\r\n0 TRLR\r\n"), std::string::npos);
}

TEST(ExportFile, ACancelledExportLeavesNothing) {
  TempDir dir;
  MemCollection mem;
  for (int i = 0; i < 3000; ++i) mem.AddPerson("Ann", "Lee", 'F');
  WriteFile(dir / "out.ged", "an older file");
  WGedcomExport exporter(mem);
  SetYieldHook([] { ImportCancelled = true; });
  std::string error;
  EXPECT_EQ(exporter.WriteFile(dir / "out.ged", error), WGedcomExport::Result::Cancelled);
  SetYieldHook(nullptr);
  ImportCancelled = false;
  EXPECT_EQ(FileCount(dir.path()), 1);
  EXPECT_EQ(ReadFile(dir / "out.ged"), "an older file");
}

// A GEDCOM file's identifiers stay the xrefs where they can, and the families point at whatever
// each individual's xref turned out to be: identifiers numbered like the made xrefs but not in
// record order, one that is its own record's made xref, one that has the form of a family's xref,
// and a made xref that another individual's identifier already takes.
TEST(ExportFile, FamiliesPointAtTheXrefsTheIndividualsGot) {
  TempDir dir;
  std::string original = "0 HEAD\r\n1 CHAR UTF-8\r\n";
  for (const char* id : {"I2", "I1", "I3", "F9", "P7", "I4"})
    original += std::string("0 @") + id + "@ INDI\r\n1 NAME " + id + " /Lee/\r\n";
  original +=
      "0 @F1@ FAM\r\n1 HUSB @I2@\r\n1 WIFE @I1@\r\n1 CHIL @I3@\r\n1 CHIL @F9@\r\n"
      "1 CHIL @P7@\r\n1 CHIL @I4@\r\n0 TRLR\r\n";
  WriteFile(dir / "in.ged", original);
  WGEDCollection collection(dir / "in.ged");
  ASSERT_TRUE(collection.Import());
  WGedcomExport exporter(collection);
  std::string error;
  ASSERT_EQ(exporter.WriteFile(dir / "out.ged", error), WGedcomExport::Result::Written) << error;
  const std::string text = ReadFile(dir / "out.ged");
  EXPECT_NE(text.find("0 @I2@ INDI\r\n1 NAME I2 /Lee/\r\n"), std::string::npos);
  EXPECT_NE(text.find("0 @I1@ INDI\r\n1 NAME I1 /Lee/\r\n"), std::string::npos);
  EXPECT_NE(text.find("0 @I3@ INDI\r\n1 NAME I3 /Lee/\r\n"), std::string::npos);
  EXPECT_NE(text.find("0 @I4_1@ INDI\r\n1 NAME F9 /Lee/\r\n"), std::string::npos);
  EXPECT_NE(text.find("1 REFN F9\r\n2 TYPE GEDCOM "), std::string::npos);
  EXPECT_NE(text.find("0 @P7@ INDI\r\n1 NAME P7 /Lee/\r\n"), std::string::npos);
  EXPECT_NE(text.find("0 @I4@ INDI\r\n1 NAME I4 /Lee/\r\n"), std::string::npos);
  const size_t family = text.find("0 @F1@ FAM\r\n");
  ASSERT_NE(family, std::string::npos);
  const std::string record = text.substr(family, text.find("\r\n0 ", family) + 2 - family);
  EXPECT_NE(record.find("1 HUSB @I2@\r\n1 WIFE @I1@\r\n"), std::string::npos) << record;
  for (const char* child : {"@I3@", "@I4_1@", "@P7@", "@I4@"})
    EXPECT_NE(record.find(std::string("1 CHIL ") + child + "\r\n"), std::string::npos) << child << record;
  EXPECT_EQ(exporter.IndividualXref(3), "I3");
  EXPECT_EQ(exporter.IndividualXref(4), "I4_1");
}

TEST(ExportFile, RefusesToWriteOverItsOwnFile) {
  TempDir dir;
  const std::string original = "0 HEAD\r\n1 CHAR UTF-8\r\n0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n0 TRLR\r\n";
  WriteFile(dir / "in.ged", original);
  fs::create_symlink(dir / "in.ged", dir / "link.ged");
  WGEDCollection collection(dir / "in.ged");
  ASSERT_TRUE(collection.Import());
  for (const char* target : {"in.ged", "link.ged"}) {
    WGedcomExport exporter(collection);
    std::string error;
    EXPECT_EQ(exporter.WriteFile(dir / target, error), WGedcomExport::Result::Failed) << target;
    EXPECT_NE(error.find("overwrite"), std::string::npos) << error;
  }
  EXPECT_EQ(ReadFile(dir / "in.ged"), original);
  WGedcomExport exporter(collection);
  std::string error;
  EXPECT_EQ(exporter.WriteFile(dir / "missing/out.ged", error), WGedcomExport::Result::Failed);
  EXPECT_FALSE(error.empty());
}

TEST(ExportCli, ExportsAndRefusesWhatItShould) {
  TempDir dir;
  const std::string cli = Quoted(CliPath());
  int status = -1;
  const std::string printed = RunCommand(
      cli + " export " + Quoted(TestDataPath("sample.ged")) + " " + Quoted(dir / "s.ged"), &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(printed,
            "41 individuals, 14 families, 6 sources, 4 repositories written to " + (dir / "s.ged") + "\n");
  EXPECT_EQ(ReadFile(dir / "s.ged").rfind("0 HEAD\r\n", 0), 0u);
  // Over its own file, even through another name.
  RunCommand(cli + " export " + Quoted(dir / "s.ged") + " " + Quoted(dir / "./s.ged") + " 2>/dev/null",
             &status);
  EXPECT_EQ(status, 1);
  RunCommand(cli + " export " + Quoted(dir / "s.ged") + " 2>/dev/null", &status);
  EXPECT_EQ(status, 2);
  RunCommand(cli + " export " + Quoted(dir / "none.ged") + " " + Quoted(dir / "x.ged") + " 2>/dev/null",
             &status);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(FileCount(dir.path()), 1);
}

TEST(ExportCli, CtrlCRemovesThePartialFileAndExits130) {
  // A file big enough that the export is still running when Ctrl-C comes.
  TempDir dir;
  {
    std::string text = "0 HEAD\r\n1 CHAR UTF-8\r\n";
    for (int i = 1; i <= 150000; ++i) {
      const std::string n = std::to_string(i);
      text += "0 @I" + n + "@ INDI\r\n1 NAME Person" + n + " /Family" + std::to_string(i % 977) +
              "/\r\n1 SEX M\r\n1 BIRT\r\n2 DATE ABT 1850\r\n2 PLAC Town " + n + "\r\n1 OCCU Miller\r\n";
    }
    text += "0 TRLR\r\n";
    WriteFile(dir / "big.ged", text);
  }
  const std::string cli = CliPath();
  const std::string in = dir / "big.ged", out = dir / "out.ged";
  const char* argv[] = {cli.c_str(), "export", in.c_str(), out.c_str(), nullptr};
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, cli.c_str(), nullptr, nullptr, const_cast<char**>(argv), environ), 0);
  // Waits until the temporary file appears (the import is done), then interrupts.
  for (int i = 0; i < 400 && FileCount(dir.path()) < 2; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  kill(pid, SIGINT);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 130);
  EXPECT_EQ(FileCount(dir.path()), 1) << "only the input is left";
}

}  // namespace
