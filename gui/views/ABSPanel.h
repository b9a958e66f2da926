#pragma once

#include <QWidget>

#include "model/RecNo.h"

class WABSCollection;

// What the main window sees of each of the three tabs (WGenPanel, WIndPanel, WFamPanel).
//
//   - After a successful import: SetCollection(collection) on all three (the collection stays
//     the main window's; a panel never frees it).  Before freeing a collection:
//     SetCollection(nullptr), which empties the panel.
//   - When the scroller's current individual changes while the tab is showing:
//     SetIndividual(n).  Refresh() rebuilds what the tab shows for the same individual.
//   - At start-up and after the options dialog: ApplyDisplaySettings(), which reads the
//     tab's settings from Options() (UseLDS, Chrono, TMGTagSent, ShowIndHint, FamBirChr)
//     and rebuilds.
//   - individualRequested(n) is emitted when the user asks to see another person (a
//     double-click on a name, a Family-tab box or arrow); the main window makes n current
//     in the scroller.  Tabs never change the current individual themselves.
class WABSPanel : public QWidget {
  Q_OBJECT
 public:
  explicit WABSPanel(QWidget* parent = nullptr) : QWidget(parent) {}

  virtual void SetCollection(WABSCollection* collection) = 0;
  virtual void SetIndividual(RecNo n) = 0;
  virtual void Refresh() = 0;
  virtual void ApplyDisplaySettings() {}

 signals:
  void individualRequested(int individual);
};
