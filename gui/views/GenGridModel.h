#pragma once

#include <QAbstractTableModel>

class WGenPanelRows;

// The General tab's two columns (label, value) over the core's rows, plus one blank row at
// the end (two rows when there are none).  Heading rows are bold on the button face; values
// with tab stops carry them for the delegate.  Call Reload() after the rows change.
class WGenGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit WGenGridModel(const WGenPanelRows& rows, QObject* parent = nullptr);
  void Reload();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  const WGenPanelRows& rows_;
  int count_ = 0;
};
