#include "gui/app/ToolsCommands.h"

#include <QAction>

#include "app/FileAssoc.h"
#include "app/Options.h"
#include "app/UpdateCheck.h"
#include "gui/app/AssocCheck.h"
#include "gui/app/MainForm.h"
#include "gui/app/Messages.h"
#include "gui/app/NetDirect.h"
#include "gui/app/OptionsDlg.h"
#include "gui/app/SafeCall.h"

TToolsCommands::TToolsCommands(TMainForm* form) : QObject(form), form_(form), net_(new TNetDirect(form)) {
  connect(form->OptionsAction(), &QAction::triggered, this, &TToolsCommands::ShowOptions);
  connect(form->CheckUpdatesAction(), &QAction::triggered, this, &TToolsCommands::CheckForUpdates);
}

void TToolsCommands::ShowOptions() {
  // A failing refresh leaves the window as it was (the settings are saved already) and is
  // told in the status bar.
  SafeCall([this] {
    if (TOptionsDlg::Execute(form_)) form_->RefreshAfterSettings();
  });
}

void TToolsCommands::CheckForUpdates() {
  if (TMessages::Ask(form_, QString::fromUtf8(WUpdateCheck::kAskText),
                     QString::fromUtf8(WUpdateCheck::kAskCaption),
                     QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  net_->SetTitle(QString::fromUtf8(WUpdateCheck::kTitle));
  net_->SetAddress(TNetDirect::DefaultAddress());
  net_->ShowUpdates(QString::fromUtf8(WUpdateCheck::kProductCode),
                    QString::fromStdString(WUpdateCheck::CurrentVersion()),
                    QString::fromUtf8(WUpdateCheck::kProductName));
}

void TToolsCommands::RunStartupChecks() {
  TAssocCheck().Run([this] {
    switch (TMessages::Ask(form_, QString::fromUtf8(WFileAssoc::kAskText),
                           QString::fromUtf8(WFileAssoc::kAskCaption),
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
      case QMessageBox::Yes:
        return WFileAssoc::Answer::Yes;
      case QMessageBox::No:
        return WFileAssoc::Answer::No;
      default:
        return WFileAssoc::Answer::Cancel;
    }
  });
  const int today = WOptions::Today();
  if (WUpdateCheck::IsDue(Options(), today)) {
    CheckForUpdates();
    Options().SetDate(WOptions::LastUpdate, today);
  }
}
