#pragma once

#include <QObject>
#include <QString>

class QAction;
class TMainForm;
class WABSCollection;

// File > Export GEDCOM...: writes the open file, whatever its kind, as a GEDCOM 5.5.1 file the
// user names.  The wait dialog stays up while it is written (its Cancel button stops the export
// and removes what was written); a message tells the records written, or why nothing was.
class TExportCommand : public QObject {
  Q_OBJECT
 public:
  explicit TExportCommand(TMainForm* form);

  // The menu command; enabled while a file is open.
  QAction* Action() const { return action_; }

  // Asks for the file to write (a save dialog), then exports into it.
  void Export();
  // Exports the open file into `path` with the wait dialog and the closing message; true when
  // the file was written.
  bool ExportTo(const QString& path);

  // The file name the save dialog proposes for the open file: its name with ".ged", beside it
  // ("-export" added when the open file is a GEDCOM file itself).
  static QString SuggestedPath(const QString& open_file);

 private:
  TMainForm* form_;
  QAction* action_;
};
