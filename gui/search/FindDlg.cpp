#include "gui/search/FindDlg.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <cmath>
#include <exception>

#include "app/Options.h"
#include "base/UIHooks.h"
#include "gui/app/AnsiText.h"
#include "gui/app/WaitDlg.h"
#include "gui/views/IndInfoPanel.h"

namespace {

constexpr int kRowHeight = 16;
const QColor kSilver(0xC0, 0xC0, 0xC0);

enum MarriageRole { kSpouseRole = Qt::UserRole, kPlusRole, kYearRole };

// Draws a marriages item: a spouse line as it reads, a child line indented with "+" for a
// child who has children, the birth year and the name at fixed places.
class MarriageDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem background(option);
    initStyleOption(&background, index);
    const QString text = background.text;
    background.text.clear();
    const QWidget* widget = option.widget;
    (widget ? widget->style() : QApplication::style())
        ->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect r = option.rect;
    auto at = [&](int x, const QString& s) {
      painter->drawText(QRect(r.left() + x, r.top(), r.width() - x, r.height()), Qt::AlignVCenter, s);
    };
    if (index.data(kSpouseRole).toBool()) {
      at(2, text);
    } else {
      const int indent = 15;
      if (index.data(kPlusRole).toBool()) at(indent + 2, QStringLiteral("+"));
      const int year = index.data(kYearRole).toInt();
      if (year != 0) at(indent + 10, QString::number(year));
      at(indent + (IsLargeFonts() ? 52 : 42), text);
    }
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(option.fontMetrics.height() + 2 + (IsLargeFonts() ? 3 : 0));
    return size;
  }
};

}  // namespace

// The grid's rows: one per list position, drawn on demand from the logic.
class TWFindDlg::GridModel : public QAbstractTableModel {
 public:
  GridModel(WFindDlgLogic& logic, QObject* parent) : QAbstractTableModel(parent), logic_(logic) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : logic_.RowCount() - 1;
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : 4;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return QVariant();
    try {
      return AnsiToQ(logic_.CellText(index.row() + 1, index.column()));
    } catch (const std::exception&) {
      return QString();  // a record that cannot be read shows an empty cell
    }
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
    return AnsiToQ(logic_.CellText(0, section));
  }
  void Reset() {
    beginResetModel();
    endResetModel();
  }

 private:
  WFindDlgLogic& logic_;
};

TWFindDlg::TWFindDlg(QWidget* owner, const WSortLists& lists, WABSCollection* collection)
    : QDialog(owner), logic_(std::make_unique<WFindDlgLogic>(collection, lists)) {
  setWindowTitle(QStringLiteral("Find Individual"));
  setFont(QFont(QStringLiteral("Liberation Sans"), 8));
  setFixedSize(654, 420);
  const bool large = IsLargeFonts();
  auto scaled = [large](int width) { return large ? static_cast<int>(std::lround(width * 1.25)) : width; };

  // Left side: modes, search box, grid, count, OK and Cancel.
  static constexpr int kModeLeft[5] = {8, 70, 130, 240, 350};
  for (int mode = 1; mode <= 5; ++mode) {
    QRadioButton* button = new QRadioButton(AnsiToQ(logic_->RadioCaption(mode)), this);
    button->setGeometry(kModeLeft[mode - 1], 8, mode == 3 || mode == 4 ? 108 : 60, 20);
    connect(button, &QRadioButton::clicked, this, [this, mode] {
      Act([this, mode] { logic_->SetMode(mode); }, true);
      search_->setFocus();
    });
    modes_[mode - 1] = button;
  }
  search_ = new QLineEdit(this);
  search_->installEventFilter(this);
  connect(search_, &QLineEdit::textEdited, this,
          [this](const QString& text) { Act([this, text] { logic_->TextChanged(QToAnsi(text)); }); });
  search_button_ = new QPushButton(QStringLiteral("Search"), this);
  search_button_->setToolTip(AnsiToQ(WFindDlgLogic::kSearchHint));
  search_button_->setGeometry(341, 32, 67, 23);
  connect(search_button_, &QPushButton::clicked, this, [this] { Act([this] { logic_->PressSearch(); }); });
  PlaceSearchBox();

  model_ = new GridModel(*logic_, this);
  grid_ = new QTableView(this);
  grid_->setModel(model_);
  grid_->setGeometry(8, 60, 400, 298);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setWordWrap(false);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setDefaultSectionSize(
      large ? static_cast<int>(std::lround(Options().GetInt(WOptions::GridHeight) * 1.25 + 0.5))
            : kRowHeight);
  grid_->horizontalHeader()->setHighlightSections(false);
  for (int column = 0; column < 4; ++column)
    grid_->setColumnWidth(column, scaled(WFindDlgLogic::kColumnWidths[column]));
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (syncing_ || !current.isValid()) return;
            const int row = current.row() + 1;
            Act([this, row] { logic_->ClickRow(row); });
          });
  connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (!index.isValid()) return;
    const int row = index.row() + 1;
    Act([this, row] { logic_->DoubleClickRow(row); });
    accept();
  });

  count_label_ = new QLabel(this);
  count_label_->setGeometry(8, 362, 200, 16);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setGeometry(252, 386, 75, 25);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &TWFindDlg::OnOk);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setGeometry(333, 386, 75, 25);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  // Right side, behind a vertical line: the selected person, parents and marriages.
  QFrame* line = new QFrame(this);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(414, 8, 4, 404);
  static const char* const kBoxLabels[3] = {"Individual Selected", "Father", "Mother"};
  int top = 8;
  for (int i = 0; i < 3; ++i) {
    QLabel* label = new QLabel(QString::fromUtf8(kBoxLabels[i]), this);
    label->setGeometry(424, top, 222, 16);
    TIndInfoPanel* box = new TIndInfoPanel(this);
    box->SetLinesToShow(3);
    box->setGeometry(424, top + 16, 222, box->BoxHeight());
    boxes_[i] = box;
    top += 16 + box->BoxHeight() + 8;
  }
  connect(boxes_[1], &TIndInfoPanel::doubleClicked, this,
          [this] { Act([this] { logic_->DoubleClickFather(); }); });
  connect(boxes_[2], &TIndInfoPanel::doubleClicked, this,
          [this] { Act([this] { logic_->DoubleClickMother(); }); });
  marriages_label_ = new QLabel(this);
  marriages_label_->setGeometry(424, top, 222, 16);
  marriages_ = new QListWidget(this);
  marriages_->setGeometry(424, top + 16, 222, 412 - top - 16);
  marriages_->setItemDelegate(new MarriageDelegate(marriages_));
  connect(marriages_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    const int index = marriages_->row(item);
    Act([this, index] { logic_->DoubleClickMarriageItem(index); });
  });

  // The wait dialog stands while a list sorts itself.
  logic_->OnSortBegin = [this] {
    TWaitDlg::ShowWaitDialog(AnsiToQ(WFindDlgLogic::kSortingText), true, false, this);
  };
  logic_->OnSortEnd = [] { TWaitDlg::HideWaitDialog(); };
}

TWFindDlg::~TWFindDlg() = default;

QRadioButton* TWFindDlg::ModeButton(int mode) const {
  return mode >= 1 && mode <= 5 ? modes_[mode - 1] : nullptr;
}

void TWFindDlg::PlaceSearchBox() {
  const bool with_button = logic_->SearchButtonVisible();
  search_->setGeometry(8, 33, with_button ? 329 : 400, 21);
  search_button_->setVisible(with_button);
}

template <class Action>
void TWFindDlg::Act(Action&& action, bool grid_changed) {
  try {
    action();
  } catch (const std::exception&) {
    // A record that cannot be read leaves the dialog as it was.
  }
  Sync(grid_changed);
}

void TWFindDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  Act([this] { logic_->Show(); }, true);
  PlaceSearchBox();
  search_->setFocus();
}

void TWFindDlg::OnOk() {
  bool close = false;
  Act([this, &close] { close = logic_->PressOK(); });
  if (close) accept();
}

bool TWFindDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == search_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Act([this, key] { key == Qt::Key_Up ? logic_->KeyUp() : logic_->KeyDown(); });
      grid_->setFocus();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TWFindDlg::Sync(bool grid_changed) {
  syncing_ = true;
  const WFindDlgLogic& logic = *logic_;
  for (int mode = 1; mode <= 5; ++mode) {
    modes_[mode - 1]->setText(AnsiToQ(logic.RadioCaption(mode)));
    modes_[mode - 1]->setChecked(logic.GetMode() == mode);
  }
  const QString text = AnsiToQ(logic.SearchText());
  if (search_->text() != text) search_->setText(text);
  search_button_->setEnabled(logic.SearchButtonEnabled());
  search_button_->setStyleSheet(logic.SearchCaptionRed() ? QStringLiteral("color: red")
                                                         : QStringLiteral("color: black"));
  if (grid_changed) model_->Reset();
  const int row = logic.CurrentRow();
  if (row > 0) {
    const QModelIndex index = model_->index(row - 1, 0);
    grid_->selectionModel()->setCurrentIndex(index,
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grid_->scrollTo(index);
  }
  count_label_->setText(AnsiToQ(logic.CountLabel()));

  const WIndInfoBox* boxes[3] = {&logic.SelectedBox(), &logic.FatherBox(), &logic.MotherBox()};
  for (int i = 0; i < 3; ++i) {
    boxes_[i]->ShowBox(*boxes[i]);
    if (boxes[i]->IsEmpty()) {
      boxes_[i]->Clear();
      boxes_[i]->SetColors(kSilver, Qt::black);
    }
  }
  marriages_label_->setText(AnsiToQ(logic.MarriagesLabel()));
  marriages_->clear();
  for (const WFindDlgLogic::MarriageItem& item : logic.MarriageItems()) {
    QListWidgetItem* entry = new QListWidgetItem(AnsiToQ(item.Text()), marriages_);
    entry->setData(kSpouseRole, item.spouse);
    entry->setData(kPlusRole, item.has_children);
    entry->setData(kYearRole, item.birth_year);
  }
  syncing_ = false;
}
