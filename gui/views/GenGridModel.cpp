#include "gui/views/GenGridModel.h"

#include <QColor>
#include <QFont>

#include "gui/app/AnsiText.h"
#include "gui/app/Fonts.h"
#include "gui/app/QtColor.h"
#include "gui/views/GridDelegate.h"
#include "views/GenPanelRows.h"

WGenGridModel::WGenGridModel(const WGenPanelRows& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows), count_(rows.Rows().Count()) {}

void WGenGridModel::Reload() {
  beginResetModel();
  count_ = rows_.Rows().Count();
  endResetModel();
}

int WGenGridModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return count_ == 0 ? 2 : count_ + 1;
}

int WGenGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant WGenGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return QVariant();
  const GenHeaderRec* row = rows_.Rows().GetRow(index.row() + 1);
  if (!row) return QVariant();
  switch (role) {
    case Qt::DisplayRole:
      if (index.column() == 1 && index.row() + 1 == WGenPanelRows::kFileNameRow) return PathToQ(row->value);
      return AnsiToQ(index.column() == 0 ? row->label : row->value);
    case Qt::BackgroundRole:
      return row->heading ? QVariant(ToQColor(kColorButtonFace)) : QVariant();
    case Qt::FontRole:
      return row->heading ? QVariant(ArialFont(8, true)) : QVariant();
    case WGridDelegate::kTabStopsRole: {
      if (index.column() != 1 || row->tab_stops.empty()) return QVariant();
      QVariantList stops;
      for (const QString& stop : QString::fromStdString(row->tab_stops).split(QLatin1Char(','))) {
        bool ok = false;
        const int position = stop.trimmed().toInt(&ok);
        if (ok) stops.append(position);
      }
      return stops;
    }
    default:
      return QVariant();
  }
}
