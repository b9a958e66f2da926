#include "gui/views/IndGridModel.h"

#include <QColor>

#include "gui/app/AnsiText.h"
#include "gui/app/QtColor.h"
#include "views/IndPanelLogic.h"

WIndGridModel::WIndGridModel(const WIndPanelLogic& logic, QObject* parent)
    : QAbstractTableModel(parent), logic_(logic) {
  rows_ = std::max(1, logic_.GridRowCount() - 1);
}

void WIndGridModel::Reload() {
  beginResetModel();
  rows_ = std::max(1, logic_.GridRowCount() - 1);
  endResetModel();
}

int WIndGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int WIndGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant WIndGridModel::data(const QModelIndex& index, int role) const {
  const IndInfoArray& rows = logic_.Rows();
  if (!index.isValid() || index.row() >= static_cast<int>(rows.size())) return QVariant();
  const IndInfoRec& row = rows[index.row()];
  switch (role) {
    case Qt::DisplayRole:
      switch (index.column()) {
        case colNote:
          return row.note.empty() ? QString() : QStringLiteral("N");
        case colSources:
          return row.citations.empty() ? QString() : QStringLiteral("S");
        case colType:
          return AnsiToQ(row.type);
        case colDate:
          return AnsiToQ(row.date);
        case colInformation:
          return AnsiToQ(row.information);
        case colAge:
          return AnsiToQ(row.age);
        default:
          return QVariant();
      }
    case Qt::BackgroundRole:
      return index.column() == colInformation ? QVariant(ToQColor(row.background)) : QVariant();
    case Qt::ForegroundRole:
      return index.column() == colInformation ? QVariant(ToQColor(row.text_color)) : QVariant();
    default:
      return QVariant();
  }
}

QVariant WIndGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
  static const char* const kHeadings[kColumnCount] = {"N", "S", "Type", "Date", "Information", "Age"};
  return section >= 0 && section < kColumnCount ? QString::fromLatin1(kHeadings[section]) : QVariant();
}
