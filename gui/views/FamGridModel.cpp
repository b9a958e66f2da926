#include "gui/views/FamGridModel.h"

#include <QColor>

#include "gui/app/AnsiText.h"
#include "gui/app/QtColor.h"
#include "views/FamPanelLogic.h"

WFamGridModel::WFamGridModel(const WFamPanelLogic& logic, QObject* parent)
    : QAbstractTableModel(parent), logic_(logic), rows_(logic.GridRowCount() - 1) {}

void WFamGridModel::Reload() {
  beginResetModel();
  rows_ = std::max(1, logic_.GridRowCount() - 1);
  endResetModel();
}

int WFamGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int WFamGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : WFamPanelLogic::kColumnCount;
}

QVariant WFamGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(logic_.Children().size())) return QVariant();
  const bool person_column = index.column() == 1 || index.column() == 5;
  switch (role) {
    case Qt::DisplayRole:
      return AnsiToQ(logic_.CellText(index.row(), index.column()));
    case Qt::BackgroundRole:
      // The child's and the spouse's cells take the colours of the person shown.
      if (person_column) {
        const FamilyGridRec& rec = logic_.Children()[index.row()];
        const RecNo person = index.column() == 1 ? rec.child : rec.first_spouse;
        return ToQColor(logic_.RowBackground(person));
      }
      return QVariant();
    case Qt::ForegroundRole:
      if (person_column) {
        const FamilyGridRec& rec = logic_.Children()[index.row()];
        const RecNo person = index.column() == 1 ? rec.child : rec.first_spouse;
        return ToQColor(logic_.RowTextColor(person));
      }
      return QVariant();
    default:
      return QVariant();
  }
}

QVariant WFamGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
  return AnsiToQ(logic_.HeadingText(section));
}
