#pragma once

#include "gui/views/ABSPanel.h"
#include "views/PedigreeLogic.h"

// The Pedigree tab: the active individual and four generations of ancestors as boxes
// joined by lines, fitted to the tab.  A click on a box makes that person active; the arrow
// keys move the selection (Right to the father, Shift+Right to the mother, Left to the
// child, Up and Down within a generation, Home to the person) and Enter or a double-click
// makes the selected person active.  What it shows comes from the core's WPedigreeLogic.
class WPedPanel : public WABSPanel {
  Q_OBJECT
 public:
  explicit WPedPanel(QWidget* parent = nullptr);

  void SetCollection(WABSCollection* collection) override;
  void SetIndividual(RecNo n) override;
  void Refresh() override;
  void ApplyDisplaySettings() override;

  const WPedigreeLogic& Logic() const { return logic_; }
  // The box of an Ahnentafel number in the widget (empty when it is not drawn).
  QRectF BoxRect(uint64_t number) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // A box's hint (the person's summary with ShowIndHint) as its tool tip.
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // The selection is drawn only while the tab has the keyboard.
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QRectF ChartArea() const;
  double LineHeight() const;

  WPedigreeLogic logic_;
};
