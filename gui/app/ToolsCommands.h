#pragma once

#include <QObject>

class TMainForm;
class TNetDirect;

// The main window's Tools commands that live outside the window itself: the options dialog, the
// update check (asked for, or at start when it is due) and the start-up file-association check.
class TToolsCommands : public QObject {
  Q_OBJECT
 public:
  explicit TToolsCommands(TMainForm* form);

  // Tools > Options...: on OK the settings are saved and the window shows them at once.
  void ShowOptions();
  // Tools > Check for Updates: asks first, then shows the update dialog.
  void CheckForUpdates();
  // At start: the GEDCOM association check when "GEDAssoc" is on, then the update check when
  // "CheckUpdates" is on and "UpdatePeriod" days have passed since the last one.
  void RunStartupChecks();

  TNetDirect* NetDirect() const { return net_; }

 private:
  TMainForm* form_;
  TNetDirect* net_;
};
