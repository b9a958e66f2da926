#pragma once

#include <QAbstractTableModel>

class WFamPanelLogic;

// The Family tab's children grid over the core's children table: "+", "Children (n)",
// "Sex", "Birth", "Death", "Spouse".  At least 30 rows below the heading; it grows with
// the children and never shrinks, rows beyond the children are blank.  Call Reload() after
// every refresh of the core.
class WFamGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit WFamGridModel(const WFamPanelLogic& logic, QObject* parent = nullptr);
  void Reload();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const WFamPanelLogic& logic_;
  int rows_ = 0;
};
