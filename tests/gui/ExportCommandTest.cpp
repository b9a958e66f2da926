#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/Options.h"
#include "gui/app/ExportCommand.h"
#include "gui/app/MainForm.h"
#include "gui/app/Messages.h"
#include "gui/app/QtHooks.h"
#include "gui/app/WaitDlg.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

// File > Export GEDCOM...: writes the open file with the wait dialog up, tells the counts, stops
// at Cancel, and never writes over the open file.  With TARAVELL_SCREENSHOT_DIR set it also saves
// pictures of the menu, the window and the closing message there (of TARAVELL_SCREENSHOT_FILE,
// or the sample).
class ExportCommandTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QStringList told_;
  std::unique_ptr<TMainForm> form_;

  QString Path(const QString& name) const { return dir_.filePath(name); }

  QAction* ExportAction() const { return form_->ExportCommand()->Action(); }

  // A GEDCOM file big enough that the export yields to the event loop.
  QString BigFile() {
    std::string text = "0 HEAD\r\n1 CHAR UTF-8\r\n";
    for (int i = 1; i <= 3000; ++i)
      text += "0 @I" + std::to_string(i) + "@ INDI\r\n1 NAME Person /Name" + std::to_string(i) + "/\r\n";
    text += "0 TRLR\r\n";
    WriteFile(Path("big.ged").toStdString(), text);
    return Path("big.ged");
  }

 private slots:
  void initTestCase() {
    InstallQtHooks();
    Options().OpenSettingsFile(Path(QStringLiteral("taravell-lite.ini")).toStdString());
    Options().LoadSettings();
    Options().SetBool(WOptions::LoadLastFile, false);
    Options().SetBool(WOptions::GEDAssoc, false);
    TMessages::SetInterceptor([this](const QString&, const QString& text, QMessageBox::StandardButtons) {
      told_ << text;
      return QMessageBox::Ok;
    });
    form_ = std::make_unique<TMainForm>();
    form_->SetQuickHelpEnabled(false);
    form_->show();
  }
  void cleanupTestCase() { form_.reset(); }

  void theFileMenuOffersItWhileAFileIsOpen() {
    QMenu* file = form_->menuBar()->actions().first()->menu();
    QVERIFY(file);
    QVERIFY(file->actions().contains(ExportAction()));
    QCOMPARE(ExportAction()->text(), QStringLiteral("Export GEDCOM..."));
    QVERIFY(!ExportAction()->isEnabled());
    QVERIFY(!form_->ExportCommand()->ExportTo(Path("none.ged")));
    QVERIFY(form_->OpenGenealogyFile(QString::fromStdString(TestDataPath("sample.ged"))));
    QVERIFY(ExportAction()->isEnabled());
  }

  void writesTheFileAndTellsTheCounts() {
    told_.clear();
    QVERIFY(form_->ExportCommand()->ExportTo(Path("sample-export.ged")));
    QCOMPARE(told_.size(), 1);
    QVERIFY2(told_[0].startsWith(
                 QStringLiteral("Exported 41 individuals, 14 families, 6 sources and 4 repositories to")),
             qPrintable(told_[0]));
    QVERIFY(told_[0].endsWith(Path("sample-export.ged")));
    QVERIFY(ReadFile(Path("sample-export.ged").toStdString()).rfind("0 HEAD\r\n", 0) == 0);
    QCOMPARE(TWaitDlg::Depth(), 0);
    QVERIFY(form_->isEnabled());
  }

  void neverWritesOverTheOpenFile() {
    told_.clear();
    const std::string before = ReadFile(form_->CurrentFile().toStdString());
    QVERIFY(!form_->ExportCommand()->ExportTo(form_->CurrentFile()));
    QCOMPARE(told_.size(), 1);
    QVERIFY2(told_[0].contains(QStringLiteral("overwrite")), qPrintable(told_[0]));
    QCOMPARE(ReadFile(form_->CurrentFile().toStdString()), before);
    // Nor under the name of another kind of genealogy file.
    told_.clear();
    QVERIFY(!form_->ExportCommand()->ExportTo(Path("family.paf")));
    QCOMPARE(told_.size(), 1);
    QVERIFY2(told_[0].contains(QStringLiteral("named like a")), qPrintable(told_[0]));
    QVERIFY(!QFile::exists(Path("family.paf")));
  }

  void cancelStopsAndLeavesNothing() {
    QVERIFY(form_->OpenGenealogyFile(BigFile()));
    told_.clear();
    QTimer::singleShot(0, [] {
      if (TWaitDlg* wait = TWaitDlg::Current()) wait->CancelButton()->click();
    });
    QVERIFY(!form_->ExportCommand()->ExportTo(Path("cancelled.ged")));
    QVERIFY(told_.isEmpty());
    QVERIFY(!QFile::exists(Path("cancelled.ged")));
    QCOMPARE(
        QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("cancelled")).size(),
        0);
    QVERIFY(form_->isEnabled());
  }

  void proposesAGedcomNameBesideTheFile() {
    QCOMPARE(TExportCommand::SuggestedPath(QStringLiteral("/data/royal.paf")),
             QStringLiteral("/data/royal.ged"));
    QCOMPARE(TExportCommand::SuggestedPath(QStringLiteral("/data/royal92.GED")),
             QStringLiteral("/data/royal92-export.ged"));
  }

  void screenshots() {
    const QString shots = qEnvironmentVariable("TARAVELL_SCREENSHOT_DIR");
    if (shots.isEmpty()) QSKIP("TARAVELL_SCREENSHOT_DIR is not set");
    // The file shown: TARAVELL_SCREENSHOT_FILE, or the sample.
    QString shown = qEnvironmentVariable("TARAVELL_SCREENSHOT_FILE");
    if (shown.isEmpty()) shown = QString::fromStdString(TestDataPath("sample.ged"));
    QVERIFY(form_->OpenGenealogyFile(shown));
    form_->resize(1000, 700);
    QMenu* file = form_->menuBar()->actions().first()->menu();
    file->popup(form_->mapToGlobal(QPoint(0, form_->menuBar()->height())));
    QTest::qWait(300);
    QVERIFY(file->grab().save(shots + QStringLiteral("/export-menu.png")));
    file->close();
    // The real message box this time.
    TMessages::SetInterceptor(nullptr);
    QTimer::singleShot(500, [shots, this] {
      form_->grab().save(shots + QStringLiteral("/export-window.png"));
      if (QWidget* box = QApplication::activeModalWidget()) {
        box->grab().save(shots + QStringLiteral("/export-message.png"));
        box->close();
      }
    });
    QVERIFY(form_->ExportCommand()->ExportTo(Path("shot.ged")));
  }
};

QTEST_MAIN(ExportCommandTest)
#include "ExportCommandTest.moc"
