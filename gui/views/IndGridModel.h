#pragma once

#include <QAbstractTableModel>

class WIndPanelLogic;

// The Individual tab's grid over the core's rows: "N", "S", "Type", "Date", "Information",
// "Age".  The grid has as many rows as the core's GridRowCount (less the heading); rows
// beyond the rows built are blank.  Call Reload() after every rebuild.
class WIndGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { colNote = 0, colSources, colType, colDate, colInformation, colAge, kColumnCount };

  explicit WIndGridModel(const WIndPanelLogic& logic, QObject* parent = nullptr);
  void Reload();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const WIndPanelLogic& logic_;
  int rows_ = 0;
};
