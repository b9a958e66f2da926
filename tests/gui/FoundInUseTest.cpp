// The viewer as people use it, offscreen: files at paths with letters of any script, the
// left panel, the keyboard, the status bar, failures that must be told, links that go
// nowhere and the splash window.

#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>
#include <cstdio>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "app/Options.h"
#include "base/Errors.h"
#include "gui/app/DialogHooks.h"
#include "gui/app/DirectoryPanel.h"
#include "gui/app/InitHelpDialog.h"
#include "gui/app/MainForm.h"
#include "gui/app/Messages.h"
#include "gui/app/QtHooks.h"
#include "gui/app/SafeCall.h"
#include "gui/app/Splash.h"
#include "gui/app/URLLabel.h"
#include "gui/search/FindDlg.h"
#include "gui/views/FamPanel.h"
#include "gui/views/GenPanel.h"
#include "gui/views/GridView.h"
#include "gui/views/IndInfoPanel.h"
#include "gui/views/IndPanel.h"
#include "gui/views/IndScrollLite.h"
#include "gui/views/SelectionButton.h"
#include "model/ABSCollection.h"
#include "support/TestPaths.h"
#include "views/FindDlgLogic.h"
#include "views/GenPanelRows.h"

namespace {

// The text a grid shows in one cell.
QString Cell(const QAbstractItemView* grid, int row, int column) {
  return grid->model()->index(row, column).data(Qt::DisplayRole).toString();
}

// Catches what is written to stderr while it lives.
class StderrCapture {
 public:
  explicit StderrCapture(const QString& file) : path_(file) {
    std::fflush(stderr);
    saved_ = ::dup(2);
    std::FILE* f = std::fopen(QFile::encodeName(file).constData(), "w");
    ::dup2(::fileno(f), 2);
    std::fclose(f);
  }
  ~StderrCapture() { Restore(); }
  QString Text() {
    Restore();
    QFile f(path_);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
  }

 private:
  void Restore() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    ::dup2(saved_, 2);
    ::close(saved_);
    saved_ = -1;
  }
  QString path_;
  int saved_ = -1;
};

}  // namespace

class FoundInUseTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir_;
  QStringList messages_;
  const QString sample_ = QString::fromStdString(TestDataPath("sample.ged"));
  QString lodz_;     // a folder named with letters outside Windows-1252: "Łódź"
  QString xi_;       // "Łódź/Ξ.ged"
  QString mueller_;  // "Müller.ged"

  std::unique_ptr<TMainForm> NewForm() {
    auto form = std::make_unique<TMainForm>();
    form->SetQuickHelpEnabled(false);
    form->show();
    return form;
  }

  // A shown and active window on the sample file, for the keyboard.
  std::unique_ptr<TMainForm> ActiveFormOnSample() {
    auto form = NewForm();
    form->Start({sample_});
    QApplication::setActiveWindow(form.get());
    (void)QTest::qWaitForWindowActive(form.get());
    return form;
  }

  // The General tab's value of the file's "Name" row.
  static QString NameRow(TMainForm& form) {
    auto* grid = form.GenPanel()->findChild<WGridView*>();
    return Cell(grid, WGenPanelRows::kFileNameRow - 1, 1);
  }

 private slots:
  void initTestCase() {
    InstallQtHooks();
    QVERIFY(dir_.isValid());
    Options().OpenSettingsFile(QFile::encodeName(dir_.filePath("taravell-lite.ini")).toStdString());
    Options().LoadSettings();
    Options().SetBool(WOptions::LoadLastFile, false);
    TMessages::SetInterceptor([this](const QString&, const QString& text, QMessageBox::StandardButtons) {
      messages_ << text;
      return QMessageBox::Ok;
    });
    lodz_ = dir_.filePath(QStringLiteral("\u0141\u00F3d\u017A"));
    QVERIFY(QDir().mkpath(lodz_ + QStringLiteral("/sub")));
    xi_ = lodz_ + QStringLiteral("/\u039E.ged");
    mueller_ = dir_.filePath(QStringLiteral("M\u00FCller.ged"));
    QVERIFY(QFile::copy(sample_, xi_));
    QVERIFY(QFile::copy(sample_, mueller_));
    QVERIFY(QFile::copy(sample_, lodz_ + QStringLiteral("/sub/inner.GED")));
    QFile notes(lodz_ + QStringLiteral("/notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
  }

  void init() {
    messages_.clear();
    SetModalHook(nullptr);
  }

  // A path with letters outside Windows-1252 opens from the command line, File > Open, the
  // file list, a drop and the recent-file menu, shows as it is spelt in the caption and the
  // General tab, and reopens at the next start.
  void pathsOfAnyScriptOpenEverywhere() {
    const QString caption = QStringLiteral("Brambleford Taravell Lite 1.15 - ");
    {
      auto form = NewForm();
      form->Start({xi_});
      QVERIFY(form->Collection());
      QCOMPARE(form->CurrentFile(), xi_);
      QCOMPARE(form->windowTitle(), caption + xi_);
      form->Tabs()->setCurrentIndex(TMainForm::kGeneralTab);
      QCOMPARE(NameRow(*form), xi_);

      // File > Open: the dialog is answered with Müller.ged.
      SetModalHook([&](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        if (!files) return int(QDialog::Rejected);
        files->selectFile(mueller_);
        return int(QDialog::Accepted);
      });
      form->OpenAction()->trigger();
      SetModalHook(nullptr);
      QCOMPARE(form->CurrentFile(), mueller_);
      QCOMPARE(form->windowTitle(), caption + mueller_);
      QCOMPARE(QFile::decodeName(QByteArray::fromStdString(Options().GetString(WOptions::OpenDir))),
               dir_.path());

      // The file list of the left panel.
      form->SetCurrentFolder(lodz_);
      QListWidget* list = form->FileList();
      QTRY_COMPARE(list->count(), 1);
      QCOMPARE(list->item(0)->text(), QStringLiteral("\u039E.ged"));
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
      QCOMPARE(form->CurrentFile(), xi_);

      // The recent-file menu lists both, most recent first, and opens the other.
      form->RebuildRecentMenu();
      const QList<QAction*> recent = form->RecentMenu()->actions();
      QVERIFY(recent.size() >= 2);
      QCOMPARE(recent[0]->text(), QStringLiteral("&1 ") + xi_);
      QCOMPARE(recent[1]->text(), QStringLiteral("&2 ") + mueller_);
      recent[1]->trigger();
      QCOMPARE(form->CurrentFile(), mueller_);
      form->RebuildRecentMenu();
      form->RecentMenu()->actions()[1]->trigger();
      QCOMPARE(form->CurrentFile(), xi_);
      QVERIFY(messages_.isEmpty());
      form->close();
    }
    QCOMPARE(Options().GetString(WOptions::File1), QFile::encodeName(xi_).toStdString());
    QCOMPARE(QFile::decodeName(QByteArray::fromStdString(Options().GetString(WOptions::LastDir))), lodz_);
    // The next start reopens it, and the left panel shows its folder's files.
    Options().SetBool(WOptions::LoadLastFile, true);
    auto form = NewForm();
    form->Start({});
    Options().SetBool(WOptions::LoadLastFile, false);
    QCOMPARE(form->CurrentFile(), xi_);
    QCOMPARE(form->CurrentFolder(), lodz_);
    QCOMPARE(form->FileList()->count(), 1);
    QVERIFY(messages_.isEmpty());

    // A file named relative to the current folder is kept with its full path.
    {
      const QString cwd = QDir::currentPath();
      QVERIFY(QDir::setCurrent(lodz_));
      auto relative = NewForm();
      relative->Start({QStringLiteral("\u039E.ged")});
      QDir::setCurrent(cwd);
      QCOMPARE(relative->CurrentFile(), xi_);
      QCOMPARE(relative->windowTitle(), caption + xi_);
    }

    // A missing file says so with its name as spelt.
    const QString gone = lodz_ + QStringLiteral("/\u0416.ged");
    QVERIFY(!form->OpenGenealogyFile(gone));
    QCOMPARE(messages_, QStringList{QStringLiteral("The file: ") + gone +
                                    QStringLiteral("\ndoes not exist.  Please select another file.")});

    // A remembered file that has gone is said so once and leaves the recent-file list.
    messages_.clear();
    Options().AddRecentFile(QFile::encodeName(gone).toStdString());
    form->RebuildRecentMenu();
    form->RecentMenu()->actions().first()->trigger();
    QCOMPARE(messages_.size(), 1);
    form->RebuildRecentMenu();
    QVERIFY(!form->RecentMenu()->actions().first()->text().contains(QStringLiteral("\u0416")));
  }

  // A UTF-16 GEDCOM file, big-endian or without a byte-order mark, is refused with the
  // Unicode message; the window stays idle instead of showing an empty file.
  void utf16GedcomFilesAreRefused() {
    QByteArray big("\xFE\xFF", 2), bare;
    for (char c : QByteArray("0 HEAD\r\n1 CHAR UNICODE\r\n0 TRLR\r\n")) {
      big.append('\0').append(c);
      bare.append(c).append('\0');
    }
    auto form = NewForm();
    form->Start({});
    for (const QByteArray& bytes : {big, bare}) {
      const QString path = lodz_ + QStringLiteral("/wide%1.ged").arg(bytes.size());
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(bytes);
      file.close();
      messages_.clear();
      QVERIFY(!form->OpenGenealogyFile(path));
      QCOMPARE(messages_, QStringList{QStringLiteral("Error: Cannot read unicode GEDCOM file\n") + path});
      QVERIFY(!form->Collection());
      QCOMPARE(form->StatusText(1), QString());
      QVERIFY(file.remove());
    }
  }

  // The file list shows the current folder's genealogy files, follows the tree when it is
  // moved with the keyboard, and lists files that appear later; the panel's width is kept.
  void fileListFollowsTheFolderTree() {
    {
      auto form = NewForm();
      form->Start({});
      form->SetCurrentFolder(lodz_);
      QCOMPARE(form->CurrentFolder(), lodz_);
      QCOMPARE(form->FileList()->count(), 1);  // Ξ.ged; not notes.txt, not the folder
      QTreeView* tree = form->FolderTree();
      QCOMPARE(tree->currentIndex().data().toString(), QStringLiteral("\u0141\u00F3d\u017A"));
      // Down the tree with the keyboard: open the folder, step into "sub".
      tree->setFocus();
      QTest::keyClick(tree, Qt::Key_Right);
      QTRY_VERIFY(tree->model()->rowCount(tree->currentIndex()) > 0);
      QTest::keyClick(tree, Qt::Key_Down);
      QTRY_COMPARE(form->CurrentFolder(), lodz_ + QStringLiteral("/sub"));
      QCOMPARE(form->FileList()->count(), 1);
      QCOMPARE(form->FileList()->item(0)->text(), QStringLiteral("inner.GED"));
      // Back up with the keyboard: the parent's files again, not the child's.
      QTest::keyClick(tree, Qt::Key_Up);
      QTRY_COMPARE(form->CurrentFolder(), lodz_);
      QCOMPARE(form->FileList()->item(0)->text(), QStringLiteral("\u039E.ged"));
      // A file that appears later is listed without a restart.
      QVERIFY(QFile::copy(sample_, lodz_ + QStringLiteral("/Another.ged")));
      QTRY_COMPARE(form->FileList()->count(), 2);
      QVERIFY(QFile::remove(lodz_ + QStringLiteral("/Another.ged")));
      QTRY_COMPARE(form->FileList()->count(), 1);

      form->Splitter()->setSizes({222, 700});
      QCOMPARE(form->Splitter()->sizes().value(0), 222);
      form->close();
    }
    auto form = NewForm();
    QCOMPARE(form->Splitter()->sizes().value(0), 222);
    QCOMPARE(form->CurrentFolder(), lodz_);
  }

  // The scroll bar takes the focus and steps through the individuals with the arrow, page,
  // Home and End keys; Alt+Left and Alt+Right go back and forward.
  void keyboardChangesThePerson() {
    auto form = ActiveFormOnSample();
    WABSCollection* c = form->Collection();
    QVERIFY(c);
    QVERIFY(form->isActiveWindow());
    QScrollBar* bar = form->Scroller()->ScrollBar();
    QCOMPARE(bar->focusPolicy(), Qt::StrongFocus);
    bar->setFocus();
    QTRY_VERIFY(bar->hasFocus());
    QCOMPARE(form->Scroller()->Position(), 1);
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(form->Scroller()->Position(), 2);
    QCOMPARE(form->Scroller()->CurrentIndividual(), c->DisplayToRecord(2));
    QTest::keyClick(bar, Qt::Key_End);
    QCOMPARE(form->Scroller()->Position(), c->DisplayCount());
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(form->Scroller()->Position(), 1);
    QTest::keyClick(bar, Qt::Key_PageDown);
    QCOMPARE(form->Scroller()->Position(), 1 + bar->pageStep());
    QTest::keyClick(bar, Qt::Key_PageUp);
    QCOMPARE(form->Scroller()->Position(), 1);
    // The Individual tab follows every step.
    form->Tabs()->setCurrentIndex(TMainForm::kIndividualTab);
    QCOMPARE(form->IndPanel()->Logic().Individual(), form->Scroller()->CurrentIndividual());

    const RecNo here = form->Scroller()->CurrentIndividual();
    QTest::keyClick(bar, Qt::Key_Right);
    const RecNo next = form->Scroller()->CurrentIndividual();
    QVERIFY(next != here);
    QTest::keyClick(bar, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(form->Scroller()->CurrentIndividual(), here);
    QTest::keyClick(bar, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(form->Scroller()->CurrentIndividual(), next);
    QCOMPARE(form->BackAction()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Left));
    QCOMPARE(form->ForwardAction()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Right));
  }

  // Tab reaches every control of the window: the tool bar, the left panel, the scroller
  // with F, M and S, the tab bar and what the shown tab holds.
  void tabReachesEveryControl() {
    auto form = ActiveFormOnSample();
    WABSCollection* c = form->Collection();
    QVERIFY(c);
    QVERIFY(form->isActiveWindow());
    // Somebody with a father, a mother and a spouse, reached after a step (Back enabled).
    RecNo child = 0;
    for (RecNo n = 1; n <= c->IndividualCount() && !child; ++n)
      if (c->GetFatherOf(n) && c->GetMotherOf(n) && c->HasChildren(n)) child = n;
    QVERIFY(child > 0);
    form->GoToIndividual(child == 1 ? 2 : 1);
    form->GoToIndividual(child);
    form->BackAction()->trigger();
    form->GoToIndividual(child);
    QVERIFY(form->BackAction()->isEnabled());

    for (int tab : {TMainForm::kIndividualTab, TMainForm::kFamilyTab}) {
      form->Tabs()->setCurrentIndex(tab);
      QWidget* start = form->ToolBar()->widgetForAction(form->OpenAction());
      start->setFocus();
      QTRY_VERIFY(start->hasFocus());
      std::set<QWidget*> reached;
      for (int i = 0; i < 200 && reached.insert(QApplication::focusWidget()).second; ++i) {
        QWidget* before = QApplication::focusWidget();
        QTest::keyClick(before, Qt::Key_Tab);
        if (QApplication::focusWidget() == before) break;
      }
      QList<QWidget*> expected;
      for (QAction* action : {form->OpenAction(), form->BackAction(), form->FileDirectoryAction(),
                              form->QuickFindAction(), form->AdvancedFindAction()})
        expected << form->ToolBar()->widgetForAction(action);
      expected << form->WebsiteLabel() << form->LeftPanel()->CloseButton() << form->Places()
               << form->FolderTree() << form->FileList() << form->Scroller()->ScrollBar()
               << form->Scroller()->FatherButton() << form->Scroller()->MotherButton()
               << form->Scroller()->SpouseButton() << form->Tabs()->tabBar();
      if (tab == TMainForm::kIndividualTab) {
        expected << form->IndPanel()->ChronologicalBox() << form->IndPanel()->Grid()
                 << form->IndPanel()->NotePane() << form->IndPanel()->SourcesPane();
      } else {
        for (int box = 0; box < 4; ++box) expected << form->FamPanel()->Box(box);
        expected << form->FamPanel()->Grid();
      }
      for (QWidget* widget : expected) {
        QVERIFY(widget);
        QVERIFY2(reached.count(widget) == 1,
                 qPrintable(QStringLiteral("not reached: %1 %2")
                                .arg(widget->metaObject()->className(), widget->toolTip())));
      }
    }
  }

  // F, M and S and the Family tab's boxes say what they are and whom they lead to; Enter on
  // a focused box goes to that person.
  void toolTipsOnTheButtonsAndBoxes() {
    auto form = NewForm();
    form->Start({sample_});
    WABSCollection* c = form->Collection();
    RecNo child = 0;
    for (RecNo n = 1; n <= c->IndividualCount() && !child; ++n)
      if (c->GetFatherOf(n) && !c->GetMotherOf(n)) child = n;
    if (!child)
      for (RecNo n = 1; n <= c->IndividualCount() && !child; ++n)
        if (c->GetFatherOf(n)) child = n;
    QVERIFY(child > 0);
    form->GoToIndividual(child);
    WIndScrollLite* strip = form->Scroller();
    QVERIFY(strip->FatherButton()->toolTip().startsWith(QStringLiteral("Father: ")));
    QVERIFY(strip->FatherButton()->toolTip().size() > 8);
    QVERIFY(strip->MotherButton()->toolTip().startsWith(QStringLiteral("Mother: ")));
    QCOMPARE(strip->SpouseButton()->toolTip(), QStringLiteral("Spouses and children"));
    QVERIFY(!strip->ScrollBar()->toolTip().isEmpty());

    form->Tabs()->setCurrentIndex(TMainForm::kFamilyTab);
    WFamPanel* family = form->FamPanel();
    const QStringList roles = {QStringLiteral("Active individual"),
                               QStringLiteral("Father"),
                               QStringLiteral("Mother"),
                               QStringLiteral("Spouse"),
                               QStringLiteral("Spouse's father"),
                               QStringLiteral("Spouse's mother")};
    for (int box = 0; box < 6; ++box)
      QVERIFY2(family->Box(box)->toolTip().startsWith(roles[box] + QStringLiteral(": ")),
               qPrintable(family->Box(box)->toolTip()));
    QVERIFY(family->Box(1)->toolTip().contains(QStringLiteral("Double-click")));
    QVERIFY(family->Arrow(1)->toolTip().size() > 0);
    // Enter on the father's box goes to him.
    const RecNo father = c->GetFatherOf(child);
    QTest::keyClick(family->Box(1), Qt::Key_Return);
    QCOMPARE(strip->CurrentIndividual(), father);
  }

  // Advanced Find folds what is typed like its sort keys: "nunez" and "Núñez" land on Núñez,
  // not on Nuño; "rub" on Rüb, not on Rohr before it.  OK goes there.
  void advancedFindFoldsTypedText() {
    const QString path = dir_.filePath(QStringLiteral("names.ged"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("0 HEAD\n1 CHAR UTF-8\n"
                              "0 @I1@ INDI\n1 NAME Ana /Nu\u00F1o/\n"
                              "0 @I2@ INDI\n1 NAME Jos\u00E9 /N\u00FA\u00F1ez/\n"
                              "0 @I3@ INDI\n1 NAME Karl /Rohr/\n"
                              "0 @I4@ INDI\n1 NAME Hans /R\u00FCb/\n"
                              "0 TRLR\n")
                   .toUtf8());
    file.close();
    auto form = NewForm();
    form->Start({path});
    QVERIFY(form->Collection());
    for (const auto& [typed, found] :
         std::vector<std::pair<QString, QString>>{{QStringLiteral("nunez"), QStringLiteral("I2")},
                                                  {QStringLiteral("N\u00FA\u00F1ez"), QStringLiteral("I2")},
                                                  {QStringLiteral("NUNEZ, JOSE"), QStringLiteral("I2")},
                                                  {QStringLiteral("nu\u00F1o"), QStringLiteral("I1")},
                                                  {QStringLiteral("rub"), QStringLiteral("I4")}}) {
      SetModalHook([&](QDialog& dialog) {
        auto* find = qobject_cast<TWFindDlg*>(&dialog);
        if (!find) return int(QDialog::Rejected);
        find->ModeButton(WFindDlgLogic::fmSurname)->click();
        find->SearchBox()->clear();
        // Typed key by key, letters outside ASCII included.
        for (const QChar c : typed)
          QTest::sendKeyEvent(QTest::Click, find->SearchBox(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        return int(QDialog::Accepted);
      });
      form->AdvancedFindAction()->trigger();
      SetModalHook(nullptr);
      const RecNo n = form->Scroller()->CurrentIndividual();
      QCOMPARE(form->Collection()->FindIndividual(found.toStdString()), n);
    }
  }

  // The count panels are as wide as their text: "I: 1,000,000" is not cut.
  void statusPanelsFitTheirText() {
    auto form = NewForm();
    form->Start({sample_});
    for (int panel = 1; panel <= 4; ++panel) QVERIFY(form->StatusPanel(panel)->width() >= 60);
    QLabel* panel = form->StatusPanel(1);
    panel->setText(QStringLiteral("I: 1,000,000"));
    FitStatusPanel(*panel, 60);
    QVERIFY(panel->contentsRect().width() >= panel->fontMetrics().horizontalAdvance(panel->text()));
    panel->setText(QStringLiteral("I: 41"));
    FitStatusPanel(*panel, 60);
    QCOMPARE(panel->width(), 60);
  }

  // A failure in a slot or handler leaves the viewer alive and is told on stderr and in
  // the status bar.
  void failuresAreTold() {
    auto form = NewForm();
    StderrCapture capture(dir_.filePath("stderr.txt"));
    const bool done = SafeCall([] { throw EMemoryError("Error getting pointer to individual 12"); });
    QVERIFY(!done);
    QVERIFY(SafeCall([] {}));
    SafeCall([] { throw 42; });
    const QString err = capture.Text();
    QVERIFY2(err.contains(QStringLiteral("taravell-lite: Error getting pointer to individual 12\n")),
             qPrintable(err));
    QVERIFY(err.contains(QStringLiteral("taravell-lite: An operation failed for an unknown reason\n")));
    QCOMPARE(form->StatusText(0), QStringLiteral("An operation failed for an unknown reason"));
  }

  // The import time is the import's: a quick help read for a while after the file opened
  // does not count.
  void importTimeLeavesOutTheQuickHelp() {
    Options().ResetToDefaults();
    Options().SetBool(WOptions::LoadLastFile, false);
    Options().SetInt(WOptions::LastTab, TMainForm::kGeneralTab);
    SetModalHook([](QDialog& dialog) {
      if (qobject_cast<TInitHelpDialog*>(&dialog)) QThread::msleep(1200);
      return int(QDialog::Accepted);
    });
    auto form = std::make_unique<TMainForm>();
    form->show();
    form->Start({sample_});
    SetModalHook(nullptr);
    Options().SetBool(WOptions::DispInitHelp, false);
    QVERIFY(form->Collection());
    const QString shown = Cell(form->GenPanel()->findChild<WGridView*>(), 4, 1);
    QVERIFY2(shown.endsWith(QStringLiteral(" seconds")), qPrintable(shown));
    QVERIFY2(shown.section(QLatin1Char(' '), 0, 0).toDouble() < 1.0, qPrintable(shown));
  }

  // A link that no program takes is told to the user, not dropped in silence.
  void linksThatGoNowhereAreTold() {
    SetUrlOpener(QStringLiteral("false"));
    QVERIFY(OpenExternalUrl(QUrl(QStringLiteral("https://www.example.com/"))));
    QTRY_COMPARE(messages_.size(), 1);
    QVERIFY2(messages_[0].startsWith(QStringLiteral("Could not open https://www.example.com/")),
             qPrintable(messages_[0]));
    QVERIFY(messages_[0].contains(QStringLiteral("web browser")));
    messages_.clear();
    SetUrlOpener(dir_.filePath(QStringLiteral("no-such-opener")));
    OpenExternalUrl(QUrl(QStringLiteral("mailto:someone@example.com")));
    QTRY_COMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].contains(QStringLiteral("mail program")));
    messages_.clear();
    // A program that takes it: nothing to tell.
    SetUrlOpener(QStringLiteral("true"));
    OpenExternalUrl(QUrl(QStringLiteral("https://www.example.com/")));
    QTest::qWait(300);
    QVERIFY(messages_.isEmpty());
    SetUrlOpener(QString());
  }

  // The splash window gives way to the first dialog instead of covering it.
  void splashGivesWayToDialogs() {
    QPointer<TSplash> splash = new TSplash;
    splash->show();
    QVERIFY(splash->isVisible());
    QDialog help;
    help.setWindowTitle(QStringLiteral("Quick Help"));
    help.show();
    QTRY_VERIFY(!splash || !splash->isVisible());
    help.close();
  }

  void cleanupTestCase() {
    TMessages::SetInterceptor(nullptr);
    Options().CloseSettingsFile();
  }
};

QTEST_MAIN(FoundInUseTest)
#include "FoundInUseTest.moc"
