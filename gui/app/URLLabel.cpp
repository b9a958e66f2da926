#include "gui/app/URLLabel.h"

#include <QKeyEvent>

#include <QMouseEvent>
#include <QUrl>

#include "gui/app/DialogHooks.h"
#include "gui/app/Fonts.h"
#include "gui/app/SafeCall.h"

TURLLabel::TURLLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
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
  Open();
  event->accept();
}

void TURLLabel::Open() {
  SafeCall([this] {
    const QString target = Target();
    if (target.isEmpty()) return;
    QUrl url(target);
    if (url.scheme().isEmpty()) url = QUrl::fromUserInput(target);
    if (OpenExternalUrl(url)) emit opened(target);
  });
}

void TURLLabel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
    event->accept();
    Open();
    return;
  }
  QLabel::keyPressEvent(event);
}

// With the keyboard focus the link looks as it does under the mouse.
void TURLLabel::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  hover_ = true;
  UpdateColor();
}

void TURLLabel::focusOutEvent(QFocusEvent* event) {
  QLabel::focusOutEvent(event);
  hover_ = false;
  UpdateColor();
}
