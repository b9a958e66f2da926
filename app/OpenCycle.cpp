#include "app/OpenCycle.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "app/OpenCycleHost.h"
#include "app/Options.h"
#include "app/ReaderChoice.h"
#include "base/Errors.h"
#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "model/ABSCollection.h"

WOpenCycle::WOpenCycle(WOpenCycleHost& host) : host_(host) {}

WOpenCycle::~WOpenCycle() = default;

std::string WOpenCycle::CaptionFor(const std::string& path) {
  return path.empty() ? std::string(kCaption) : std::string(kCaption) + " - " + path;
}

std::array<std::string, 5> WOpenCycle::CountPanels(WABSCollection* collection) {
  std::array<std::string, 5> panels;
  if (!collection) return panels;
  panels[1] = "I: " + FormatCount(collection->IndividualCount());
  panels[2] = "F: " + FormatCount(collection->FamilyCount());
  panels[3] = "N: " + FormatCount(collection->NoteCount());
  panels[4] = "S: " + FormatCount(collection->SourceCount());
  return panels;
}

void WOpenCycle::ImportTimerTick() {
  if (!collection_) return;
  host_.SetImportTimer(importing_, 250);
  std::array<std::string, 5> panels = CountPanels(collection_.get());
  panels[0] = importing_ ? kAnalyzing : "";
  for (int i = 0; i < 5; ++i) host_.SetStatusText(i, panels[i]);
}

void WOpenCycle::CloseFile() {
  if (!collection_) return;
  host_.DetachViews(current_file_);
  collection_.reset();
  current_file_.clear();
  host_.SetCaption(kCaption);
}

bool WOpenCycle::ReloadFile(const std::string& path) {
  if (importing_ || path.empty()) return true;
  // The shown collection is freed by the open below, before the new one is made.
  current_file_.clear();
  return OpenGenealogyFile(path);
}

bool WOpenCycle::OpenGenealogyFile(const std::string& path) {
  if (importing_ || path.empty() || path == current_file_) return true;
  changed_while_opening_ = false;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    host_.ShowMessage("The file: " + path + "\r" + "does not exist.  Please select another file.");
    return false;
  }

  current_file_ = path;
  host_.FreeSortIterators();
  BeginBusy();
  if (collection_) {
    // The views let go before the collection they look at is freed.
    host_.DetachViews(path);
    collection_.reset();
    host_.SetCaption(kCaption);
  }

  host_.SetImportTimer(true, 1000);
  host_.SetMiddleEnabled(false);
  importing_ = true;
  host_.ShowWaitDialog(kReading, false, true);

  // The import time covers choosing the reader, Import and BuildLinks: nothing the user
  // spends in a dialog before or after (the open dialog, a quick help) counts.
  const auto started = std::chrono::steady_clock::now();
  std::string error, note;
  collection_ = CreateCollectionForFile(path, error, &note);
  if (!collection_) {
    importing_ = false;
    EndBusy();
    host_.HideWaitDialog();
    host_.SetImportTimer(false, 1000);
    host_.ShowMessage(error);
    host_.SetMiddleEnabled(true);
    current_file_.clear();
    return false;
  }

  bool imported = false;
  double import_ms = 0;
  collection_->RememberSourceFiles();
  try {
    imported = collection_->Import();
    if (imported)
      collection_->BuildLinks();
    else if (!ImportCancelled)
      error = collection_->GetImportError();
    import_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  } catch (const std::exception& e) {
    // A reader that stops with an error (a file that vanished or cannot be mapped) fails
    // the open like a refused file: its message is shown and the window goes idle.
    error = e.what();
    if (error.empty()) error = "Unknown file format";
    imported = false;
  }
  // A file that changed while it was read is never shown half-read.
  if (collection_->ChangedOnDisk()) {
    imported = false;
    changed_while_opening_ = true;
    error = ChangedWhileReadingMessage(path);
  }
  if (!imported) {
    collection_.reset();
    importing_ = false;
    EndBusy();
    host_.HideWaitDialog();
    host_.SetImportTimer(false, 1000);
    if (!error.empty()) host_.ShowMessage(error);
    host_.SetMiddleEnabled(true);
    host_.RefreshCurrentTab();
    current_file_.clear();
    for (int i = 1; i <= 4; ++i) host_.SetStatusText(i, "");
    host_.SetStatusText(0, "");
    return false;
  }

  host_.HideWaitDialog();
  importing_ = false;
  host_.SetMiddleEnabled(true);
  host_.SetImportTimer(false, 1000);
  ImportTimerTick();
  // A file read by the reader its content names rather than its extension's says so.
  reader_note_ = note;
  damage_shown_ = false;
  if (!note.empty()) host_.SetStatusText(0, note);
  host_.AttachViews(collection_.get(), path);
  host_.SetImportTime(FormatSeconds(static_cast<double>(static_cast<long long>(import_ms)) / 1000.0));
  const std::array<std::string, 5> panels = CountPanels(collection_.get());
  for (int i = 1; i <= 4; ++i) host_.SetStatusText(i, panels[i]);
  EndBusy();
  host_.SetCaption(CaptionFor(path));
  ShowDamageIfMet();
  return true;
}

void WOpenCycle::ShowDamageIfMet() {
  if (!collection_ || importing_ || damage_shown_ || !collection_->MetDamage()) return;
  damage_shown_ = true;
  host_.SetStatusText(0, reader_note_.empty() ? std::string(WABSCollection::kDamageNotice)
                                              : reader_note_ + "  " + WABSCollection::kDamageNotice);
  host_.ShowDamageNotice();
}

WOpenCycle::StartArgs WOpenCycle::ParseCommandLine(const std::vector<std::string>& args) {
  StartArgs result;
  int found = 0;
  for (const std::string& arg : args) {
    if (!arg.empty() && arg[0] == '-') continue;
    if (found == 0)
      result.file = arg;
    else if (found == 1)
      result.identifier = arg;
    ++found;
  }
  return result;
}

RecNo WOpenCycle::OpenAtStart(const StartArgs& args, WOptions& options) {
  if (!args.file.empty()) {
    if (!OpenGenealogyFile(args.file) || args.identifier.empty() || !collection_) return 0;
    try {
      const RecNo found = collection_->FindIndividual(args.identifier);
      return found > 0 ? found : 0;
    } catch (const ETaravellError&) {
      return 0;
    }
  }
  const std::string last = options.GetString(WOptions::File1);
  if (!options.GetBool(WOptions::LoadLastFile) || last.empty()) return 0;
  if (!OpenGenealogyFile(last)) {
    options.RemoveRecentFile(last);
    return 0;
  }
  host_.RefreshCurrentTab();
  if (!collection_) return 0;
  const int position = options.GetInt(WOptions::LastID);
  if (position < 1 || position > collection_->DisplayCount()) return 0;
  return collection_->DisplayToRecord(position);
}

void WOpenCycle::StoreOnClose(WOptions& options, const std::string& last_dir, int current_position) const {
  options.SetString(WOptions::LastDir, last_dir);
  // File1 is the file to reopen; the files before it stay in the recent-file list below it.
  if (collection_) {
    options.AddRecentFile(current_file_);
    options.SetInt(WOptions::LastID, current_position);
  } else {
    options.AddRecentFile("");
    options.SetInt(WOptions::LastID, 1);
  }
}
