#pragma once

#include <QDialog>
#include <map>

#include "app/OptionsPages.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The options dialog: four tabs of check boxes and one radio group, each bound to a setting.  The
// controls are loaded from the settings when the dialog is made; SaveToSettings() writes them all
// back.  What the controls are and which settings they stand for is WOptionsPages' business.
class TOptionsDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TOptionsDlg(QWidget* parent = nullptr, const WOptions& options = Options());

  void SaveToSettings(WOptions& options = Options()) const;

  // Shows the dialog modally; on OK writes every control back, saves the settings file and
  // returns true (the caller then re-applies the display settings and refreshes what it shows).
  static bool Execute(QWidget* parent);

  QCheckBox* CheckBoxFor(WOptions::Id setting) const;
  QGroupBox* RadioGroup() const { return radioGroup_; }
  QRadioButton* RadioItem(int index) const;
  QTabWidget* Tabs() const { return tabs_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 private:
  void UpdateRadioEnabled();
  WOptionsPages Pages() const;

  WOptionsPages loaded_;
  QTabWidget* tabs_ = nullptr;
  QGroupBox* radioGroup_ = nullptr;
  QRadioButton* radioItems_[3] = {};
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  std::map<int, QCheckBox*> checkBoxes_;
};
