#include "gui/app/InitHelpDialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/MakerLinks.h"
#include "app/QuickHelp.h"
#include "gui/app/AnsiText.h"
#include "gui/app/DialogHooks.h"
#include "gui/app/Fonts.h"
#include "gui/app/URLLabel.h"

namespace {

constexpr int kTextHeightWithoutLinks = 310;
constexpr int kTextHeightWithLinks = 200;
constexpr int kLinkHeight = 17;
constexpr int kLinkStep = 15;

}  // namespace

TInitHelpDialog::TInitHelpDialog(const QString& title, const QString& text, const QString& links,
                                 QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Quick Help"));
  setFont(ArialFont(8));
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(6);

  title_label_ = new QLabel(title, this);
  title_label_->setFont(ArialFont(12, true));
  layout->addWidget(title_label_);

  auto* description = new QLabel(QStringLiteral("Description"), this);
  description->setFont(ArialFont(8, true));
  layout->addWidget(description);
  text_box_ = new QPlainTextEdit(this);
  text_box_->setReadOnly(true);
  text_box_->setFont(ArialFont(9));
  text_box_->setPlainText(text);
  layout->addWidget(text_box_);

  QStringList entries;
  for (const QString& entry : links.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    if (entry.contains(QLatin1Char('|'))) entries.append(entry);
  }
  text_box_->setFixedHeight(entries.isEmpty() ? kTextHeightWithoutLinks : kTextHeightWithLinks);
  text_box_->setMinimumWidth(420);
  if (!entries.isEmpty()) {
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    auto* heading = new QLabel(QStringLiteral("User Manual Links"), this);
    heading->setFont(ArialFont(8, true));
    layout->addWidget(heading);
    auto* area = new QWidget(this);
    area->setFixedHeight(static_cast<int>(entries.size() - 1) * kLinkStep + kLinkHeight);
    for (const QString& entry : entries) {
      const QString caption = entry.section(QLatin1Char('|'), 0, 0);
      const QString context = entry.section(QLatin1Char('|'), 1).trimmed();
      auto* link = new TURLLabel(caption, area);
      link->SetURL(QString::fromStdString(WMakerLinks::UserManual()) + QStringLiteral("?context=") + context);
      link->setGeometry(0, link_count_ * kLinkStep, 400, kLinkHeight);
      ++link_count_;
    }
    layout->addWidget(area);
  }

  notice_label_ = new QLabel(AnsiToQ(WQuickHelp::Notice(QToAnsi(title))), this);
  notice_label_->setWordWrap(true);
  layout->addWidget(notice_label_);

  auto* bottom = new QHBoxLayout();
  stop_box_ = new QCheckBox(QStringLiteral("Stop displaying these help dialog boxes"), this);
  bottom->addWidget(stop_box_);
  bottom->addStretch(1);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  bottom->addWidget(close);
  layout->addLayout(bottom);
}

bool TInitHelpDialog::StopChecked() const { return stop_box_->isChecked(); }

QString TInitHelpDialog::Title() const { return title_label_->text(); }

QString TInitHelpDialog::Text() const { return text_box_->toPlainText(); }

QString TInitHelpDialog::Notice() const { return notice_label_->text(); }

bool TInitHelpDialog::ShowQuickHelp(int item, QWidget* parent) {
  if (!WQuickHelp::IsDue(item)) return false;
  TInitHelpDialog dialog(AnsiToQ(WQuickHelp::Title(item)), AnsiToQ(WQuickHelp::Text(item)), QString(),
                         parent);
  RunModal(dialog);
  WQuickHelp::Shown(item, dialog.StopChecked());
  return true;
}

bool TInitHelpDialog::ShowQuickHelpForTab(int tab_index, QWidget* parent) {
  const int item = WQuickHelp::ItemForTab(tab_index);
  return item != 0 && ShowQuickHelp(item, parent);
}
