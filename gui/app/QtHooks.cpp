#include "gui/app/QtHooks.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "base/UIHooks.h"

void InstallQtHooks() {
  SetYieldHook([] { QCoreApplication::processEvents(QEventLoop::AllEvents, 50); });
  SetBusyHook([](bool busy) {
    if (busy)
      QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
      while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  });
  if (QScreen* screen = QGuiApplication::primaryScreen())
    SetLargeFonts(qRound(screen->logicalDotsPerInchX()) == 120);
}
