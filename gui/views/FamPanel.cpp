#include "gui/views/FamPanel.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include "app/Options.h"
#include "gui/app/AnsiText.h"
#include "gui/app/Fonts.h"
#include "gui/app/SafeCall.h"
#include "gui/views/FamGridModel.h"
#include "gui/views/GridDelegate.h"
#include "gui/views/GridView.h"
#include "gui/views/IndInfoPanel.h"

namespace {

constexpr int kColumnWidths[WFamPanelLogic::kColumnCount] = {10, 200, 25, 75, 75, 200};
constexpr int kArrowWidth = 10;
constexpr int kArrowHeight = 17;
constexpr int kLabelHeight = 14;
constexpr int kNextSpouseWidth = 24;
constexpr int kNextSpouseHeight = 18;

// The small "go further up" arrow beside a parent's box.
QIcon ArrowIcon() {
  QPixmap pixmap(6, 9);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  const QPointF points[3] = {{0.5, 0.5}, {5.5, 4.5}, {0.5, 8.5}};
  painter.drawPolygon(points, 3);
  return QIcon(pixmap);
}

// The next-spouse button's picture: two arrow heads pointing on.
QIcon NextSpouseIcon() {
  QPixmap pixmap(14, 10);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 128));
  for (int x : {0, 6}) {
    const QPointF points[3] = {{x + 0.5, 0.5}, {x + 7.5, 5.0}, {x + 0.5, 9.5}};
    painter.drawPolygon(points, 3);
  }
  return QIcon(pixmap);
}

QLabel* MakeLabel(const QString& text, QWidget* parent, bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setFont(ArialFont(8, bold));
  return label;
}

}  // namespace

WFamPanel::WFamPanel(QWidget* parent) : WABSPanel(parent) {
  setFont(ArialFont(8));
  static const char* const kRoles[WFamPanelLogic::kBoxCount] = {
      "Active individual", "Father", "Mother", "Spouse", "Spouse's father", "Spouse's mother"};
  for (int box = 0; box < WFamPanelLogic::kBoxCount; ++box) {
    boxes_[box] = new TIndInfoPanel(this);
    boxes_[box]->setObjectName(QStringLiteral("box%1").arg(box));
    boxes_[box]->SetRole(QString::fromLatin1(kRoles[box]));
    // Reached with Tab; Enter goes to the person, as a double-click does.
    boxes_[box]->setFocusPolicy(Qt::StrongFocus);
    connect(boxes_[box], &TIndInfoPanel::doubleClicked, this,
            [this, box](int) { SafeCall([&] { logic_.ActivateBox(box); }); });
  }
  const QIcon arrow = ArrowIcon();
  for (int box : {fbFather, fbMother, fbSpouseFather, fbSpouseMother}) {
    auto* button = new QToolButton(this);
    button->setIcon(arrow);
    button->setIconSize(QSize(6, 9));
    button->setFixedSize(kArrowWidth, kArrowHeight);
    button->setAutoRaise(false);
    button->setToolTip(QStringLiteral("Go to this person's parents' family"));
    button->setFocusPolicy(Qt::TabFocus);
    button->setVisible(false);
    connect(button, &QToolButton::clicked, this,
            [this, box] { SafeCall([&] { logic_.ActivateArrow(box); }); });
    arrows_[box] = button;
  }
  active_caption_ = MakeLabel(QStringLiteral("Active Individual:"), this, true);
  spouse_caption_ = MakeLabel(QStringLiteral("Spouse:"), this, true);
  marriage_label_ = MakeLabel(QString(), this);
  counter_label_ = MakeLabel(QString(), this);
  counter_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  next_spouse_ = new QToolButton(this);
  next_spouse_->setIcon(NextSpouseIcon());
  next_spouse_->setIconSize(QSize(14, 10));
  next_spouse_->setToolTip(QStringLiteral("Next spouse"));
  next_spouse_->setVisible(false);
  connect(next_spouse_, &QToolButton::clicked, this, [this] {
    SafeCall([this] {
      logic_.NextSpouse();
      ShowFamily();
    });
  });
  separator_ = new QFrame(this);
  separator_->setFrameShape(QFrame::HLine);
  separator_->setFrameShadow(QFrame::Raised);

  grid_ = new WGridView(this);
  grid_->Delegate()->SetRowSeparators(false);
  model_ = new WFamGridModel(logic_, this);
  grid_->setModel(model_);
  for (int column = 0; column < WFamPanelLogic::kColumnCount; ++column)
    grid_->setColumnWidth(column, kColumnWidths[column]);
  connect(grid_, &WGridView::cellDoubleClicked, this,
          [this](int row, int column) { SafeCall([&] { logic_.ActivateCell(row, column); }); });
  // Enter goes to the child, or to the child's spouse from the spouse column.
  connect(grid_, &WGridView::cellEntered, this, [this](int row, int column) {
    SafeCall([&] { logic_.ActivateCell(row, column == WFamPanelLogic::kColumnCount - 1 ? column : 1); });
  });

  logic_.OnIndexChange = [this] { emit individualRequested(logic_.RequestedIndividual()); };
  next_spouse_->setFocusPolicy(Qt::TabFocus);
  // Tab walks the boxes as they stand: each parent's box followed by its arrow, the spouse
  // followed by the next-spouse button, then the children.
  QWidget* order[] = {boxes_[fbActive],       boxes_[fbFather],        arrows_[fbFather],
                      boxes_[fbMother],       arrows_[fbMother],       boxes_[fbSpouse],
                      next_spouse_,           boxes_[fbSpouseFather],  arrows_[fbSpouseFather],
                      boxes_[fbSpouseMother], arrows_[fbSpouseMother], grid_};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  ShowFamily();
}

WFamPanel::~WFamPanel() { logic_.OnIndexChange = nullptr; }

void WFamPanel::SetCollection(WABSCollection* collection) {
  SafeCall([&] {
    logic_.SetCollection(collection);
    logic_.SetIndividual(0);
    ShowFamily();
  });
}

void WFamPanel::SetIndividual(RecNo n) {
  SafeCall([&] {
    logic_.SetIndividual(n);
    ShowFamily();
  });
}

void WFamPanel::Refresh() {
  SafeCall([&] {
    logic_.Refresh();
    ShowFamily();
  });
}

void WFamPanel::ApplyDisplaySettings() {
  SafeCall([&] {
    logic_.SetUseLDS(Options().GetBool(WOptions::UseLDS));
    logic_.SetShowIndHint(Options().GetBool(WOptions::ShowIndHint));
    logic_.SetFamBirChr(Options().GetBool(WOptions::FamBirChr));
    ShowFamily();
  });
}

void WFamPanel::SetUseLDS(bool use) { logic_.SetUseLDS(use); }

void WFamPanel::SetShowIndHint(bool show) {
  SafeCall([&] {
    logic_.SetShowIndHint(show);
    ShowFamily();
  });
}

void WFamPanel::SetFamBirChr(bool fall_back) {
  SafeCall([&] {
    logic_.SetFamBirChr(fall_back);
    ShowFamily();
  });
}

int WFamPanel::TopAreaHeight() const { return 4 * boxes_[0]->BoxHeight() + 13; }

void WFamPanel::ShowFamily() {
  for (int box = 0; box < WFamPanelLogic::kBoxCount; ++box) {
    boxes_[box]->ShowBox(logic_.Box(box));
    if (arrows_[box]) arrows_[box]->setVisible(logic_.ArrowVisible(box));
  }
  marriage_label_->setText(AnsiToQ(logic_.MarriageLabel()));
  counter_label_->setText(AnsiToQ(logic_.CounterLabel()));
  next_spouse_->setVisible(logic_.NextSpouseVisible());
  const int row = grid_->SelectedRow();
  model_->Reload();
  grid_->SelectRow(row < 0 ? 0 : row);
  grid_->horizontalHeader()->viewport()->update();
}

void WFamPanel::resizeEvent(QResizeEvent* event) {
  WABSPanel::resizeEvent(event);
  LayOut();
}

// The boxes stand in two columns: the active individual and the spouse at the left, each
// centred in its half; the four parents at the right, the active individual's parents above
// the raised line and the spouse's parents below it.
void WFamPanel::LayOut() {
  const int w = width();
  const int h = boxes_[0]->BoxHeight();
  const int box_width = std::max(40, w / 2 - 8);
  const int left = 2;
  const int right = w / 2 - 3;
  const int top_area = TopAreaHeight();
  const int upper_half = 2 * h + 6;

  boxes_[fbFather]->setGeometry(right, 2, box_width, h);
  boxes_[fbMother]->setGeometry(right, h + 4, box_width, h);
  separator_->setGeometry(0, upper_half - 1, w, 3);
  boxes_[fbSpouseFather]->setGeometry(right, 2 * h + 9, box_width, h);
  boxes_[fbSpouseMother]->setGeometry(right, 3 * h + 11, box_width, h);
  for (int box : {fbFather, fbMother, fbSpouseFather, fbSpouseMother}) {
    const QRect r = boxes_[box]->geometry();
    arrows_[box]->setGeometry(r.right() + 2, r.top() + (h - kArrowHeight) / 2, kArrowWidth, kArrowHeight);
  }

  const int active_top = (upper_half - h) / 2 + 1;
  boxes_[fbActive]->setGeometry(left, active_top, box_width, h);
  active_caption_->setGeometry(left, active_top - kLabelHeight - 1, box_width, kLabelHeight);
  marriage_label_->setGeometry(left, active_top + h + 1, box_width, kLabelHeight);

  const int lower_top = upper_half + 2;
  const int spouse_top = lower_top + (top_area - lower_top - h) / 2 + 1;
  boxes_[fbSpouse]->setGeometry(left, spouse_top, box_width, h);
  spouse_caption_->setGeometry(left, spouse_top - kLabelHeight - 1, 80, kLabelHeight);
  next_spouse_->setGeometry(left + box_width - kNextSpouseWidth, spouse_top - kNextSpouseHeight - 1,
                            kNextSpouseWidth, kNextSpouseHeight);
  counter_label_->setGeometry(left + 80, spouse_top - kLabelHeight - 1, box_width - 80 - kNextSpouseWidth - 4,
                              kLabelHeight);

  grid_->setGeometry(0, top_area, w, std::max(0, height() - top_area));
}
