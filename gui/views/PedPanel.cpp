#include "gui/views/PedPanel.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "app/Options.h"
#include "gui/app/AnsiText.h"
#include "gui/app/Fonts.h"
#include "gui/app/SafeCall.h"
#include "gui/views/PedigreeChart.h"

namespace {
constexpr int kMargin = 6;
}  // namespace

WPedPanel::WPedPanel(QWidget* parent) : WABSPanel(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  logic_.SetGenerations(WPedigreeLogic::kTabGenerations);
  logic_.OnIndexChange = [this] { emit individualRequested(logic_.RequestedIndividual()); };
}

void WPedPanel::SetCollection(WABSCollection* collection) {
  SafeCall([&] {
    logic_.SetCollection(collection);
    logic_.SetIndividual(0);
  });
  update();
}

void WPedPanel::SetIndividual(RecNo n) {
  SafeCall([&] { logic_.SetIndividual(n); });
  update();
}

void WPedPanel::Refresh() {
  SafeCall([&] { logic_.Refresh(); });
  update();
}

void WPedPanel::ApplyDisplaySettings() {
  SafeCall([&] {
    logic_.SetUseLDS(Options().GetBool(WOptions::UseLDS));
    logic_.SetShowIndHint(Options().GetBool(WOptions::ShowIndHint));
    logic_.SetFamBirChr(Options().GetBool(WOptions::FamBirChr));
    logic_.Refresh();
  });
  update();
}

QRectF WPedPanel::ChartArea() const { return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin); }

double WPedPanel::LineHeight() const { return QFontMetricsF(ArialFont(8), this).height() + 1; }

QRectF WPedPanel::BoxRect(uint64_t number) const {
  if (!logic_.Find(number)) return QRectF();
  return WPedigreeChart(logic_, WPedigreeLogic::kTabGenerations).BoxRect(ChartArea(), number, LineHeight());
}

void WPedPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const uint64_t selected = hasFocus() ? logic_.Selected() : 0;
  SafeCall([&] {
    WPedigreeChart(logic_, WPedigreeLogic::kTabGenerations)
        .Paint(painter, ChartArea(), ArialFont(8), selected);
  });
}

void WPedPanel::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const uint64_t number = WPedigreeChart(logic_, WPedigreeLogic::kTabGenerations)
                              .HitTest(ChartArea(), event->position(), LineHeight());
  if (number == 0 || event->button() != Qt::LeftButton) return;
  logic_.Select(number);
  update();
  // A click on anybody but the person shown makes that person active.
  if (number != 1) SafeCall([&] { logic_.Activate(number); });
}

void WPedPanel::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void WPedPanel::keyPressEvent(QKeyEvent* event) {
  bool moved = false;
  switch (event->key()) {
    case Qt::Key_Right:
      moved = logic_.MoveSelection(event->modifiers() & Qt::ShiftModifier ? WPedigreeLogic::kToMother
                                                                          : WPedigreeLogic::kToFather);
      break;
    case Qt::Key_Left:
      moved = logic_.MoveSelection(WPedigreeLogic::kToChild);
      break;
    case Qt::Key_Up:
      moved = logic_.MoveSelection(WPedigreeLogic::kUp);
      break;
    case Qt::Key_Down:
      moved = logic_.MoveSelection(WPedigreeLogic::kDown);
      break;
    case Qt::Key_Home:
      moved = logic_.MoveSelection(WPedigreeLogic::kToPerson);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      SafeCall([&] { logic_.Activate(); });
      return;
    default:
      WABSPanel::keyPressEvent(event);
      return;
  }
  if (moved) update();
}

void WPedPanel::focusInEvent(QFocusEvent* event) {
  WABSPanel::focusInEvent(event);
  update();
}

void WPedPanel::focusOutEvent(QFocusEvent* event) {
  WABSPanel::focusOutEvent(event);
  update();
}

bool WPedPanel::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return WABSPanel::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const uint64_t number =
      WPedigreeChart(logic_, WPedigreeLogic::kTabGenerations).HitTest(ChartArea(), help->pos(), LineHeight());
  const PedigreeEntry* entry = logic_.Find(number);
  if (entry && !entry->box.Hint().empty())
    QToolTip::showText(help->globalPos(), AnsiToQ(entry->box.Hint()), this);
  else
    QToolTip::hideText();
  return true;
}
