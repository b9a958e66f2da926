#include "gui/views/GenPanel.h"

#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/app/Fonts.h"
#include "gui/app/SafeCall.h"
#include "gui/views/GenGridModel.h"
#include "gui/views/GridDelegate.h"
#include "gui/views/GridView.h"

namespace {

constexpr int kLabelWidth = 130;

}  // namespace

WGenPanel::WGenPanel(QWidget* parent) : WABSPanel(parent) {
  setFont(ArialFont(8));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  grid_ = new WGridView(this);
  grid_->SetHeadingVisible(false);
  grid_->Delegate()->SetRowSeparators(false);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  model_ = new WGenGridModel(rows_, this);
  grid_->setModel(model_);
  layout->addWidget(grid_);
  connect(grid_, &WGridView::resized, this, [this] { FitColumns(); });
  FitColumns();
}

void WGenPanel::SetCollection(WABSCollection* collection) {
  SafeCall([&] {
    rows_.SetCollection(collection);
    ShowRows();
  });
}

void WGenPanel::Refresh() {
  SafeCall([&] {
    rows_.Rebuild();
    ShowRows();
  });
}

void WGenPanel::SetFileName(const std::string& name) {
  SafeCall([&] {
    rows_.SetFileName(name);
    ShowRows();
  });
}

void WGenPanel::SetImportTime(const std::string& text) {
  SafeCall([&] {
    rows_.SetImportTime(text);
    ShowRows();
  });
}

void WGenPanel::ShowRows() {
  const int row = grid_->SelectedRow();
  model_->Reload();
  grid_->SelectRow(row < 0 ? 0 : row);
}

// The value column takes what the label column and a scroll bar leave.
void WGenPanel::FitColumns() {
  grid_->setColumnWidth(0, kLabelWidth);
  const int scroll_bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  grid_->setColumnWidth(1, std::max(40, grid_->width() - kLabelWidth - scroll_bar - 5));
}

void WGenPanel::resizeEvent(QResizeEvent* event) {
  WABSPanel::resizeEvent(event);
  FitColumns();
}
