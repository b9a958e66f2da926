#include "gui/app/QtHooks.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <string>

#include "base/DamageLog.h"
#include "base/UIHooks.h"

void InstallQtHooks() {
  SetYieldHook([] { QCoreApplication::processEvents(QEventLoop::AllEvents, 50); });
  SetBusyHook([](bool busy) {
    if (busy)
      QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
      while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  });
  // Problems the readers and views carried on from go to Qt's warning log.
  SetLogHook([](const std::string& line) { qWarning("%s", line.c_str()); });
  if (QScreen* screen = QGuiApplication::primaryScreen())
    SetLargeFonts(qRound(screen->logicalDotsPerInchX()) == 120);
}
