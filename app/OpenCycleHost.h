#pragma once

#include <string>

class WABSCollection;

// What the open cycle asks of the window that drives it.  The main window implements it
// with widgets; tests implement it with a recorder.  Every call has a harmless default so
// a host only overrides what it shows.
class WOpenCycleHost {
 public:
  virtual ~WOpenCycleHost() = default;

  // A plain message box with the text ("\r" is a line break).
  virtual void ShowMessage(const std::string& text) { (void)text; }
  // The wait dialog: opens one nesting level (with a Cancel button when `with_cancel`; shown
  // at once or after a short delay) and closes one.
  virtual void ShowWaitDialog(const std::string& message, bool show_now, bool with_cancel) {
    (void)message, (void)show_now, (void)with_cancel;
  }
  virtual void HideWaitDialog() {}
  // The middle part of the window (individual list and tabs) is usable or not.
  virtual void SetMiddleEnabled(bool enabled) { (void)enabled; }
  // The import timer runs every `interval_ms` milliseconds while enabled; each tick calls
  // WOpenCycle::ImportTimerTick.
  virtual void SetImportTimer(bool enabled, int interval_ms) { (void)enabled, (void)interval_ms; }
  // The individual list and the three tabs let go of the collection (it is about to be
  // freed); the General tab keeps the file name.
  virtual void DetachViews(const std::string& file_name) { (void)file_name; }
  // The three tabs and then the individual list take the new collection.
  virtual void AttachViews(WABSCollection* collection, const std::string& file_name) {
    (void)collection, (void)file_name;
  }
  // The open file met damage: the General tab shows its damage row from now on.
  virtual void ShowDamageNotice() {}
  // The General tab's "Importing" row.
  virtual void SetImportTime(const std::string& text) { (void)text; }
  virtual void SetCaption(const std::string& caption) { (void)caption; }
  // Status panels 0 (status text) to 4 (counts).
  virtual void SetStatusText(int panel, const std::string& text) { (void)panel, (void)text; }
  // Shows the current individual on the visible tab again.
  virtual void RefreshCurrentTab() {}
  // The sorted lists built for the find dialogs belong to the old file.
  virtual void FreeSortIterators() {}
};
