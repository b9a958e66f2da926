#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/Options.h"
#include "app/UpdateCheck.h"
#include "gui/app/MainForm.h"
#include "gui/app/Messages.h"
#include "gui/app/NetDialog.h"
#include "gui/app/NetDirect.h"
#include "gui/app/OptionsDlg.h"
#include "gui/app/QtHooks.h"
#include "gui/app/ToolsCommands.h"
#include "gui/views/IndScrollLite.h"
#include "support/TestPaths.h"

// The Tools menu of the main window: the options dialog changes what the window shows at once,
// and the update check asks first.
class ToolsCommandsTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QStringList asked_;
  QMessageBox::StandardButton answer_ = QMessageBox::No;
  std::unique_ptr<TMainForm> form_;

  QString Caption() const { return form_->Scroller()->CaptionLabel()->text(); }

  // Acts on the options dialog once it is up.
  static void WhenOptionsShown(const std::function<void(TOptionsDlg*)>& act) {
    QTimer::singleShot(0, [act] {
      auto* dialog = qobject_cast<TOptionsDlg*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      act(dialog);
    });
  }

 private slots:
  void initTestCase() {
    InstallQtHooks();
    Options().OpenSettingsFile(dir_.filePath(QStringLiteral("taravell-lite.ini")).toStdString());
    Options().LoadSettings();
    Options().SetBool(WOptions::LoadLastFile, false);
    Options().SetBool(WOptions::GEDAssoc, false);
    TMessages::SetInterceptor(
        [this](const QString& caption, const QString& text, QMessageBox::StandardButtons) {
          asked_ << caption + QStringLiteral(": ") + text;
          return answer_;
        });
    form_ = std::make_unique<TMainForm>();
    form_->SetQuickHelpEnabled(false);
    form_->show();
    form_->Start({QString::fromStdString(TestDataPath("sample.ged"))});
    QVERIFY(form_->Scroller()->Collection());
  }
  void cleanupTestCase() { form_.reset(); }

  void optionsOkChangesTheNamesAtOnce() {
    QVERIFY2(Caption().contains(QChar('/')), qPrintable(Caption()));
    QVERIFY(form_->OptionsAction()->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_J));

    // Cancel changes nothing.
    const QString before = Caption();
    WhenOptionsShown([](TOptionsDlg* dialog) {
      dialog->CheckBoxFor(WOptions::NameSlash)->click();
      dialog->CancelButton()->click();
    });
    form_->OptionsAction()->trigger();
    QCOMPARE(Caption(), before);
    QVERIFY(Options().GetBool(WOptions::NameSlash));

    WhenOptionsShown([](TOptionsDlg* dialog) {
      dialog->CheckBoxFor(WOptions::NameSlash)->click();
      dialog->OkButton()->click();
    });
    form_->OptionsAction()->trigger();
    QVERIFY(!Options().GetBool(WOptions::NameSlash));
    QVERIFY2(!Caption().contains(QChar('/')), qPrintable(Caption()));
    QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("taravell-lite.ini"))));

    WhenOptionsShown([](TOptionsDlg* dialog) {
      dialog->CheckBoxFor(WOptions::NameSlash)->click();
      dialog->OkButton()->click();
    });
    form_->OptionsAction()->trigger();
    QCOMPARE(Caption(), before);
  }

  void checkForUpdatesAsksFirst() {
    asked_.clear();
    answer_ = QMessageBox::No;
    form_->CheckUpdatesAction()->trigger();
    QCOMPARE(asked_.size(), 1);
    QCOMPARE(asked_[0], QStringLiteral("Brambleford Taravell Lite - Updates and News: ") +
                            QString::fromUtf8(WUpdateCheck::kAskText).replace(QChar('\r'), QChar('\n')));

    // Yes: the dialog runs a check of the configured address (nothing listens there).
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    Options().SetString(
        WOptions::UpdateURL,
        QStringLiteral("http://127.0.0.1:%1/skerrit.inf").arg(closed.serverPort()).toStdString());
    closed.close();
    answer_ = QMessageBox::Yes;
    auto* commands = form_->findChild<TToolsCommands*>();
    QVERIFY(commands);
    TNetDialog* dialog = commands->NetDirect()->Dialog();
    QString status;
    connect(dialog, &TNetDialog::refreshFinished, dialog, [&] {
      status = dialog->StatusText();
      dialog->accept();
    });
    form_->CheckUpdatesAction()->trigger();
    QCOMPARE(status, QStringLiteral("Connection error, request aborted"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Brambleford Taravell Lite Updates"));
    dialog->disconnect(dialog);
  }

  void startupCheckRunsOncePerPeriod() {
    asked_.clear();
    answer_ = QMessageBox::No;
    Options().SetString(WOptions::LastUpdate, "");
    auto* commands = form_->findChild<TToolsCommands*>();
    commands->RunStartupChecks();
    QCOMPARE(asked_.size(), 1);
    QCOMPARE(Options().GetDate(WOptions::LastUpdate), WOptions::Today());
    commands->RunStartupChecks();
    QCOMPARE(asked_.size(), 1);
    Options().SetBool(WOptions::CheckUpdates, false);
    Options().SetString(WOptions::LastUpdate, "");
    commands->RunStartupChecks();
    QCOMPARE(asked_.size(), 1);
  }
};

QTEST_MAIN(ToolsCommandsTest)
#include "ToolsCommandsTest.moc"
