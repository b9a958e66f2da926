#include "gui/app/URLLabel.h"

#include <QMouseEvent>
#include <QUrl>

#include "gui/app/DialogHooks.h"
#include "gui/app/Fonts.h"
#include "gui/app/SafeCall.h"

TURLLabel::TURLLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setCursor(Qt::PointingHandCursor);
  QFont font = ArialFont(8);
  font.setUnderline(true);
  setFont(font);
  UpdateColor();
}

QColor TURLLabel::CurrentColor() const {
  if (pressed_) return PressedColor();
  if (hover_) return HoverColor();
  return NormalColor();
}

void TURLLabel::UpdateColor() {
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, CurrentColor());
  setPalette(pal);
}

void TURLLabel::enterEvent(QEnterEvent* event) {
  hover_ = true;
  UpdateColor();
  QLabel::enterEvent(event);
}

void TURLLabel::leaveEvent(QEvent* event) {
  hover_ = false;
  UpdateColor();
  QLabel::leaveEvent(event);
}

void TURLLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    UpdateColor();
  }
  event->accept();
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  UpdateColor();
  // Only a release inside the label opens it: dragging off cancels the click.
  if (!rect().contains(event->position().toPoint())) return;
  SafeCall([this] {
    const QString target = Target();
    if (target.isEmpty()) return;
    QUrl url(target);
    if (url.scheme().isEmpty()) url = QUrl::fromUserInput(target);
    if (OpenExternalUrl(url)) emit opened(target);
  });
  event->accept();
}
