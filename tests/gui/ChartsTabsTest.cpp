#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/Options.h"
#include "gui/app/DialogHooks.h"
#include "gui/app/MainForm.h"
#include "gui/app/Messages.h"
#include "gui/app/PrintCommand.h"
#include "gui/app/QtHooks.h"
#include "gui/views/DesPanel.h"
#include "gui/views/IndScrollLite.h"
#include "gui/views/PedPanel.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

// The Pedigree and Descendants tabs on the bundled sample (following the active individual,
// mouse and keyboard), and the reports of File > Print... written as PDF files, whose text
// pdftotext reads back.
class ChartsTabsTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  std::unique_ptr<TMainForm> form_;
  QStringList told_;

  RecNo Active() const { return form_->Scroller()->CurrentIndividual(); }
  void Show(int tab, RecNo n) {
    form_->Tabs()->setCurrentIndex(tab);
    form_->GoToIndividual(n);
  }
  // The text of a PDF (empty when pdftotext is missing: the caller skips).
  static std::string PdfText(const QString& path, const char* options = "") {
    int status = -1;
    std::string text = RunCommand(
        std::string("pdftotext ") + options + " '" + path.toStdString() + "' - 2>/dev/null", &status);
    return status == 0 ? text : std::string();
  }
  static bool HavePdfToText() {
    return RunCommand("command -v pdftotext").find("pdftotext") != std::string::npos;
  }

 private slots:
  void initTestCase() {
    InstallQtHooks();
    Options().OpenSettingsFile(dir_.filePath(QStringLiteral("taravell-lite.ini")).toStdString());
    Options().LoadSettings();
    Options().SetBool(WOptions::LoadLastFile, false);
    Options().SetBool(WOptions::GEDAssoc, false);
    TMessages::SetInterceptor([this](const QString&, const QString& text, QMessageBox::StandardButtons) {
      told_ << text;
      return QMessageBox::Ok;
    });
    form_ = std::make_unique<TMainForm>();
    form_->SetQuickHelpEnabled(false);
    form_->resize(1100, 800);
    form_->show();
    QVERIFY(form_->OpenGenealogyFile(QString::fromStdString(TestDataPath("sample.ged"))));
  }
  void cleanupTestCase() {
    form_.reset();
    SetModalHook(nullptr);
    SetUrlHook(nullptr);
  }

  void theTabsAndTheFileMenuItemsAreThere() {
    QCOMPARE(form_->Tabs()->tabText(TMainForm::kPedigreeTab), QStringLiteral("Pedigree"));
    QCOMPARE(form_->Tabs()->tabText(TMainForm::kDescendantsTab), QStringLiteral("Descendants"));
    QCOMPARE(form_->PrintCommand()->PrintAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QMenu* file = form_->menuBar()->actions().first()->menu();
    QVERIFY(file->actions().contains(form_->PrintCommand()->PdfAction()));
    form_->Tabs()->setCurrentIndex(TMainForm::kFeaturesTab);
    QVERIFY(!form_->PrintCommand()->PrintAction()->isEnabled());  // an information page
    form_->Tabs()->setCurrentIndex(TMainForm::kPedigreeTab);
    QVERIFY(form_->PrintCommand()->PrintAction()->isEnabled());
  }

  void thePedigreeFollowsTheActivePersonAndAClickOrEnterMovesUp() {
    Show(TMainForm::kPedigreeTab, 12);  // Frederick William: parents 4 and 11, grandparents 1 and 2
    WPedPanel* panel = form_->PedPanel();
    QCOMPARE(panel->Logic().Individual(), 12);
    QVERIFY(panel->Logic().Find(4));
    QCOMPARE(panel->Logic().Find(4)->individual, 1);
    const QRectF father = panel->BoxRect(2);
    QVERIFY(!father.isEmpty());
    QVERIFY(panel->rect().contains(father.toRect()));  // fitted to the tab
    QVERIFY(panel->rect().contains(panel->BoxRect(4).toRect()));
    QTest::mouseClick(panel, Qt::LeftButton, Qt::NoModifier, father.center().toPoint());
    QCOMPARE(Active(), 4);
    QCOMPARE(panel->Logic().Individual(), 4);

    panel->setFocus();
    QTest::keyClick(panel, Qt::Key_Right, Qt::ShiftModifier);  // to the mother, Ellen (2)
    QCOMPARE(panel->Logic().Selected(), 3u);
    QTest::keyClick(panel, Qt::Key_Return);
    QCOMPARE(Active(), 2);
  }

  void theDescendantsListIsIndentedAndEnterMovesToTheRow() {
    Show(TMainForm::kDescendantsTab, 1);
    WDesPanel* panel = form_->DesPanel();
    QVERIFY(panel->Logic().RowCount() > 20);
    QVERIFY2(panel->CellText(0, 0).startsWith(QStringLiteral("1 Thomas")), qPrintable(panel->CellText(0, 0)));
    QVERIFY(panel->CellText(1, 0).startsWith(QStringLiteral("+ Ellen")));
    QCOMPARE(panel->Table()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Birth"));
    QCOMPARE(panel->CellText(0, 1), QStringLiteral("3 Feb 1821"));
    panel->Table()->setFocus();
    panel->Table()->setCurrentIndex(panel->Table()->model()->index(2, 0));
    QTest::keyClick(panel->Table(), Qt::Key_Return);
    QCOMPARE(Active(), 4);
    QCOMPARE(panel->Logic().Individual(), 4);  // the tab follows
  }

  void eachTabPrintsItsReportAsAPdf() {
    if (!HavePdfToText()) QSKIP("pdftotext is not installed");
    struct Case {
      int tab;
      RecNo n;
      QStringList expected;
    };
    const QList<Case> cases = {
        {TMainForm::kGeneralTab, 1, {"General Information", "sample.ged"}},
        {TMainForm::kIndividualTab,
         1,
         {"Individual Report", "Thomas", "3 Feb 1821", "Whitby", "Notes and Sources"}},
        {TMainForm::kFamilyTab,
         4,
         {"Family Group Sheet", "Husband", "William Henry", "Wife", "Dubé", "Children", "Frederick William"}},
        {TMainForm::kPedigreeTab, 12, {"Pedigree of", "Frederick William", "Thomas", "Ellen", "Léonie"}},
        {TMainForm::kDescendantsTab,
         1,
         {"Descendants of", "Thomas", "+ Ellen", "Walter James", "21 Apr 1846"}},
    };
    for (const Case& c : cases) {
      Show(c.tab, c.n);
      const QString path = dir_.filePath(QStringLiteral("tab%1.pdf").arg(c.tab));
      QString error;
      QVERIFY2(form_->PrintCommand()->SaveTabAsPdf(path, c.tab, &error), qPrintable(error));
      // A name wrapped in its cell still reads as one run of words.
      const QString text = QString::fromStdString(PdfText(path)).simplified();
      for (const QString& word : c.expected)
        QVERIFY2(text.contains(word), qPrintable(QStringLiteral("tab %1 lacks %2").arg(c.tab).arg(word)));
    }
    // The pedigree lies on one landscape page.
    const std::string info =
        RunCommand("pdfinfo '" + dir_.filePath(QStringLiteral("tab3.pdf")).toStdString() + "'");
    QVERIFY(info.find("Pages:           1") != std::string::npos);
    QVERIFY(info.find("landscape") != std::string::npos || info.find("842 x 595") != std::string::npos ||
            info.find("792 x 612") != std::string::npos);
  }

  void aLongDescendantsListRunsOverNumberedPages() {
    if (!HavePdfToText()) QSKIP("pdftotext is not installed");
    Options().SetBool(WOptions::DesRepDups, true);
    form_->ApplyDisplaySettings();
    Show(TMainForm::kDescendantsTab, 1);
    const QString path = dir_.filePath(QStringLiteral("long.pdf"));
    QVERIFY(form_->PrintCommand()->SaveTabAsPdf(path, TMainForm::kDescendantsTab));
    const std::string first = RunCommand("pdftotext -f 1 -l 1 '" + path.toStdString() + "' -");
    QVERIFY(first.find("Descendants of") != std::string::npos);
    QVERIFY(first.find('1') != std::string::npos);
    Options().SetBool(WOptions::DesRepDups, false);
    form_->ApplyDisplaySettings();
  }

  void thePreviewShowsTheReportPages() {
    Show(TMainForm::kDescendantsTab, 1);
    int pages = -1;
    SetModalHook([&](QDialog& dialog) {
      if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) {
        preview->updatePreview();
        pages = preview->pageCount();
      }
      return int(QDialog::Rejected);
    });
    form_->PrintCommand()->Preview();
    SetModalHook(nullptr);
    QVERIFY2(pages >= 1, qPrintable(QString::number(pages)));
  }

  void thePdfNeverGoesOverTheOpenFileAndSaveAsRemembersTheFolder() {
    QString error;
    QVERIFY(!form_->PrintCommand()->SaveTabAsPdf(QString::fromStdString(TestDataPath("sample.ged")),
                                                 TMainForm::kGeneralTab, &error));
    QVERIFY(error.contains(QStringLiteral("open genealogy file")));
    QVERIFY(ReadFile(TestDataPath("sample.ged")).rfind("0 HEAD", 0) == 0);

    const QString folder = dir_.filePath(QStringLiteral("reports"));
    QDir().mkpath(folder);
    SetModalHook([&](QDialog& dialog) {
      auto* files = qobject_cast<QFileDialog*>(&dialog);
      if (!files) return int(QDialog::Rejected);
      files->selectFile(folder + QStringLiteral("/family.pdf"));
      return int(QDialog::Accepted);
    });
    QList<QUrl> opened;
    SetUrlHook([&](const QUrl& url) { opened << url; });
    Options().SetBool(WOptions::ViewSaved, true);
    Show(TMainForm::kFamilyTab, 4);
    form_->PrintCommand()->SaveAsPdf();
    SetModalHook(nullptr);
    SetUrlHook(nullptr);
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/family.pdf")));
    QCOMPARE(QString::fromStdString(Options().GetString(WOptions::SaveToFileDir)), folder);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0].toLocalFile(), folder + QStringLiteral("/family.pdf"));
  }
};

QTEST_MAIN(ChartsTabsTest)
#include "ChartsTabsTest.moc"
