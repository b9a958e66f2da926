#include "gui/app/Splash.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

TSplash::TSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(360, 160);
  timer_ = new QTimer(this);
  timer_->setInterval(1000);
  connect(timer_, &QTimer::timeout, this, [this] {
    if (shown_.elapsed() > kShowMs) close();
  });
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  qApp->installEventFilter(this);
}

bool TSplash::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched != this && isVisible()) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->isWindow() && (qobject_cast<QDialog*>(widget) || widget->isModal())) {
      qApp->removeEventFilter(this);
      close();
    }
  }
  return QWidget::eventFilter(watched, event);
}

QString TSplash::Title() { return QStringLiteral("Taravell Lite") + " V" + "1" + "." + "15"; }

void TSplash::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  shown_.start();
  timer_->start();
}

void TSplash::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(0, 51, 102));
  p.setPen(QColor(255, 255, 255));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  QFont title(QStringLiteral("Liberation Sans"));
  title.setPixelSize(28);
  title.setBold(true);
  p.setFont(title);
  p.drawText(rect().adjusted(0, 0, 0, -30), Qt::AlignCenter, Title());
  QFont small(QStringLiteral("Liberation Sans"));
  small.setPixelSize(12);
  p.setFont(small);
  p.drawText(rect().adjusted(0, 60, 0, 0), Qt::AlignCenter, QStringLiteral("Genealogy file viewer"));
}
