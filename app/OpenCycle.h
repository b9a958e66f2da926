#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/RecNo.h"

class WABSCollection;
class WOpenCycleHost;
class WOptions;

// The main window's file lifecycle without any widgets: it owns the one open collection
// and takes a file from request to display (or back to idle), telling its host what to
// show at each step.  It also holds the start-up and shut-down rules that involve the
// open file: the command line, reopening the last file, and what is stored at exit.
//
// States: idle (no file), importing, showing a file.  A failed or cancelled open leaves
// the window idle, never on the previous file, because the old collection is freed first.
class WOpenCycle {
 public:
  static constexpr const char* kCaption = "Brambleford Taravell Lite 1.15";
  static constexpr const char* kAnalyzing = "(Analyzing - Please Wait...)";
  static constexpr const char* kReading = "Reading.  Please Wait...";
  // Status panel widths in pixels: panel 0 takes what the others leave.
  static constexpr std::array<int, 5> kPanelWidths = {0, 60, 60, 60, 70};

  explicit WOpenCycle(WOpenCycleHost& host);
  ~WOpenCycle();
  WOpenCycle(const WOpenCycle&) = delete;
  WOpenCycle& operator=(const WOpenCycle&) = delete;

  // Opens a file; every way of opening ends here.  True when the file is shown afterwards,
  // also when it was already open or an open is under way (the request is then ignored).
  // False, with the window idle, when the file is missing, no reader takes it, or the
  // import is cancelled or fails.
  bool OpenGenealogyFile(const std::string& path);

  // Opens the file again, even when it is the one shown: the normal open cycle on a fresh
  // collection.  Same results as OpenGenealogyFile.
  bool ReloadFile(const std::string& path);
  // True when the last open failed because the file changed on disk while it was being read
  // (the window is idle, the message was shown; the file can be reloaded).
  bool ChangedWhileOpening() const { return changed_while_opening_; }

  // One tick of the import timer: the counts reached so far in panels 1 to 4, and panel 0
  // telling that the import is still running.  Does nothing without a collection.
  void ImportTimerTick();

  // Tells the user, once per open file, that reading it met damage: the damage notice in status
  // panel 0 (after the note on the chosen reader, when there is one) and a row on the General
  // tab.  Runs at the end of an open; the window runs it again whenever it has shown more of the
  // file, since records are read only when they are shown.
  void ShowDamageIfMet();

  // Frees the open collection (the views are detached first) and goes idle.  Used when the
  // window closes.
  void CloseFile();

  WABSCollection* Collection() const { return collection_.get(); }
  const std::string& CurrentFile() const { return current_file_; }
  bool Importing() const { return importing_; }

  // "I: 1,234" and the like for panels 1 to 4; all empty without a collection.
  static std::array<std::string, 5> CountPanels(WABSCollection* collection);
  // The caption for a file ("" for none).
  static std::string CaptionFor(const std::string& path);

  // The command line: arguments beginning with "-" are skipped; the first other argument is a
  // file, the second an individual identifier.
  struct StartArgs {
    std::string file;
    std::string identifier;
  };
  static StartArgs ParseCommandLine(const std::vector<std::string>& args);

  // The open at the window's first show.  With a file on the command line: open it and, when
  // an identifier is given and found, return that individual to make current.  Otherwise,
  // when LoadLastFile is set and File1 is not empty: open File1 (a failure removes it from
  // the stored file list) and return the individual at list position LastID.  0 when there
  // is no individual to make current.
  RecNo OpenAtStart(const StartArgs& args, WOptions& options);

  // What the window stores when it closes: the left panel's folder as LastDir; the open file
  // as File1 with the current list position as LastID, or an empty File1 and LastID 1.  The
  // files opened before move down the recent-file list (File2...).
  void StoreOnClose(WOptions& options, const std::string& last_dir, int current_position) const;

 private:
  WOpenCycleHost& host_;
  std::unique_ptr<WABSCollection> collection_;
  std::string current_file_;
  bool importing_ = false;
  std::string reader_note_;  // the status-bar note on the reader the content chose
  bool damage_shown_ = false;
  bool changed_while_opening_ = false;
};
