#include "app/OpenCycle.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "app/OpenCycleHost.h"
#include "app/Options.h"
#include "base/UIHooks.h"
#include "model/ABSCollection.h"
#include "settings/TempDir.h"
#include "support/PAFWriter.h"
#include "support/TestPaths.h"

namespace {

// Records what the cycle asked the window to show.
class RecordingHost : public WOpenCycleHost {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowWaitDialog(const std::string& message, bool show_now, bool with_cancel) override {
    ++wait_depth;
    wait_message = message;
    wait_now = show_now;
    wait_cancel = with_cancel;
  }
  void HideWaitDialog() override { --wait_depth; }
  void SetMiddleEnabled(bool enabled) override { middle_enabled = enabled; }
  void SetImportTimer(bool enabled, int interval_ms) override {
    timer_enabled = enabled;
    timer_interval = interval_ms;
  }
  void DetachViews(const std::string& file_name) override {
    attached = nullptr;
    detached_with.push_back(file_name);
  }
  void AttachViews(WABSCollection* collection, const std::string& file_name) override {
    attached = collection;
    attached_name = file_name;
  }
  void SetImportTime(const std::string& text) override { import_time = text; }
  void SetCaption(const std::string& text) override { caption = text; }
  void SetStatusText(int panel, const std::string& text) override { status.at(panel) = text; }
  void RefreshCurrentTab() override { ++refreshes; }
  void ShowDamageNotice() override { ++damage_notices; }
  void FreeSortIterators() override { ++iterator_frees; }

  std::vector<std::string> messages;
  int wait_depth = 0;
  std::string wait_message;
  bool wait_now = true, wait_cancel = false;
  bool middle_enabled = true;
  bool timer_enabled = false;
  int timer_interval = 0;
  WABSCollection* attached = nullptr;
  std::string attached_name;
  std::vector<std::string> detached_with;
  std::string import_time;
  std::string caption;
  std::vector<std::string> status = std::vector<std::string>(5);
  int refreshes = 0;
  int iterator_frees = 0;
  int damage_notices = 0;
};

class OpenCycleTest : public ::testing::Test {
 protected:
  void TearDown() override {
    SetYieldHook(nullptr);
    ImportCancelled = false;
  }
  RecordingHost host;
  WOpenCycle cycle{host};
  const std::string sample = TestDataPath("sample.ged");
};

TEST_F(OpenCycleTest, SuccessfulOpenShowsCountsCaptionAndTime) {
  ASSERT_TRUE(cycle.OpenGenealogyFile(sample));
  ASSERT_NE(cycle.Collection(), nullptr);
  EXPECT_EQ(cycle.CurrentFile(), sample);
  EXPECT_FALSE(cycle.Importing());
  EXPECT_EQ(host.caption, "Brambleford Taravell Lite 1.15 - " + sample);
  EXPECT_EQ(host.attached, cycle.Collection());
  EXPECT_EQ(host.attached_name, sample);
  EXPECT_EQ(host.status[0], "");
  EXPECT_EQ(host.status[1], "I: " + std::to_string(cycle.Collection()->IndividualCount()));
  EXPECT_EQ(host.status[2].rfind("F: ", 0), 0u);
  EXPECT_EQ(host.status[3].rfind("N: ", 0), 0u);
  EXPECT_EQ(host.status[4].rfind("S: ", 0), 0u);
  EXPECT_TRUE(host.middle_enabled);
  EXPECT_FALSE(host.timer_enabled);
  EXPECT_EQ(host.wait_depth, 0);
  EXPECT_EQ(host.wait_message, "Reading.  Please Wait...");
  EXPECT_FALSE(host.wait_now);
  EXPECT_TRUE(host.wait_cancel);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(BusyCount(), 0);
  // "0.004 seconds": three decimals and the unit.
  ASSERT_GE(host.import_time.size(), 13u);
  EXPECT_EQ(host.import_time.substr(host.import_time.size() - 8), " seconds");
  EXPECT_EQ(host.import_time[host.import_time.size() - 12], '.');
}

// The import time counts the import only: not a dialog on screen while the views are
// attached (the tab's quick help), nor anything before the open began.
TEST_F(OpenCycleTest, ImportTimeLeavesOutDialogsAroundTheImport) {
  class SlowViewsHost : public RecordingHost {
   public:
    void AttachViews(WABSCollection* collection, const std::string& file_name) override {
      RecordingHost::AttachViews(collection, file_name);
      std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    }
  } slow;
  WOpenCycle timed(slow);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  ASSERT_TRUE(timed.OpenGenealogyFile(sample));
  ASSERT_FALSE(slow.import_time.empty());
  EXPECT_LT(std::stod(slow.import_time), 1.0) << slow.import_time;
}

// A path is bytes in the file system's encoding, letters outside Windows-1252 included; it
// reaches the reader, the caption and the views exactly as given.
TEST_F(OpenCycleTest, PathsOutsideWindows1252Open) {
  TempDir dir;
  const std::string folder = dir /
                             "\xC5\x81\xC3\xB3"
                             "d\xC5\xBA";  // Łódź
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  const std::string path = folder + "/\xCE\x9E.ged";  // Ξ.ged
  WriteFile(path, ReadFile(sample));
  ASSERT_TRUE(cycle.OpenGenealogyFile(path));
  EXPECT_EQ(cycle.CurrentFile(), path);
  EXPECT_EQ(host.caption, "Brambleford Taravell Lite 1.15 - " + path);
  EXPECT_EQ(host.attached_name, path);
  EXPECT_TRUE(host.messages.empty());
  const std::string missing = dir / "M\xC3\xBCller.ged";  // Müller.ged, not there
  EXPECT_FALSE(cycle.OpenGenealogyFile(missing));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "The file: " + missing + "\rdoes not exist.  Please select another file.");
}

// A file whose content is another reader's than its extension names opens with that reader and
// says so in panel 0; damage met while reading is told there and to the General tab, once.
TEST_F(OpenCycleTest, ReaderNoteAndDamageNoticeInTheStatusBar) {
  TempDir dir;
  const std::string renamed = dir / "Tanner.paf";
  WriteFile(renamed, ReadFile(sample));
  ASSERT_TRUE(cycle.OpenGenealogyFile(renamed));
  EXPECT_EQ(host.status[0], "Read as GEDCOM (by its content; the extension .paf names Personal Ancestral File)");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.damage_notices, 0);

  // Person 2 is deleted, and the chain of deleted people leads from it back to itself.
  PAFBook book;
  for (const char* given : {"Ann", "Bob", "Cy"}) {
    PAFPerson person;
    person.given = given;
    person.surname = "Tanner";
    book.people.push_back(person);
  }
  book.people[1].deleted = true;
  PAFFileLayout layout;
  std::string bytes = PAFWriter::Bytes(book, &layout);
  const uint64_t next = layout.Record(2, 2);
  for (int k = 0; k < 4; ++k) bytes[next + k] = static_cast<char>(k == 0 ? 2 : 0);
  const std::string damaged = dir / "damaged.paf";
  WriteFile(damaged, bytes);
  ASSERT_TRUE(cycle.OpenGenealogyFile(damaged));
  EXPECT_TRUE(cycle.Collection()->MetDamage());
  EXPECT_EQ(host.status[0], "Parts of this file are damaged and could not be read.");
  EXPECT_EQ(host.damage_notices, 1);
  cycle.ShowDamageIfMet();
  EXPECT_EQ(host.damage_notices, 1);

  // The next file starts without the notice.
  ASSERT_TRUE(cycle.OpenGenealogyFile(sample));
  EXPECT_EQ(host.status[0], "");
  cycle.ShowDamageIfMet();
  EXPECT_EQ(host.damage_notices, 1);
}

TEST_F(OpenCycleTest, SamePathOrEmptyPathIsANoOp) {
  ASSERT_TRUE(cycle.OpenGenealogyFile(sample));
  WABSCollection* first = cycle.Collection();
  host.caption.clear();
  EXPECT_TRUE(cycle.OpenGenealogyFile(sample));
  EXPECT_TRUE(cycle.OpenGenealogyFile(""));
  EXPECT_EQ(cycle.Collection(), first);
  EXPECT_EQ(host.caption, "");
  EXPECT_EQ(host.iterator_frees, 1);
}

TEST_F(OpenCycleTest, MissingFileKeepsTheOpenFile) {
  ASSERT_TRUE(cycle.OpenGenealogyFile(sample));
  EXPECT_FALSE(cycle.OpenGenealogyFile("/nonexistent/x.ged"));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "The file: /nonexistent/x.ged\rdoes not exist.  Please select another file.");
  // The check comes before anything is freed.
  EXPECT_NE(cycle.Collection(), nullptr);
  EXPECT_EQ(cycle.CurrentFile(), sample);
}

TEST_F(OpenCycleTest, RefusedFileLeavesTheWindowIdle) {
  TempDir dir;
  const std::string unknown = dir / "people.txt";
  WriteFile(unknown, "0 HEAD\n");
  ASSERT_TRUE(cycle.OpenGenealogyFile(sample));
  EXPECT_FALSE(cycle.OpenGenealogyFile(unknown));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "Unknown file format");
  // The old file was let go before the new one was tried.
  EXPECT_EQ(cycle.Collection(), nullptr);
  EXPECT_EQ(host.attached, nullptr);
  ASSERT_EQ(host.detached_with.size(), 1u);
  EXPECT_EQ(host.detached_with[0], unknown);
  EXPECT_EQ(cycle.CurrentFile(), "");
  EXPECT_EQ(host.caption, "Brambleford Taravell Lite 1.15");
  EXPECT_TRUE(host.middle_enabled);
  EXPECT_EQ(host.wait_depth, 0);
  EXPECT_FALSE(cycle.Importing());
  EXPECT_EQ(BusyCount(), 0);
  // The same refused file can be tried again (it is not taken for the open file).
  EXPECT_FALSE(cycle.OpenGenealogyFile(unknown));
  EXPECT_EQ(host.messages.size(), 2u);

  const std::string unicode = dir / "wide.GED";
  WriteFile(unicode, std::string("\xFF\xFE"
                                 "0\0 \0H\0",
                                 8));
  EXPECT_FALSE(cycle.OpenGenealogyFile(unicode));
  EXPECT_EQ(host.messages.back(), "Error: Cannot read unicode GEDCOM file\r" + unicode);
}

TEST_F(OpenCycleTest, CancelledImportLandsIdleWithoutMessage) {
  ASSERT_TRUE(cycle.OpenGenealogyFile(sample));
  // The user presses Cancel while the reader yields; the panels had shown counts so far.
  int yields = 0;
  SetYieldHook([&] {
    if (++yields == 1) {
      cycle.ImportTimerTick();
      EXPECT_EQ(host.status[0], "(Analyzing - Please Wait...)");
      EXPECT_TRUE(cycle.Importing());
      EXPECT_FALSE(host.middle_enabled);
      // A second open while importing is ignored.
      EXPECT_TRUE(cycle.OpenGenealogyFile(sample));
      ImportCancelled = true;
    }
  });
  TempDir dir;
  const std::string copy = dir / "copy.ged";
  WriteFile(copy, ReadFile(sample));
  EXPECT_FALSE(cycle.OpenGenealogyFile(copy));
  EXPECT_GE(yields, 1);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(cycle.Collection(), nullptr);
  EXPECT_EQ(cycle.CurrentFile(), "");
  for (const std::string& panel : host.status) EXPECT_EQ(panel, "");
  EXPECT_TRUE(host.middle_enabled);
  EXPECT_EQ(host.wait_depth, 0);
  EXPECT_GE(host.refreshes, 1);
  EXPECT_EQ(BusyCount(), 0);
  // The next open works again.
  SetYieldHook(nullptr);
  ImportCancelled = false;
  EXPECT_TRUE(cycle.OpenGenealogyFile(copy));
}

TEST_F(OpenCycleTest, TimerTickWithoutCollectionDoesNothing) {
  host.status[0] = "x";
  cycle.ImportTimerTick();
  EXPECT_EQ(host.status[0], "x");
  EXPECT_EQ(WOpenCycle::CountPanels(nullptr)[1], "");
}

TEST(OpenCycleCommandLine, SkipsOptionsAndTakesFileThenIdentifier) {
  auto args = WOpenCycle::ParseCommandLine({"--tab=Family", "a.ged", "-x", "I4", "extra"});
  EXPECT_EQ(args.file, "a.ged");
  EXPECT_EQ(args.identifier, "I4");
  args = WOpenCycle::ParseCommandLine({"--screenshot=/tmp/a.png"});
  EXPECT_EQ(args.file, "");
  EXPECT_EQ(args.identifier, "");
}

class OpenAtStartTest : public OpenCycleTest {
 protected:
  WOptions options;
};

TEST_F(OpenAtStartTest, CommandLineIdentifierPicksTheIndividual) {
  RecNo n = cycle.OpenAtStart({sample, "I4"}, options);
  EXPECT_EQ(n, cycle.Collection()->FindIndividual("I4"));
  EXPECT_GT(n, 0);
  WOpenCycle other(host);
  EXPECT_EQ(other.OpenAtStart({sample, "NOSUCHID"}, options), 0);
  EXPECT_NE(other.Collection(), nullptr);
}

TEST_F(OpenAtStartTest, LastFileReopensAtTheStoredPosition) {
  options.SetString(WOptions::File1, sample);
  options.SetInt(WOptions::LastID, 3);
  EXPECT_EQ(cycle.OpenAtStart({}, options), 3);
  EXPECT_EQ(cycle.CurrentFile(), sample);

  // A position beyond the file makes nobody current, but the file stays open.
  WOpenCycle second(host);
  options.SetInt(WOptions::LastID, 100000);
  EXPECT_EQ(second.OpenAtStart({}, options), 0);
  EXPECT_NE(second.Collection(), nullptr);

  WOpenCycle off(host);
  options.SetBool(WOptions::LoadLastFile, false);
  EXPECT_EQ(off.OpenAtStart({}, options), 0);
  EXPECT_EQ(off.Collection(), nullptr);
}

TEST_F(OpenAtStartTest, LastFileThatFailsIsForgotten) {
  options.SetString(WOptions::File1, "/nonexistent/GONE.ged");
  options.SetString(WOptions::File2, "/other.ged");
  EXPECT_EQ(cycle.OpenAtStart({}, options), 0);
  EXPECT_EQ(options.GetString(WOptions::File1), "/other.ged");
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(OpenAtStartTest, CloseStoresFileAndPositionOrTheIdleDefaults) {
  options.SetInt(WOptions::LastID, 7);
  cycle.StoreOnClose(options, "/home/me", 5);
  EXPECT_EQ(options.GetString(WOptions::LastDir), "/home/me");
  EXPECT_EQ(options.GetString(WOptions::File1), "");
  EXPECT_EQ(options.GetInt(WOptions::LastID), 1);
  ASSERT_TRUE(cycle.OpenGenealogyFile(sample));
  cycle.StoreOnClose(options, "/data", 5);
  EXPECT_EQ(options.GetString(WOptions::File1), sample);
  EXPECT_EQ(options.GetInt(WOptions::LastID), 5);
  cycle.CloseFile();
  EXPECT_EQ(host.attached, nullptr);
  EXPECT_EQ(cycle.Collection(), nullptr);
}

// The files opened before stay in the recent-file list below File1, also when the window
// closes idle (File1 then empty, so nothing reopens).
TEST_F(OpenAtStartTest, CloseKeepsTheEarlierFilesInTheRecentList) {
  options.SetString(WOptions::File1, "/data/a.ged");
  options.SetString(WOptions::File2, "/data/b.ged");
  ASSERT_TRUE(cycle.OpenGenealogyFile(sample));
  cycle.StoreOnClose(options, "/data", 2);
  EXPECT_EQ(options.RecentFiles(), (std::vector<std::string>{sample, "/data/a.ged", "/data/b.ged"}));
  cycle.CloseFile();
  cycle.StoreOnClose(options, "/data", 2);
  EXPECT_EQ(options.GetString(WOptions::File1), "");
  EXPECT_EQ(options.RecentFiles(), (std::vector<std::string>{sample, "/data/a.ged", "/data/b.ged"}));
}

}  // namespace
