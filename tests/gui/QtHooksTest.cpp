#include <QApplication>
#include <QTimer>
#include <QtTest>

#include "base/UIHooks.h"
#include "gui/app/QtHooks.h"

class QtHooksTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InstallQtHooks(); }

  // Nested busy sections keep the hourglass until the outermost one ends.
  void busyCursorFollowsTheCounter() {
    QVERIFY(!QGuiApplication::overrideCursor());
    {
      BusySection outer;
      QVERIFY(QGuiApplication::overrideCursor());
      {
        BusySection inner;
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
      }
      QVERIFY(QGuiApplication::overrideCursor());
    }
    QVERIFY(!QGuiApplication::overrideCursor());
  }

  // Yielding lets queued events run, which is how a Cancel click reaches the core.
  void yieldRunsPendingEvents() {
    ImportCancelled = false;
    QTimer::singleShot(0, [] { ImportCancelled = true; });
    for (int i = 0; i < 100 && !ImportCancelled; ++i) YieldToUI();
    QVERIFY(ImportCancelled.load());
    ImportCancelled = false;
  }
};

QTEST_MAIN(QtHooksTest)
#include "QtHooksTest.moc"
