// The small windows of the shell: the wait dialog's nesting and delay, the drop-down button,
// the splash window's life time.
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "base/UIHooks.h"
#include "gui/app/QtHooks.h"
#include "gui/app/Splash.h"
#include "gui/app/WaitDlg.h"
#include "gui/views/SelectionButton.h"

class ShellWidgetsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InstallQtHooks(); }

  // A short operation never shows the dialog; a long one shows it after the delay, with the
  // outer request's message, and disables the window until the last level is released.
  void waitDialogAppearsLateAndNests() {
    QWidget window;
    window.show();
    TWaitDlg::ShowWaitDialog(QStringLiteral("Outer"), false, false, &window);
    TWaitDlg::HideWaitDialog();
    QTest::qWait(400);
    QVERIFY(!TWaitDlg::Current());
    QVERIFY(window.isEnabled());

    ImportCancelled = true;
    TWaitDlg::ShowWaitDialog(QStringLiteral("Outer"), false, true, &window);
    QVERIFY(!ImportCancelled.load());  // a cancellable wait starts uncancelled
    TWaitDlg::ShowWaitDialog(QStringLiteral("Inner"), true, true, &window);
    QVERIFY(TWaitDlg::Current());
    QVERIFY(!TWaitDlg::Current()->isVisible());
    QTRY_VERIFY(TWaitDlg::Current()->isVisible());
    QCOMPARE(TWaitDlg::Current()->Message(), QStringLiteral("Outer"));
    QCOMPARE(TWaitDlg::Current()->height(), 100);
    QVERIFY(!window.isEnabled());
    QTest::mouseClick(TWaitDlg::Current()->CancelButton(), Qt::LeftButton);
    QVERIFY(ImportCancelled.load());
    TWaitDlg::HideWaitDialog();
    QVERIFY(TWaitDlg::Current());
    QVERIFY(!window.isEnabled());
    TWaitDlg::HideWaitDialog();
    QVERIFY(!TWaitDlg::Current());
    QVERIFY(window.isEnabled());
    QCOMPARE(TWaitDlg::Depth(), 0);
    ImportCancelled = false;
  }

  // Items come as one text; separators are not counted; beforeShow lets the owner rebuild
  // the items before the menu opens.
  void selectionButtonMenu() {
    WSelectionButton button;
    button.SetUpdateCaption(true);
    int shown = 0, chosen = 0;
    connect(&button, &WSelectionButton::beforeShow, [&] {
      ++shown;
      button.SetItemString("Alpha;-;Beta;Gamma");
    });
    connect(&button, &WSelectionButton::itemChange, [&] { ++chosen; });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(shown, 1);
    QMenu* menu = button.Menu();
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->actions().size(), 4);
    QVERIFY(menu->actions()[1]->isSeparator());
    menu->actions()[2]->trigger();
    QCOMPARE(chosen, 1);
    QCOMPARE(button.ItemSelected(), 2);
    QCOMPARE(button.text(), QStringLiteral("Beta"));
    button.ChooseItem(1);  // the separator does nothing
    QCOMPARE(chosen, 1);
    menu->close();
  }

  void splashClosesAfterTwoSeconds() {
    QCOMPARE(TSplash::Title(), QStringLiteral("Taravell Lite V1.15"));
    QPointer<TSplash> splash = new TSplash;
    splash->show();
    QTest::qWait(1200);
    QVERIFY(splash);
    QTRY_VERIFY_WITH_TIMEOUT(!splash, 4000);
  }
};

QTEST_MAIN(ShellWidgetsTest)
#include "ShellWidgetsTest.moc"
