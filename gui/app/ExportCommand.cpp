#include "gui/app/ExportCommand.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "app/MakerLinks.h"
#include "app/ReaderChoice.h"
#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "export/GedcomExport.h"
#include "gui/app/AnsiText.h"
#include "gui/app/MainForm.h"
#include "gui/app/Messages.h"
#include "gui/app/WaitDlg.h"

TExportCommand::TExportCommand(TMainForm* form)
    : QObject(form), form_(form), action_(new QAction(QStringLiteral("Export GEDCOM..."), form)) {
  action_->setEnabled(form->Collection() != nullptr);
  connect(action_, &QAction::triggered, this, &TExportCommand::Export);
  connect(form, &TMainForm::collectionChanged, this,
          [this](WABSCollection* collection) { action_->setEnabled(collection != nullptr); });
}

QString TExportCommand::SuggestedPath(const QString& open_file) {
  const QFileInfo info(open_file);
  QString name = info.completeBaseName();
  if (info.suffix().compare(QStringLiteral("ged"), Qt::CaseInsensitive) == 0)
    name += QStringLiteral("-export");
  return info.dir().filePath(name + QStringLiteral(".ged"));
}

void TExportCommand::Export() {
  if (!form_->Collection() || form_->Importing()) return;
  const QString path = QFileDialog::getSaveFileName(form_, QStringLiteral("Export GEDCOM"),
                                                    SuggestedPath(form_->CurrentFile()),
                                                    QStringLiteral("GEDCOM files (*.ged);;All files (*)"));
  if (!path.isEmpty()) ExportTo(path);
}

bool TExportCommand::ExportTo(const QString& path) {
  WABSCollection* collection = form_->Collection();
  if (!collection || form_->Importing()) return false;
  // A GEDCOM file must never take the place of a file of another kind.
  if (const std::string refusal = ExportTargetRefusal(QFile::encodeName(path).toStdString()); !refusal.empty()) {
    TMessages::Show(form_, QStringLiteral("The export ") + QString::fromStdString(refusal));
    return false;
  }
  WGedcomExport exporter(*collection);
  exporter.SetProgramVersion(WMakerLinks::VersionNumber());
  std::string error;
  WGedcomExport::Result result;
  ImportCancelled = false;
  // The window stays disabled while the wait dialog is up, so that nothing frees the file.
  TWaitDlg::ShowWaitDialog(QStringLiteral("Exporting..."), true, true, form_);
  try {
    result = exporter.WriteFile(QFile::encodeName(path).toStdString(), error);
  } catch (const std::exception& e) {
    result = WGedcomExport::Result::Failed;
    error = e.what();
  }
  TWaitDlg::HideWaitDialog();
  ImportCancelled = false;
  if (result == WGedcomExport::Result::Cancelled) return false;
  if (result == WGedcomExport::Result::Failed || result == WGedcomExport::Result::Changed) {
    TMessages::Show(form_, QString::fromStdString(error));
    return false;
  }
  const WGedcomExport::Counts& c = exporter.GetCounts();
  TMessages::Show(
      form_, QStringLiteral("Exported %1 individuals, %2 families, %3 sources and %4 repositories to\r%5")
                 .arg(AnsiToQ(FormatCount(c.individuals)), AnsiToQ(FormatCount(c.families)),
                      AnsiToQ(FormatCount(c.sources)), AnsiToQ(FormatCount(c.repositories)), path));
  return true;
}
