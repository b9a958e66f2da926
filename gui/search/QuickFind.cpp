#include "gui/search/QuickFind.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <exception>

#include "gui/app/AnsiText.h"
#include "gui/search/FindDlg.h"
#include "gui/views/IndInfoPanel.h"
#include "gui/views/SelectionButton.h"

TdlgQuickFind::TdlgQuickFind(QWidget* owner, const WSortLists& lists, WABSCollection* collection)
    : QDialog(owner), logic_(collection), lists_(lists), collection_(collection) {
  setWindowTitle(QStringLiteral("Quick Find"));
  setFont(QFont(QStringLiteral("Liberation Sans"), 8));
  setFixedSize(415, 142);

  // Left: the number, the count, the scroll bar and Advanced Find.
  QLabel* index_label = new QLabel(QStringLiteral("Index"), this);
  index_label->setGeometry(8, 6, 100, 16);
  search_ = new QLineEdit(this);
  search_->setGeometry(8, 22, 190, 21);
  search_->setMaxLength(WQuickFindLogic::kMaxDigits);
  // Pasted text is held to digits as well; typed keys are filtered below.
  search_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), search_));
  search_->installEventFilter(this);
  connect(search_, &QLineEdit::textEdited, this,
          [this](const QString& text) { Act([this, text] { logic_.TextEdited(QToAnsi(text)); }); });
  selected_label_ = new QLabel(this);
  selected_label_->setGeometry(8, 46, 90, 16);
  count_label_ = new QLabel(this);
  count_label_->setObjectName(QStringLiteral("Count"));
  count_label_->setGeometry(108, 46, 90, 16);
  count_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  scroll_ = new QScrollBar(Qt::Horizontal, this);
  scroll_->setGeometry(8, 64, 190, 17);
  connect(scroll_, &QScrollBar::valueChanged, this,
          [this](int position) { Act([this, position] { logic_.Scroll(position); }); });
  advanced_ = new QPushButton(QStringLiteral("Advanced Find"), this);
  advanced_->setGeometry(8, 88, 100, 23);
  connect(advanced_, &QPushButton::clicked, this, &TdlgQuickFind::OpenAdvancedFind);

  // Right: the person box and the relatives.
  QLabel* box_label = new QLabel(QStringLiteral("Individual Selected"), this);
  box_label->setGeometry(210, 6, 197, 16);
  box_ = new TIndInfoPanel(this);
  box_->SetLinesToShow(3);
  box_->setGeometry(210, 22, 197, box_->BoxHeight());
  const int buttons_top = 22 + box_->BoxHeight() + 6;
  father_ = new QPushButton(QStringLiteral("Father"), this);
  father_->setGeometry(210, buttons_top, 62, 23);
  connect(father_, &QPushButton::clicked, this, [this] { Act([this] { logic_.PressFather(); }); });
  mother_ = new QPushButton(QStringLiteral("Mother"), this);
  mother_->setGeometry(277, buttons_top, 62, 23);
  connect(mother_, &QPushButton::clicked, this, [this] { Act([this] { logic_.PressMother(); }); });
  spouse_ = new WSelectionButton(this);
  spouse_->setText(QStringLiteral("Spouse(s)"));
  spouse_->setGeometry(344, buttons_top, 63, 23);
  spouse_->SetItems(&logic_.SpouseMenu());
  spouse_->SetUpdateCaption(false);
  connect(spouse_, &WSelectionButton::beforeShow, this,
          [this] { Act([this] { logic_.BuildSpouseMenu(); }); });
  connect(spouse_, &WSelectionButton::itemChange, this,
          [this] { Act([this] { logic_.JumpToChosenItem(); }); });

  // Bottom: OK and Cancel.
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setGeometry(252, 114, 75, 23);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setGeometry(332, 114, 75, 23);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  count_label_->setText(AnsiToQ(logic_.CountText()));
  scroll_->setRange(logic_.ScrollMin(), logic_.ScrollMax());
  scroll_->setPageStep(logic_.PageStep());
  Sync();
  search_->setFocus();
}

void TdlgQuickFind::SetSelected(RecNo n) {
  Act([this, n] { logic_.SetSelected(n); });
}

template <class Action>
void TdlgQuickFind::Act(Action&& action) {
  try {
    action();
  } catch (const std::exception&) {
    // A record that cannot be read leaves the dialog as it was.
  }
  Sync();
}

void TdlgQuickFind::Sync() {
  const QSignalBlocker block_search(search_);
  const QSignalBlocker block_scroll(scroll_);
  const QString text = AnsiToQ(logic_.SearchText());
  if (search_->text() != text) search_->setText(text);
  if (logic_.Selected() > 0) scroll_->setValue(logic_.ScrollPosition());
  selected_label_->setText(AnsiToQ(logic_.SelectedText()));
  selected_label_->setVisible(logic_.SelectedVisible());
  const bool enabled = logic_.ControlsEnabled();
  scroll_->setEnabled(enabled);
  advanced_->setEnabled(enabled);
  ok_->setEnabled(enabled);
  father_->setEnabled(logic_.FatherEnabled());
  mother_->setEnabled(logic_.MotherEnabled());
  spouse_->setEnabled(logic_.SpouseEnabled());
  // A disabled dialog keeps showing the last person.
  if (enabled) box_->ShowBox(logic_.Box());
}

bool TdlgQuickFind::eventFilter(QObject* watched, QEvent* event) {
  if (watched != search_ || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  QKeyEvent* key = static_cast<QKeyEvent*>(event);
  switch (key->key()) {
    case Qt::Key_Up:
      Act([this] { logic_.KeyUp(); });
      return true;
    case Qt::Key_Down:
      Act([this] { logic_.KeyDown(); });
      return true;
    case Qt::Key_PageUp:
      Act([this] { logic_.KeyPageUp(); });
      return true;
    case Qt::Key_PageDown:
      Act([this] { logic_.KeyPageDown(); });
      return true;
    case Qt::Key_Backspace:
      return false;
    default:
      break;
  }
  // Only digits can be typed; any other character is dropped.
  const QString text = key->text();
  if (text.size() == 1 && text[0].isPrint() &&
      !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    const char c = text[0].toLatin1();
    if (!WQuickFindLogic::AcceptsKey(c)) return true;
  }
  return false;
}

void TdlgQuickFind::OpenAdvancedFind() {
  TWFindDlg find(this, lists_, collection_);
  find.SetSelected(logic_.Selected());
  if (find.exec() != QDialog::Accepted) return;
  Act([this, &find] { logic_.AdvancedFindChose(find.Selected()); });
  accept();
}
