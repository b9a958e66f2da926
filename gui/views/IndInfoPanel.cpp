#include "gui/views/IndInfoPanel.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "base/UIHooks.h"
#include "gui/app/AnsiText.h"
#include "gui/app/Fonts.h"
#include "gui/app/QtColor.h"
#include "gui/app/SafeCall.h"
#include "views/IndInfoBox.h"

namespace {

const char kLetters[4] = {'B', 'E', 'P', 'S'};

}  // namespace

TIndInfoPanel::TIndInfoPanel(QWidget* parent) : QWidget(parent), background_(ToQColor(kColorButtonFace)) {
  setFont(ArialFont(8));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TIndInfoPanel::SetLinesToShow(int lines) {
  if (lines < 1 || lines > 3 || lines == lines_) return;
  lines_ = lines;
  updateGeometry();
  update();
}

int TIndInfoPanel::LineHeight() const {
  const int points = font().pointSize() > 0 ? font().pointSize() : 8;
  return points + 5;
}

int TIndInfoPanel::BoxHeight() const { return lines_ * LineHeight() + lines_ + 1; }

QSize TIndInfoPanel::sizeHint() const { return QSize(200, BoxHeight()); }

QSize TIndInfoPanel::minimumSizeHint() const { return QSize(40, BoxHeight()); }

int TIndInfoPanel::LetterCellWidth() const {
  return IsLargeFonts() ? static_cast<int>(std::lround(7 * 1.25)) : 7;
}

// Line `line` (0-based) occupies the rows 1 + line * LineHeight() onwards, inside the frame.
void TIndInfoPanel::RepaintLine(int line) {
  if (line >= lines_) return;
  update(QRect(0, 1 + line * LineHeight(), width(), LineHeight() + 1));
}

void TIndInfoPanel::SetNameString(const QString& text) {
  if (text == name_) return;
  name_ = text;
  RepaintLine(0);
}

void TIndInfoPanel::SetBirthString(const QString& text) {
  if (text == birth_) return;
  birth_ = text;
  RepaintLine(1);
}

void TIndInfoPanel::SetDeathString(const QString& text) {
  if (text == death_) return;
  death_ = text;
  RepaintLine(2);
}

void TIndInfoPanel::SetUseLDS(bool on) {
  if (on == use_lds_) return;
  use_lds_ = on;
  RepaintLine(0);
}

void TIndInfoPanel::SetLetter(int index, bool on) {
  if (lds_[index] == on) return;
  lds_[index] = on;
  RepaintLine(0);
}

void TIndInfoPanel::SetColors(const QColor& background, const QColor& text) {
  background_ = background;
  text_color_ = text;
  update();
}

void TIndInfoPanel::Clear() {
  name_.clear();
  birth_.clear();
  death_.clear();
  for (bool& letter : lds_) letter = false;
  individual_ = 0;
  background_ = ToQColor(kColorButtonFace);
  text_color_ = Qt::black;
  hint_.clear();
  UpdateToolTip();
  update();
}

void TIndInfoPanel::SetRole(const QString& role) {
  role_ = role;
  UpdateToolTip();
}

void TIndInfoPanel::UpdateToolTip() {
  if (role_.isEmpty()) {
    setToolTip(hint_);
    return;
  }
  QString tip = role_ + QStringLiteral(": ");
  if (individual_ == 0) {
    tip += QStringLiteral("none");
  } else {
    tip += name_;
    if (!hint_.isEmpty()) tip += QLatin1Char('\n') + hint_;
    tip += QStringLiteral("\nDouble-click (or Enter) to go to this person");
  }
  setToolTip(tip);
}

void TIndInfoPanel::ShowBox(const WIndInfoBox& box) {
  if (box.IsEmpty()) {
    Clear();
    use_lds_ = box.UseLDS();
    return;
  }
  name_ = AnsiToQ(box.NameString());
  birth_ = AnsiToQ(box.BirthString());
  death_ = AnsiToQ(box.DeathString());
  use_lds_ = box.UseLDS();
  lds_[0] = box.LDSBap();
  lds_[1] = box.LDSEnd();
  lds_[2] = box.LDSSP();
  lds_[3] = box.LDSSS();
  background_ = ToQColor(box.Background());
  text_color_ = ToQColor(box.TextColor());
  individual_ = box.Individual();
  hint_ = AnsiToQ(box.Hint());
  UpdateToolTip();
  update();
}

void TIndInfoPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) updateGeometry();
  QWidget::changeEvent(event);
}

void TIndInfoPanel::paintEvent(QPaintEvent*) {
  SafeCall([this] {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), background_);
    const int line_height = LineHeight();
    const int cell = LetterCellWidth();
    const int cells_left = width() - 2 - 4 * cell;

    const QString* texts[3] = {&name_, &birth_, &death_};
    QFont regular = font();
    QFont bold = regular;
    bold.setBold(true);
    painter.setPen(text_color_);
    for (int line = 0; line < lines_; ++line) {
      const int top = 1 + line * line_height;
      int right = width() - 2;
      if (line == 0 && use_lds_) right = cells_left - 1;
      const QRect text_rect(4, top, std::max(0, right - 4), line_height);
      painter.setFont(line == 0 ? bold : regular);
      painter.drawText(text_rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, *texts[line]);
    }

    if (use_lds_) {
      painter.setPen(Qt::black);
      painter.drawLine(cells_left, 1, cells_left, line_height);
      if (lines_ > 1) painter.drawLine(cells_left, line_height + 1, width() - 2, line_height + 1);
      painter.setFont(ArialFont(8));
      painter.setPen(text_color_);
      for (int i = 0; i < 4; ++i) {
        if (!lds_[i]) continue;
        const QRect letter(cells_left + 1 + i * cell, 1, cell, line_height);
        painter.drawText(letter, Qt::AlignCenter, QString(QLatin1Char(kLetters[i])));
      }
    }

    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    if (hasFocus()) {
      // The keyboard focus: a dotted frame just inside the box's own.
      QPen dotted(text_color_, 1, Qt::DotLine);
      painter.setPen(dotted);
      painter.drawRect(frame.adjusted(2, 2, -2, -2));
    }
  });
}

void TIndInfoPanel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
      const int individual = individual_;
      SafeCall([&] { emit doubleClicked(individual); });
      event->accept();
      return;
    }
    default:
      QWidget::keyPressEvent(event);
  }
}

void TIndInfoPanel::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void TIndInfoPanel::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void TIndInfoPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const int individual = individual_;
    SafeCall([&] { emit doubleClicked(individual); });
  }
  event->accept();
}
