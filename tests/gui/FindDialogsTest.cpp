// Advanced find and quick find driven as a user would: typing, stepping, switching modes,
// OK and Cancel, on the bundled sample read through the GEDCOM reader.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/Options.h"
#include "app/ReaderChoice.h"
#include "gui/app/MainForm.h"
#include "gui/app/Messages.h"
#include "gui/app/QtHooks.h"
#include "gui/app/WaitDlg.h"
#include "gui/search/FindDlg.h"
#include "gui/search/QuickFind.h"
#include "gui/views/IndInfoPanel.h"
#include "gui/views/IndScrollLite.h"
#include "gui/views/SelectionButton.h"
#include "model/ABSCollection.h"
#include "search/SortIterators.h"
#include "support/TestPaths.h"
#include "views/IndScrollLogic.h"

namespace {

// Runs `act` on the dialog of type Dialog once it is shown and ready for input (a modal
// dialog's exec() only returns after `act` closed it).
template <class Dialog, class Act>
void WhenShown(Act act) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<Dialog*>(widget);
      // Not while a list sorts itself: the wait dialog then holds the dialog disabled.
      if (dialog && dialog->isVisible() && dialog->isEnabled() && TWaitDlg::Depth() == 0) {
        timer->stop();
        timer->deleteLater();
        act(dialog);
        return;
      }
    }
  });
  timer->start();
}

}  // namespace

class FindDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    InstallQtHooks();
    std::string error;
    collection_ = CreateCollectionForFile(TestDataPath("sample.ged"), error);
    QVERIFY2(collection_ != nullptr, error.c_str());
    QVERIFY(collection_->Import());
    collection_->BuildLinks();
  }
  void init() {
    Options().ResetToDefaults();
    holder_ = std::make_unique<WSortIterators>();
    holder_->SetCollection(collection_.get());
  }

  // Surname, Name mode: typing jumps, the grid and the boxes follow, OK returns the person
  // and the scroller lands on that person.
  void advancedFindTypeAndOk() {
    TWFindDlg find(nullptr, holder_->Lists(), collection_.get());
    find.SetSelected(1);
    find.show();
    QVERIFY(QTest::qWaitForWindowExposed(&find));
    QCOMPARE(find.windowTitle(), QStringLiteral("Find Individual"));
    QVERIFY(find.ModeButton(3)->isChecked());
    QCOMPARE(find.ModeButton(2)->text(), QStringLiteral("REF"));
    QCOMPARE(find.CountLabel()->text(), QStringLiteral("41 Individuals"));
    QVERIFY(!find.SearchButton()->isVisible());  // AutoSearch is on

    find.SearchBox()->clear();
    QTest::keyClicks(find.SearchBox(), "marwick, w");
    QCOMPARE(find.SearchBox()->text(), QStringLiteral("marwick, w"));  // typing is not overwritten
    QCOMPARE(find.Grid()->currentIndex().row() + 1, find.Logic().CurrentRow());
    QCOMPARE(find.SelectedBox()->NameString(), QStringLiteral("Walter James /Marwick/ [I24]"));
    QVERIFY(find.MarriagesLabel()->text().startsWith(QStringLiteral("Marriages (")));

    // Down from the search box steps to the next row and moves the focus to the grid.
    const int row = find.Logic().CurrentRow();
    QTest::keyClick(find.SearchBox(), Qt::Key_Down);
    QCOMPARE(find.Logic().CurrentRow(), row + 1);
    QCOMPARE(find.Grid()->currentIndex().row(), row);
    QTest::keyClick(find.Grid(), Qt::Key_Up);  // the grid's own keys select too
    QCOMPARE(find.Logic().CurrentRow(), row);

    QTest::mouseClick(find.OkButton(), Qt::LeftButton);
    QCOMPARE(find.result(), int(QDialog::Accepted));
    QCOMPARE(find.Selected(), 24);

    WIndScrollLogic scroller;
    scroller.SetCollection(collection_.get());
    scroller.GoToIndividual(find.Selected());
    QCOMPARE(scroller.CurrentIndividual(), 24);
  }

  // Switching modes sorts once with the wait dialog, changes the column heading and keeps
  // the person; Cancel returns nothing.
  void advancedFindModesAndCancel() {
    TWFindDlg find(nullptr, holder_->Lists(), collection_.get());
    find.SetSelected(12);
    int waits = 0;
    QString message;
    // The wait dialog is up while the list sorts.
    find.Logic().OnSortBegin = [&] {
      ++waits;
      TWaitDlg::ShowWaitDialog(QStringLiteral("Sorting.  Please Wait..."), true, false, &find);
      message = TWaitDlg::Current() ? TWaitDlg::Current()->Message() : QString();
    };
    find.show();
    QVERIFY(QTest::qWaitForWindowExposed(&find));
    QCOMPARE(waits, 1);
    QCOMPARE(message, QStringLiteral("Sorting.  Please Wait..."));

    find.ModeButton(5)->click();
    QCOMPARE(find.Grid()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("User ID"));
    QCOMPARE(Options().GetInt(WOptions::FindDlg), 5);
    find.ModeButton(2)->click();
    QCOMPARE(find.Grid()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("REF"));
    QCOMPARE(find.SearchBox()->text(), QStringLiteral("I12"));
    QCOMPARE(find.Logic().CurrentList()->RecordAt(find.Logic().CurrentRow()), 12);
    find.SearchBox()->clear();
    QTest::keyClicks(find.SearchBox(), "7");
    QCOMPARE(find.Selected(), 7);  // RIN mode finds I7
    find.ModeButton(1)->click();
    QCOMPARE(find.SearchBox()->text(), QStringLiteral("7"));
    find.SearchBox()->clear();
    QTest::keyClicks(find.SearchBox(), "9999");
    QCOMPARE(find.Logic().CurrentRow(), 41);  // Index mode caps at the count
    find.ModeButton(2)->click();
    QCOMPARE(waits, 3);  // sorted twice more (User ID and REF), not again for REF
    QCOMPARE(TWaitDlg::Depth(), 0);

    QTest::mouseClick(find.CancelButton(), Qt::LeftButton);
    QCOMPARE(find.result(), int(QDialog::Rejected));
  }

  // Without AutoSearch the Search button appears; OK first searches, then closes.
  void advancedFindSearchButton() {
    Options().SetBool(WOptions::AutoSearch, false);
    TWFindDlg find(nullptr, holder_->Lists(), collection_.get());
    find.SetSelected(1);
    find.show();
    QVERIFY(QTest::qWaitForWindowExposed(&find));
    QVERIFY(find.SearchButton()->isVisible());
    QVERIFY(!find.SearchButton()->isEnabled());
    QCOMPARE(find.SearchBox()->width(), 329);
    find.SearchBox()->clear();
    QTest::keyClicks(find.SearchBox(), "girard");
    QVERIFY(find.SearchButton()->isEnabled());
    QCOMPARE(find.Selected(), 1);
    QTest::mouseClick(find.OkButton(), Qt::LeftButton);
    QVERIFY(find.isVisible());  // the search ran, the dialog stays
    QCOMPARE(find.Selected(), 34);
    QTest::mouseClick(find.OkButton(), Qt::LeftButton);
    QCOMPARE(find.result(), int(QDialog::Accepted));
  }

  // A double click on the father box selects him; on a grid row it closes with OK.
  void advancedFindDoubleClicks() {
    TWFindDlg find(nullptr, holder_->Lists(), collection_.get());
    find.SetSelected(4);
    find.show();
    QVERIFY(QTest::qWaitForWindowExposed(&find));
    const RecNo father = collection_->GetFatherOf(4);
    QVERIFY(father > 0);
    QTest::mouseDClick(find.FatherBox(), Qt::LeftButton);
    QCOMPARE(find.SelectedBox()->Individual(), father);
    QVERIFY(find.MarriagesList()->count() > 0);
    const QModelIndex index = find.Grid()->model()->index(2, 0);
    find.Grid()->scrollTo(index);
    QTest::mouseClick(find.Grid()->viewport(), Qt::LeftButton, {}, find.Grid()->visualRect(index).center());
    QTest::mouseDClick(find.Grid()->viewport(), Qt::LeftButton, {}, find.Grid()->visualRect(index).center());
    QCOMPARE(find.result(), int(QDialog::Accepted));
    QCOMPARE(find.Selected(), find.Logic().CurrentList()->RecordAt(3));
  }

  // Quick find: digits only, arrow and page keys within the limits, the relatives, OK.
  void quickFindKeysAndLimits() {
    TdlgQuickFind quick(nullptr, holder_->Lists(), collection_.get());
    quick.SetSelected(5);
    quick.show();
    QVERIFY(QTest::qWaitForWindowExposed(&quick));
    QCOMPARE(quick.windowTitle(), QStringLiteral("Quick Find"));
    QCOMPARE(quick.CountLabel()->text(), QStringLiteral("41"));
    QCOMPARE(quick.SearchBox()->text(), QStringLiteral("5"));
    QCOMPARE(quick.ScrollBar()->value(), 5);
    QCOMPARE(quick.Box()->Individual(), 5);

    quick.SearchBox()->setFocus();
    QTest::keyClicks(quick.SearchBox(), "x-");  // letters cannot be typed
    QCOMPARE(quick.SearchBox()->text(), QStringLiteral("5"));
    QTest::keyClick(quick.SearchBox(), Qt::Key_Backspace);
    QVERIFY(!quick.OkButton()->isEnabled());  // empty counts as 0
    QTest::keyClicks(quick.SearchBox(), "99");
    QVERIFY(!quick.OkButton()->isEnabled());  // above the count
    QCOMPARE(quick.Box()->Individual(), 9);   // still showing "9", typed on the way
    QVERIFY(!quick.SelectedLabel()->isVisible());
    QTest::keyClick(quick.SearchBox(), Qt::Key_Backspace);
    QTest::keyClick(quick.SearchBox(), Qt::Key_Backspace);
    QTest::keyClick(quick.SearchBox(), Qt::Key_Up);  // empty: 1
    QCOMPARE(quick.Selected(), 1);
    QTest::keyClick(quick.SearchBox(), Qt::Key_Down);  // nothing below 1
    QCOMPARE(quick.Selected(), 1);
    QTest::keyClick(quick.SearchBox(), Qt::Key_Up);
    QCOMPARE(quick.SearchBox()->text(), QStringLiteral("2"));
    QVERIFY(quick.SearchBox()->hasFocus());
    QTest::keyClicks(quick.SearchBox(), "9");  // "29"
    QCOMPARE(quick.Selected(), 29);
    QTest::keyClick(quick.SearchBox(), Qt::Key_PageUp);  // page step 1 on 41 people
    QCOMPARE(quick.Selected(), 30);
    quick.ScrollBar()->setValue(41);
    QCOMPARE(quick.Selected(), 41);
    QTest::keyClick(quick.SearchBox(), Qt::Key_Up);  // capped at the count
    QCOMPARE(quick.Selected(), 41);

    quick.SetSelected(4);
    const RecNo father = collection_->GetFatherOf(4);
    QVERIFY(quick.FatherButton()->isEnabled());
    QTest::mouseClick(quick.FatherButton(), Qt::LeftButton);
    QCOMPARE(quick.Selected(), father);
    QCOMPARE(quick.ScrollBar()->value(), father);
    QVERIFY(quick.SpouseButton()->isEnabled());
    quick.SpouseButton()->ShowMenu();
    QVERIFY(!quick.Logic().JumpList().empty());
    const RecNo spouse = quick.Logic().JumpList()[0];
    quick.SpouseButton()->ChooseItem(0);
    QCOMPARE(quick.Selected(), spouse);
    QTest::mouseClick(quick.OkButton(), Qt::LeftButton);
    QCOMPARE(quick.result(), int(QDialog::Accepted));
    QCOMPARE(quick.Selected(), spouse);
  }

  // Advanced find opened from quick find: its OK closes both with its person; its Cancel
  // leaves quick find open.
  void advancedFindFromQuickFind() {
    TdlgQuickFind quick(nullptr, holder_->Lists(), collection_.get());
    quick.SetSelected(3);
    quick.show();
    QVERIFY(QTest::qWaitForWindowExposed(&quick));

    bool seen = false;
    WhenShown<TWFindDlg>([&](TWFindDlg* find) {
      seen = find->Selected() == 3;
      find->CancelButton()->click();
    });
    QTest::mouseClick(quick.AdvancedFindButton(), Qt::LeftButton);
    QVERIFY(seen);
    QVERIFY(quick.isVisible());
    QCOMPARE(quick.Selected(), 3);

    WhenShown<TWFindDlg>([&](TWFindDlg* find) {
      find->SearchBox()->clear();
      QTest::keyClicks(find->SearchBox(), "girard, y");
      find->OkButton()->click();
    });
    QTest::mouseClick(quick.AdvancedFindButton(), Qt::LeftButton);
    QCOMPARE(quick.result(), int(QDialog::Accepted));
    QVERIFY(!quick.isVisible());
    QCOMPARE(quick.Selected(), 35);
  }

  // The main window's Edit > Quick Find and Edit > Advanced Find: each dialog starts on the
  // active individual, and OK makes its choice active in the scroller.  The lists are made
  // once per file and dropped with it.
  void mainWindowCommands() {
    TMessages::SetInterceptor(
        [](const QString&, const QString&, QMessageBox::StandardButtons) { return QMessageBox::Ok; });
    Options().SetBool(WOptions::LoadLastFile, false);
    TMainForm form;
    form.SetQuickHelpEnabled(false);
    form.show();
    QVERIFY(!form.QuickFindAction()->isEnabled());
    QVERIFY(form.OpenGenealogyFile(QString::fromStdString(TestDataPath("sample.ged"))));
    QVERIFY(form.QuickFindAction()->isEnabled());
    QCOMPARE(form.QuickFindAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QCOMPARE(form.AdvancedFindAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    form.GoToIndividual(6);

    RecNo started_on = 0;
    WhenShown<TdlgQuickFind>([&](TdlgQuickFind* quick) {
      started_on = quick->Selected();
      quick->SearchBox()->clear();
      QTest::keyClicks(quick->SearchBox(), "17");
      quick->OkButton()->click();
    });
    form.QuickFindAction()->trigger();
    QCOMPARE(started_on, 6);
    QCOMPARE(form.Scroller()->CurrentIndividual(), 17);

    WhenShown<TWFindDlg>([&](TWFindDlg* find) {
      started_on = find->Selected();
      find->SearchBox()->clear();
      QTest::keyClicks(find->SearchBox(), "str");
      find->OkButton()->click();
    });
    form.AdvancedFindAction()->trigger();
    QCOMPARE(started_on, 17);
    QCOMPARE(form.Scroller()->CurrentIndividual(), 30);  // Ingrid Strøm
    QVERIFY(form.SortIterators().Exists(3));

    // Cancel changes nothing.
    WhenShown<TWFindDlg>([](TWFindDlg* find) { find->CancelButton()->click(); });
    form.AdvancedFindAction()->trigger();
    QCOMPARE(form.Scroller()->CurrentIndividual(), 30);

    // Another file frees the lists.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.ged"));
    QVERIFY(QFile::copy(QString::fromStdString(TestDataPath("sample.ged")), copy));
    QVERIFY(form.OpenGenealogyFile(copy));
    QVERIFY(!form.SortIterators().Exists(3));
    TMessages::SetInterceptor(nullptr);
  }

  // With TARAVELL_SCREENSHOT_DIR set, both dialogs are saved there as PNG files to look at.
  void screenshots() {
    const QString dir = qEnvironmentVariable("TARAVELL_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("TARAVELL_SCREENSHOT_DIR is not set");
    TWFindDlg find(nullptr, holder_->Lists(), collection_.get());
    find.SetSelected(4);
    find.show();
    QVERIFY(QTest::qWaitForWindowExposed(&find));
    QVERIFY(find.grab().save(dir + QStringLiteral("/advanced-find.png")));
    TdlgQuickFind quick(nullptr, holder_->Lists(), collection_.get());
    quick.SetSelected(4);
    quick.show();
    QVERIFY(QTest::qWaitForWindowExposed(&quick));
    QVERIFY(quick.grab().save(dir + QStringLiteral("/quick-find.png")));
  }

  void cleanupTestCase() {
    holder_.reset();
    collection_.reset();
  }

 private:
  std::unique_ptr<WABSCollection> collection_;
  std::unique_ptr<WSortIterators> holder_;
};

QTEST_MAIN(FindDialogsTest)
#include "FindDialogsTest.moc"
