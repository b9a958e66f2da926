#include "gui/app/OptionsDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <vector>

TOptionsDlg::TOptionsDlg(QWidget* parent, const WOptions& options) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(WOptionsPages::kCaption));
  setModal(true);

  loaded_.Load(options);
  const WOptionsPages& pages = loaded_;

  tabs_ = new QTabWidget(this);
  std::vector<QVBoxLayout*> tabLayouts(static_cast<size_t>(WOptionsPages::TabCount()));
  for (int t = 0; t < WOptionsPages::TabCount(); ++t) {
    auto* page = new QWidget(tabs_);
    tabLayouts[static_cast<size_t>(t)] = new QVBoxLayout(page);
    tabs_->addTab(page, QString::fromUtf8(WOptionsPages::TabCaption(t)));
  }

  for (const WOptionsPages::Control& c : WOptionsPages::Controls()) {
    QVBoxLayout* layout = tabLayouts[static_cast<size_t>(c.tab)];
    if (c.kind == WOptionsPages::Kind::CheckBox) {
      auto* box = new QCheckBox(QString::fromUtf8(c.caption));
      box->setChecked(pages.Checked(c.setting));
      layout->addWidget(box);
      checkBoxes_[c.setting] = box;
      continue;
    }
    // The radio group sits indented under the check box that switches it on.
    radioGroup_ = new QGroupBox;
    auto* row = new QHBoxLayout(radioGroup_);
    for (size_t i = 0; i < WOptionsPages::RadioItems().size(); ++i) {
      radioItems_[i] = new QRadioButton(QString::fromUtf8(WOptionsPages::RadioItems()[i]));
      radioItems_[i]->setChecked(static_cast<int>(i) == pages.RadioIndex());
      row->addWidget(radioItems_[i]);
    }
    auto* indent = new QHBoxLayout;
    indent->addSpacing(20);
    indent->addWidget(radioGroup_);
    layout->addLayout(indent);
  }

  for (int t = 0; t < WOptionsPages::TabCount(); ++t) {
    QVBoxLayout* layout = tabLayouts[static_cast<size_t>(t)];
    const char* note = WOptionsPages::TabNote(t);
    if (note[0]) {
      auto* label = new QLabel(QString::fromUtf8(note));
      label->setWordWrap(true);
      layout->addSpacing(8);
      layout->addWidget(label);
    }
    layout->addStretch(1);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  cancel_ = buttons->button(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* main = new QVBoxLayout(this);
  main->addWidget(tabs_);
  main->addWidget(buttons);

  if (QCheckBox* flag = CheckBoxFor(WOptions::FNValueFlag))
    connect(flag, &QCheckBox::toggled, this, [this] { UpdateRadioEnabled(); });
  UpdateRadioEnabled();
}

QCheckBox* TOptionsDlg::CheckBoxFor(WOptions::Id setting) const {
  auto it = checkBoxes_.find(setting);
  return it == checkBoxes_.end() ? nullptr : it->second;
}

QRadioButton* TOptionsDlg::RadioItem(int index) const {
  return index >= 0 && index < 3 ? radioItems_[index] : nullptr;
}

void TOptionsDlg::UpdateRadioEnabled() {
  if (radioGroup_) radioGroup_->setEnabled(Pages().RadioEnabled());
}

WOptionsPages TOptionsDlg::Pages() const {
  WOptionsPages pages = loaded_;  // keeps an unknown radio value while no item is ticked
  for (const auto& [setting, box] : checkBoxes_)
    pages.SetChecked(static_cast<WOptions::Id>(setting), box->isChecked());
  int index = -1;
  for (int i = 0; i < 3; ++i)
    if (radioItems_[i] && radioItems_[i]->isChecked()) index = i;
  if (index >= 0) pages.SetRadioIndex(index);
  return pages;
}

void TOptionsDlg::SaveToSettings(WOptions& options) const { Pages().Save(options); }

bool TOptionsDlg::Execute(QWidget* parent) {
  TOptionsDlg dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.SaveToSettings();
  Options().SaveSettings();
  return true;
}
