#pragma once

#include <QToolButton>
#include <string>

#include "views/SelectionItems.h"

class QMenu;

// A flat button that drops down a menu of items given as one text ("a;b;-;c", "-" being a
// separator).  Pressing it raises beforeShow (handlers rebuild the items there) and then
// opens the menu below the button; choosing an item records it and raises itemChange.
//
// The items live in a WSelectionItems, the button's own or one that a view's logic owns
// (SetItems), so the rules stay testable without widgets.
class WSelectionButton : public QToolButton {
  Q_OBJECT
 public:
  explicit WSelectionButton(QWidget* parent = nullptr);

  // Uses the given items (not owned) instead of the button's own.
  void SetItems(WSelectionItems* items);
  WSelectionItems& Items() { return *items_; }

  // The menu's items as one text of Windows-1252 bytes; setting it rebuilds the menu.
  void SetItemString(const std::string& text);
  const std::string& ItemString() const { return items_->ItemString(); }
  int ItemSelected() const { return items_->ItemSelected(); }
  void SetUpdateCaption(bool update) { items_->SetUpdateCaption(update); }

  // Rebuilds the menu from the items (after the items were changed directly).
  void RebuildMenu();
  QMenu* Menu() const { return menu_; }
  // Chooses the menu item at a 0-based index, as a click on it would.
  void ChooseItem(int index);
  // Raises beforeShow and opens the menu, as a click on the button does.
  void ShowMenu();

 signals:
  void beforeShow();
  void itemChange();

 private:
  WSelectionItems own_;
  WSelectionItems* items_ = &own_;
  QMenu* menu_;
};
