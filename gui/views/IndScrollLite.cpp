#include "gui/views/IndScrollLite.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include "gui/app/AnsiText.h"
#include "gui/app/SafeCall.h"
#include "gui/views/SelectionButton.h"

namespace {

constexpr int kButtonWidth = 20;
constexpr int kCaptionHeight = 18;

QToolButton* MakeButton(QWidget* parent, const QString& text) {
  auto* button = new QToolButton(parent);
  button->setText(text);
  button->setAutoRaise(true);
  // Reached with Tab and pressed with Space, like any button.
  button->setFocusPolicy(Qt::TabFocus);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(12);
  font.setBold(true);
  button->setFont(font);
  return button;
}

// "Father: John Smith"; "Father: none" when there is nobody to go to.
QString RelativeHint(const QString& role, const std::string& name) {
  return role + QStringLiteral(": ") + (name.empty() ? QStringLiteral("none") : AnsiToQ(name));
}

}  // namespace

WIndScrollLite::WIndScrollLite(QWidget* parent) : QWidget(parent) {
  caption_ = new QLabel(this);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(14);
  caption_->setFont(font);
  caption_->setTextFormat(Qt::PlainText);
  scroll_ = new QScrollBar(Qt::Horizontal, this);
  // The scroll bar takes the focus (click or Tab) and then steps through the individuals
  // with the arrow keys, Page Up and Page Down, Home and End.
  scroll_->setFocusPolicy(Qt::StrongFocus);
  scroll_->installEventFilter(this);
  scroll_->setToolTip(QStringLiteral(
      "All individuals: drag, or click here and use the arrow keys, Page Up, Page Down, Home and End"));
  father_ = MakeButton(this, QStringLiteral("F"));
  mother_ = MakeButton(this, QStringLiteral("M"));
  spouse_ = new WSelectionButton(this);
  spouse_->setText(QStringLiteral("S"));
  spouse_->setFont(father_->font());
  spouse_->setFocusPolicy(Qt::TabFocus);
  spouse_->setToolTip(QStringLiteral("Spouses and children"));
  spouse_->SetItems(&logic_.SpouseMenu());
  setFixedHeight(kHeight);
  setMinimumWidth(0);

  logic_.OnChange = [this] {
    Mirror();
    emit changed();
  };
  connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
    if (mirroring_) return;
    SafeCall([&] { logic_.UserScroll(value, scroll_->isSliderDown()); });
  });
  connect(scroll_, &QScrollBar::sliderReleased, this,
          [this] { SafeCall([&] { logic_.UserScroll(scroll_->value(), false); }); });
  connect(father_, &QToolButton::clicked, this, [this] { SafeCall([&] { logic_.GoToFather(); }); });
  connect(mother_, &QToolButton::clicked, this, [this] { SafeCall([&] { logic_.GoToMother(); }); });
  connect(spouse_, &WSelectionButton::beforeShow, this,
          [this] { SafeCall([&] { logic_.BuildSpouseMenu(); }); });
  // The logic has already recorded the choice in its menu; go to the person behind it.
  connect(spouse_, &WSelectionButton::itemChange, this, [this] {
    SafeCall([&] {
      const int selected = logic_.SpouseMenu().ItemSelected();
      const auto& jumps = logic_.JumpList();
      if (selected >= 1 && selected <= static_cast<int>(jumps.size()) && jumps[selected - 1])
        logic_.GoToIndividual(jumps[selected - 1]);
    });
  });
  Mirror();
}

QSize WIndScrollLite::sizeHint() const { return QSize(400, kHeight); }

void WIndScrollLite::SetCollection(WABSCollection* collection) {
  SafeCall([&] { logic_.SetCollection(collection); });
  Mirror();
}

void WIndScrollLite::GoToIndividual(RecNo n) {
  SafeCall([&] { logic_.GoToIndividual(n); });
}

void WIndScrollLite::GoBack() {
  SafeCall([&] { logic_.GoBack(); });
}

void WIndScrollLite::GoForward() {
  SafeCall([&] { logic_.GoForward(); });
}

void WIndScrollLite::RefreshCaption() {
  SafeCall([&] { logic_.RefreshCaption(); });
  Mirror();
}

void WIndScrollLite::Mirror() {
  mirroring_ = true;
  caption_->setText(AnsiToQ(logic_.Caption()));
  caption_->setToolTip(AnsiToQ(logic_.CaptionHint()));
  {
    QSignalBlocker block(scroll_);
    scroll_->setRange(logic_.ScrollMin(), logic_.ScrollMax());
    scroll_->setPageStep(logic_.ScrollPageStep());
    scroll_->setSingleStep(1);
    if (logic_.ScrollEnabled()) scroll_->setValue(logic_.ScrollPosition());
  }
  scroll_->setEnabled(logic_.ScrollEnabled());
  // The buttons say what they are for and, when there is one, whom they lead to.
  father_->setEnabled(logic_.FatherEnabled());
  father_->setToolTip(RelativeHint(QStringLiteral("Father"), logic_.FatherHint()));
  mother_->setEnabled(logic_.MotherEnabled());
  mother_->setToolTip(RelativeHint(QStringLiteral("Mother"), logic_.MotherHint()));
  spouse_->setEnabled(logic_.SpouseEnabled());
  mirroring_ = false;
}

bool WIndScrollLite::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scroll_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) update();
  if (watched != scroll_ || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) return false;
  QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
  switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      action = QAbstractSlider::SliderSingleStepSub;
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      action = QAbstractSlider::SliderSingleStepAdd;
      break;
    case Qt::Key_PageUp:
      action = QAbstractSlider::SliderPageStepSub;
      break;
    case Qt::Key_PageDown:
      action = QAbstractSlider::SliderPageStepAdd;
      break;
    case Qt::Key_Home:
      action = QAbstractSlider::SliderToMinimum;
      break;
    case Qt::Key_End:
      action = QAbstractSlider::SliderToMaximum;
      break;
    default:
      return false;
  }
  // A step moves the bar as a click on it would; the new position is taken as the user's.
  if (scroll_->isEnabled()) scroll_->triggerAction(action);
  return true;
}

void WIndScrollLite::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!scroll_->hasFocus() || !scroll_->isVisible()) return;
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Highlight));
  painter.drawRect(scroll_->geometry().adjusted(-1, -1, 0, 0));
}

void WIndScrollLite::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void WIndScrollLite::LayOut() {
  const int w = width();
  // F, M and S side by side at the right edge, one pixel in; the caption fills the rest.
  const int buttons_left = w - 1 - 3 * kButtonWidth;
  father_->setGeometry(buttons_left, 0, kButtonWidth, kCaptionHeight);
  mother_->setGeometry(buttons_left + kButtonWidth, 0, kButtonWidth, kCaptionHeight);
  spouse_->setGeometry(buttons_left + 2 * kButtonWidth, 0, kButtonWidth, kCaptionHeight);
  caption_->setGeometry(2, 0, std::max(0, buttons_left - 3 - 2), kCaptionHeight);
  scroll_->setGeometry(2, kCaptionHeight + 1, std::max(0, w - 4), kHeight - kCaptionHeight - 2);
  scroll_->setVisible(w >= 9);
}
