#include "gui/views/DesPanel.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Options.h"
#include "gui/app/AnsiText.h"
#include "gui/app/Fonts.h"
#include "gui/app/SafeCall.h"

namespace {

// Pixels of indentation per DesIndent unit.
constexpr int kIndentScale = 2;

}  // namespace

// The rows of the list as a table model; the texts of a row are read when it is drawn, and
// the last row read is kept (a row is drawn cell by cell).
class WDesModel : public QAbstractTableModel {
 public:
  WDesModel(const WDescendantsLogic& logic, const std::vector<DescendantColumn>& columns, QObject* parent)
      : QAbstractTableModel(parent), logic_(logic), columns_(columns) {}

  void Reset() {
    beginResetModel();
    cached_row_ = -1;
    endResetModel();
  }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : logic_.RowCount();
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : 1 + static_cast<int>(columns_.size());
  }

  const DescendantTexts& Texts(int row) const {
    if (row != cached_row_) {
      cached_ = logic_.Texts(row);
      cached_row_ = row;
    }
    return cached_;
  }

  QString Cell(int row, int column) const {
    if (row < 0 || row >= logic_.RowCount()) return QString();
    const DescendantRow& r = logic_.Rows()[row];
    const DescendantTexts& texts = Texts(row);
    if (column == 0) {
      QString text = r.spouse ? QStringLiteral("+ ") : QString::number(r.generation) + QLatin1Char(' ');
      text += AnsiToQ(texts.name);
      if (r.first_row >= 0) text += QStringLiteral("  (see row %1)").arg(r.first_row + 1);
      return text;
    }
    if (column < 1 || column > static_cast<int>(columns_.size())) return QString();
    return AnsiToQ(WDescendantColumns::Cell(texts, columns_[column - 1].id)).simplified();
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return QVariant();
    if (role == Qt::DisplayRole) {
      QString text;
      SafeCall([&] { text = Cell(index.row(), index.column()); });
      return text;
    }
    if (role == Qt::FontRole && index.column() == 0 && !logic_.Rows()[index.row()].spouse)
      return ArialFont(8, true);
    return QVariant();
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole) return QVariant();
    if (orientation == Qt::Vertical) return section + 1;
    if (section == 0) return QStringLiteral("Name");
    if (section - 1 < static_cast<int>(columns_.size()))
      return QString::fromLatin1(columns_[section - 1].caption);
    return QVariant();
  }

 private:
  const WDescendantsLogic& logic_;
  const std::vector<DescendantColumn>& columns_;
  mutable int cached_row_ = -1;
  mutable DescendantTexts cached_;
};

namespace {

// The name column: indented by level, with the lines of the tree to the left of the text.
class WDesNameDelegate : public QStyledItemDelegate {
 public:
  WDesNameDelegate(const WDescendantsLogic& logic, QObject* parent)
      : QStyledItemDelegate(parent), logic_(logic) {}

  void SetIndent(int pixels) { indent_ = std::max(pixels, 4); }
  void SetShowLines(bool show) { show_lines_ = show; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (index.row() >= logic_.RowCount()) return;
    const DescendantRow& row = logic_.Rows()[index.row()];
    const int level = row.Level();
    QStyleOptionViewItem shifted = option;
    shifted.rect.setLeft(option.rect.left() + level * indent_);
    // The selection covers the whole cell, the lines included.
    if (option.state & QStyle::State_Selected) painter->fillRect(option.rect, option.palette.highlight());
    QStyledItemDelegate::paint(painter, shifted, index);
    if (!show_lines_ || level == 0) return;
    painter->save();
    painter->setPen(QPen(QColor(0x80, 0x80, 0x80), 0));
    const QRect r = option.rect;
    const int middle = r.center().y();
    auto x_of = [&](int k) { return r.left() + (k - 1) * indent_ + indent_ / 2; };
    for (int k = 1; k < level; ++k)
      if (row.continues & (uint64_t{1} << k)) painter->drawLine(x_of(k), r.top(), x_of(k), r.bottom());
    const int x = x_of(level);
    painter->drawLine(x, r.top(), x, (row.continues & (uint64_t{1} << level)) ? r.bottom() : middle);
    painter->drawLine(x, middle, r.left() + level * indent_ - 1, middle);
    painter->restore();
  }

 private:
  const WDescendantsLogic& logic_;
  int indent_ = 16;
  bool show_lines_ = true;
};

}  // namespace

WDesPanel::WDesPanel(QWidget* parent) : WABSPanel(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  table_ = new QTableView(this);
  model_ = new WDesModel(logic_, columns_, this);
  table_->setModel(model_);
  table_->setItemDelegateForColumn(0, new WDesNameDelegate(logic_, table_));
  table_->setFont(ArialFont(8));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setShowGrid(false);
  table_->setWordWrap(false);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(16);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->installEventFilter(this);
  layout->addWidget(table_);
  logic_.OnIndexChange = [this] { emit individualRequested(logic_.RequestedIndividual()); };
  connect(table_, &QTableView::doubleClicked, this,
          [this](const QModelIndex& index) { SafeCall([&] { logic_.Activate(index.row()); }); });
}

WDesPanel::~WDesPanel() = default;

bool WDesPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      const QModelIndex current = table_->currentIndex();
      if (current.isValid()) SafeCall([&] { logic_.Activate(current.row()); });
      return true;
    }
  }
  return WABSPanel::eventFilter(watched, event);
}

void WDesPanel::Reload() {
  model_->Reset();
  table_->setColumnWidth(0, std::max(Options().GetInt(WOptions::DesNameCol), 100));
  for (size_t i = 0; i < columns_.size(); ++i)
    table_->setColumnWidth(static_cast<int>(i) + 1, columns_[i].width);
  if (logic_.RowCount() > 0) table_->selectRow(0);
}

void WDesPanel::SetCollection(WABSCollection* collection) {
  SafeCall([&] {
    logic_.SetCollection(collection);
    logic_.SetIndividual(0);
  });
  Reload();
}

void WDesPanel::SetIndividual(RecNo n) {
  SafeCall([&] { logic_.SetIndividual(n); });
  Reload();
}

void WDesPanel::Refresh() {
  SafeCall([&] { logic_.Refresh(); });
  Reload();
}

void WDesPanel::ApplyDisplaySettings() {
  SafeCall([&] {
    logic_.SetGenerationLimit(Options().GetInt(WOptions::DesGenLimit));
    logic_.SetRepeatDuplicates(Options().GetBool(WOptions::DesRepDups));
    columns_ = WDescendantColumns::Parse(Options().GetString(WOptions::DesColumns));
    auto* names = static_cast<WDesNameDelegate*>(table_->itemDelegateForColumn(0));
    names->SetIndent(Options().GetInt(WOptions::DesIndent) * kIndentScale);
    names->SetShowLines(Options().GetBool(WOptions::DesShowLines));
    logic_.Refresh();
  });
  Reload();
}

QString WDesPanel::CellText(int row, int column) const { return model_->Cell(row, column); }
