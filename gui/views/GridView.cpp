#include "gui/views/GridView.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "gui/app/Fonts.h"
#include "gui/app/SafeCall.h"
#include "gui/views/GridDelegate.h"
#include "gui/views/GridHeader.h"

WGridView::WGridView(QWidget* parent)
    : QTableView(parent), delegate_(new WGridDelegate(this)), header_(new WGridHeader(this)) {
  setFont(ArialFont(8));
  header_->setFont(ArialFont(8));
  setHorizontalHeader(header_);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(4);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  header_->setFixedHeight(kRowHeight);
  setItemDelegate(delegate_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(false);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setTabKeyNavigation(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setAutoScroll(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Base, Qt::white);
  setPalette(pal);
}

void WGridView::SetHeadingVisible(bool visible) { header_->setVisible(visible); }

int WGridView::SelectedRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() : -1;
}

void WGridView::SelectRow(int row) {
  if (!model() || row < 0 || row >= model()->rowCount()) {
    clearSelection();
    setCurrentIndex(QModelIndex());
    return;
  }
  const int column = currentIndex().isValid() ? currentIndex().column() : 0;
  setCurrentIndex(model()->index(row, column));
  selectRow(row);
}

void WGridView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QTableView::mouseDoubleClickEvent(event);
    return;
  }
  const QModelIndex index = indexAt(event->position().toPoint());
  event->accept();
  if (!index.isValid()) return;
  SafeCall([&] { emit cellDoubleClicked(index.row(), index.column()); });
}

void WGridView::keyPressEvent(QKeyEvent* event) {
  const QModelIndex current = currentIndex();
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && current.isValid()) {
    event->accept();
    SafeCall([&] { emit cellEntered(current.row(), current.column()); });
    return;
  }
  QTableView::keyPressEvent(event);
}

void WGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (current.row() == previous.row() && current.isValid() == previous.isValid()) return;
  const int row = current.isValid() ? current.row() : -1;
  SafeCall([&] { emit selectedRowChanged(row); });
}

void WGridView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  SafeCall([&] { emit resized(); });
}
