#include "gui/views/IndPanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Options.h"
#include "gui/app/AnsiText.h"
#include "gui/app/Fonts.h"
#include "gui/app/SafeCall.h"
#include "gui/views/GridView.h"
#include "gui/views/IndGridModel.h"

namespace {

constexpr int kTopBarHeight = 18;
constexpr int kBottomPaneHeight = 120;
constexpr int kSourcesWidth = 200;
constexpr int kMinPaneSize = 30;
// What the other columns take from the grid's width: when created, and after a resize.
constexpr int kInfoLessCreated = 329;
constexpr int kInfoLessResized = 293;
constexpr int kColumnWidths[WIndGridModel::kColumnCount] = {14, 14, 130, 80, 0, 30};

QPlainTextEdit* MakePane(QWidget* parent) {
  auto* pane = new QPlainTextEdit(parent);
  pane->setReadOnly(true);
  pane->setTabChangesFocus(true);
  pane->setFont(ArialFont(8));
  pane->setMinimumSize(kMinPaneSize, kMinPaneSize);
  pane->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pane->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  return pane;
}

}  // namespace

WIndPanel::WIndPanel(QWidget* parent) : WABSPanel(parent) {
  setFont(ArialFont(8));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  auto* top = new QWidget(this);
  top->setFixedHeight(kTopBarHeight);
  auto* top_layout = new QHBoxLayout(top);
  top_layout->setContentsMargins(4, 0, 4, 0);
  top_layout->setSpacing(4);
  top_layout->addWidget(new QLabel(QStringLiteral("Sex:"), top));
  sex_value_ = new QLabel(top);
  sex_value_->setFont(ArialFont(8, true));
  sex_value_->setMinimumWidth(16);
  top_layout->addWidget(sex_value_);
  top_layout->addSpacing(12);
  top_layout->addWidget(new QLabel(QStringLiteral("Modified:"), top));
  modified_value_ = new QLabel(top);
  modified_value_->setFont(ArialFont(8, true));
  modified_value_->setMinimumWidth(90);
  top_layout->addWidget(modified_value_);
  top_layout->addSpacing(12);
  chrono_box_ = new QCheckBox(QStringLiteral("Chronological"), top);
  top_layout->addWidget(chrono_box_);
  tmg_box_ = new QCheckBox(QStringLiteral("TMG Sentence"), top);
  tmg_box_->setVisible(false);
  top_layout->addWidget(tmg_box_);
  top_layout->addStretch(1);
  layout->addWidget(top);

  main_splitter_ = new QSplitter(Qt::Vertical, this);
  main_splitter_->setChildrenCollapsible(false);
  grid_ = new WGridView(main_splitter_);
  model_ = new WIndGridModel(logic_, this);
  grid_->setModel(model_);
  for (int column = 0; column < WIndGridModel::kColumnCount; ++column) {
    if (kColumnWidths[column] > 0) grid_->setColumnWidth(column, kColumnWidths[column]);
  }
  date_width_wanted_ = kColumnWidths[WIndGridModel::colDate];
  FitInformationColumn(kInfoLessCreated);

  pane_splitter_ = new QSplitter(Qt::Horizontal, main_splitter_);
  pane_splitter_->setChildrenCollapsible(false);
  note_pane_ = MakePane(pane_splitter_);
  sources_pane_ = MakePane(pane_splitter_);
  pane_splitter_->setStretchFactor(0, 1);
  pane_splitter_->setStretchFactor(1, 0);
  pane_splitter_->setSizes({400, kSourcesWidth});
  main_splitter_->addWidget(grid_);
  main_splitter_->addWidget(pane_splitter_);
  main_splitter_->setStretchFactor(0, 1);
  main_splitter_->setStretchFactor(1, 0);
  main_splitter_->setSizes({300, kBottomPaneHeight});
  layout->addWidget(main_splitter_, 1);

  logic_.OnIndexChange = [this] { emit individualRequested(logic_.RequestedIndividual()); };
  logic_.OnChronoChange = [this] {
    Options().SetBool(WOptions::Chrono, logic_.Chronological());
    emit chronologicalToggled(logic_.Chronological());
  };
  logic_.OnTMGSentChange = [this] {
    Options().SetBool(WOptions::TMGTagSent, logic_.TMGSentence());
    emit tmgSentenceToggled(logic_.TMGSentence());
  };

  connect(chrono_box_, &QCheckBox::clicked, this, [this] {
    SafeCall([this] {
      logic_.ToggleChronological();
      ShowRows();
    });
  });
  connect(tmg_box_, &QCheckBox::clicked, this, [this] {
    SafeCall([this] {
      logic_.ToggleTMGSentence();
      logic_.Rebuild();
      ShowRows();
    });
  });
  connect(grid_, &WGridView::selectedRowChanged, this, [this](int row) {
    SafeCall([&] {
      logic_.SelectRow(row);
      ShowPanes();
    });
  });
  connect(grid_, &WGridView::resized, this, [this] { FitInformationColumn(kInfoLessResized); });
  connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
    if (column == WIndGridModel::colDate && !fitting_date_) date_width_wanted_ = size;
  });
  connect(grid_, &WGridView::cellDoubleClicked, this,
          [this](int row, int) { SafeCall([&] { logic_.ActivateRow(row); }); });
  connect(grid_, &WGridView::cellEntered, this,
          [this](int row, int) { SafeCall([&] { logic_.ActivateRow(row); }); });
  ShowRows();
}

WIndPanel::~WIndPanel() {
  // The callbacks point at this widget; nothing may call them while it is torn down.
  logic_.OnIndexChange = nullptr;
  logic_.OnChronoChange = nullptr;
  logic_.OnTMGSentChange = nullptr;
}

void WIndPanel::SetCollection(WABSCollection* collection) {
  SafeCall([&] {
    logic_.SetCollection(collection);
    tmg_box_->setVisible(logic_.TMGSentenceVisible());
    if (!collection) logic_.SetIndividual(0);
    ShowRows();
  });
}

void WIndPanel::SetIndividual(RecNo n) {
  SafeCall([&] {
    logic_.SetIndividual(n);
    ShowRows();
  });
}

void WIndPanel::Refresh() {
  SafeCall([&] {
    logic_.Rebuild();
    ShowRows();
  });
}

void WIndPanel::ApplyDisplaySettings() {
  SafeCall([&] {
    logic_.SetUseLDS(Options().GetBool(WOptions::UseLDS));
    logic_.SetTMGSentence(Options().GetBool(WOptions::TMGTagSent));
    logic_.SetChronological(Options().GetBool(WOptions::Chrono));
    logic_.Rebuild();
    ShowRows();
  });
}

void WIndPanel::SetUseLDS(bool use) { logic_.SetUseLDS(use); }

void WIndPanel::SetChronological(bool chronological) {
  SafeCall([&] {
    logic_.SetChronological(chronological);
    ShowRows();
  });
}

void WIndPanel::SetTMGSentence(bool on) {
  logic_.SetTMGSentence(on);
  const QSignalBlocker blocker(tmg_box_);
  tmg_box_->setChecked(on);
}

QString WIndPanel::SexLabelText() const { return sex_value_->text(); }

QString WIndPanel::ModifiedLabelText() const { return modified_value_->text(); }

void WIndPanel::ShowRows() {
  {
    const QSignalBlocker chrono_blocker(chrono_box_);
    chrono_box_->setChecked(logic_.Chronological());
    const QSignalBlocker tmg_blocker(tmg_box_);
    tmg_box_->setChecked(logic_.TMGSentence());
  }
  sex_value_->setText(AnsiToQ(logic_.SexText()));
  modified_value_->setText(AnsiToQ(logic_.ModifiedText()));
  // The selected row number stays across rebuilds, as in a grid whose cells are refilled.
  int row = logic_.SelectedRow();
  {
    const QSignalBlocker blocker(grid_);
    model_->Reload();
    FitDateColumn();
    if (row < 0 && !logic_.Rows().empty()) row = 0;
    grid_->SelectRow(row);
  }
  logic_.SelectRow(grid_->SelectedRow());
  ShowPanes();
}

void WIndPanel::ShowPanes() {
  note_pane_->setPlainText(AnsiToQ(logic_.NoteText()));
  sources_pane_->setPlainText(AnsiToQ(logic_.CitationsText()));
}

void WIndPanel::FitInformationColumn(int less) {
  // A Date column wider than its own width takes the difference from the information.
  less += std::max(0, grid_->columnWidth(WIndGridModel::colDate) - kColumnWidths[WIndGridModel::colDate]);
  grid_->setColumnWidth(WIndGridModel::colInformation, std::max(60, grid_->width() - less));
}

void WIndPanel::FitDateColumn() {
  // The cell draws its text 2 pixels from the left and keeps its right edge for the grid line.
  constexpr int kCellMargins = 6;
  const QFontMetrics metrics(grid_->font());
  int width = std::max(kColumnWidths[WIndGridModel::colDate], date_width_wanted_);
  for (const IndInfoRec& row : logic_.Rows())
    if (!row.date.empty())
      width = std::max(width, metrics.horizontalAdvance(AnsiToQ(row.date)) + kCellMargins);
  const int old = grid_->columnWidth(WIndGridModel::colDate);
  if (width == old) return;
  fitting_date_ = true;
  grid_->setColumnWidth(WIndGridModel::colDate, width);
  fitting_date_ = false;
  // The information column gives up (or gets back) what the Date column changed by.
  grid_->setColumnWidth(WIndGridModel::colInformation,
                        std::max(60, grid_->columnWidth(WIndGridModel::colInformation) - (width - old)));
}
