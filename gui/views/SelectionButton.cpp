#include "gui/views/SelectionButton.h"

#include <QMenu>

#include "gui/app/AnsiText.h"

WSelectionButton::WSelectionButton(QWidget* parent) : QToolButton(parent), menu_(new QMenu(this)) {
  setAutoRaise(true);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QToolButton::clicked, this, &WSelectionButton::ShowMenu);
}

void WSelectionButton::SetItems(WSelectionItems* items) {
  items_ = items ? items : &own_;
  RebuildMenu();
}

void WSelectionButton::SetItemString(const std::string& text) {
  items_->SetItemString(text);
  RebuildMenu();
}

void WSelectionButton::RebuildMenu() {
  menu_->clear();
  for (int i = 0; i < items_->Count(); ++i) {
    if (items_->IsSeparator(i)) {
      menu_->addSeparator();
      continue;
    }
    QAction* action = menu_->addAction(AnsiToQ(items_->Item(i)));
    connect(action, &QAction::triggered, this, [this, i] { ChooseItem(i); });
  }
}

void WSelectionButton::ChooseItem(int index) {
  if (index < 0 || index >= items_->Count() || items_->IsSeparator(index)) return;
  items_->Choose(index);
  if (items_->UpdateCaption()) setText(AnsiToQ(items_->Caption()));
  emit itemChange();
}

void WSelectionButton::ShowMenu() {
  emit beforeShow();
  RebuildMenu();
  if (!menu_->isEmpty()) menu_->popup(mapToGlobal(QPoint(0, height())));
}
